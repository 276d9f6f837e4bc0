#include "ui/screen_fit.h"

#include <algorithm>

#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

namespace filmotas::ui {

namespace {

const QScreen* screenOf(const QWidget& window) {
  return window.parentWidget() ? window.parentWidget()->screen() : window.screen();
}

// move() places a window's frame: the frame's corner goes where the whole frame lies in
// the available area, as near as it can to `centre`.
void centreWithin(QWidget& window, QPoint centre) {
  const QRect area = screenOf(window)->availableGeometry();
  const QSize outer = window.size().grownBy(frameAround(window));
  const QPoint corner = centre - QPoint(outer.width() / 2, outer.height() / 2);
  window.move(std::max(std::min(corner.x(), area.right() + 1 - outer.width()), area.left()),
              std::max(std::min(corner.y(), area.bottom() + 1 - outer.height()), area.top()));
}

}  // namespace

QMargins frameAround(const QWidget& window) {
  if (const QWindow* handle = window.windowHandle(); handle && handle->isVisible()) return handle->frameMargins();
  const int border = window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &window);
  const int caption = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
  return {border, caption + border, border, border};
}

QSize roomOnScreen(const QWidget& window) {
  return screenOf(window)->availableGeometry().size().shrunkBy(frameAround(window));
}

// The layout is settled first, so that the minimum size it sets is known.
void fitToScreen(QWidget& window) {
  if (QLayout* layout = window.layout()) layout->activate();
  window.resize(window.size().boundedTo(roomOnScreen(window)).expandedTo(window.minimumSize()));
}

void centreOnScreen(QWidget& window) {
  fitToScreen(window);
  centreWithin(window, screenOf(window)->availableGeometry().center());
}

void centreOverParent(QWidget& window) {
  if (!window.parentWidget()) return centreOnScreen(window);
  fitToScreen(window);
  centreWithin(window, window.parentWidget()->window()->frameGeometry().center());
}

}  // namespace filmotas::ui
