#pragma once
// Every length of the window designs is in twips; this is the one place they become
// device-independent pixels (15 twips to a pixel), so Qt's high-DPI scaling does the rest.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

namespace filmotas::ui {

inline constexpr double kTwipsPerPixel = 15.0;

inline int px(int twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }
inline QPoint pointAt(int left, int top) { return {px(left), px(top)}; }
inline QSize sizeOf(int width, int height) { return {px(width), px(height)}; }
inline QRect rectAt(int left, int top, int width, int height) {
  return {px(left), px(top), px(width), px(height)};
}

}  // namespace filmotas::ui
