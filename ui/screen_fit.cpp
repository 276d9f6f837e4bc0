#include "ui/screen_fit.h"

#include <algorithm>

#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

namespace filmotas::ui {

namespace {

const QScreen* screenOf(const QWidget& window) {
  return window.parentWidget() ? window.parentWidget()->screen() : window.screen();
}

}  // namespace

QMargins frameAround(const QWidget& window) {
  if (const QWindow* handle = window.windowHandle(); handle && handle->isVisible()) return handle->frameMargins();
  const int border = window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &window);
  const int caption = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
  return {border, caption + border, border, border};
}

QSize roomOnScreen(const QWidget& window) {
  const QMargins frame = frameAround(window);
  return screenOf(window)->availableGeometry().size().shrunkBy(frame);
}

void fitToScreen(QWidget& window) {
  window.resize(window.size().boundedTo(roomOnScreen(window)).expandedTo(window.minimumSize()));
}

// move() places a window's frame, so the frame counts in the centring.
void centreOnScreen(QWidget& window) {
  fitToScreen(window);
  const QRect area = screenOf(window)->availableGeometry();
  const QSize outer = window.size().grownBy(frameAround(window));
  const QPoint corner = area.center() - QPoint(outer.width() / 2, outer.height() / 2);
  window.move(std::max(corner.x(), area.left()), std::max(corner.y(), area.top()));
}

}  // namespace filmotas::ui
