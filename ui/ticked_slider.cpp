#include "ui/ticked_slider.h"

#include <QStyleOptionSlider>
#include <QStylePainter>

namespace filmotas::ui {

TickedSlider::TickedSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {}

// The groove, the ticks and the handle, each drawn by the style, in the style's order;
// the ticks are shaded from the text colour where the window is darker than its text.
void TickedSlider::paintEvent(QPaintEvent* event) {
  const QColor window = palette().color(QPalette::Window);
  const QColor text = palette().color(QPalette::WindowText);
  if (window.lightness() >= text.lightness()) {
    QSlider::paintEvent(event);
    return;
  }
  QStylePainter painter(this);
  QStyleOptionSlider option;
  initStyleOption(&option);
  const QStyleOptionSlider whole = option;
  for (const auto part : {QStyle::SC_SliderGroove, QStyle::SC_SliderTickmarks, QStyle::SC_SliderHandle}) {
    option = whole;
    option.subControls = part;
    if (part == QStyle::SC_SliderTickmarks) option.palette.setColor(QPalette::Window, text);
    painter.drawComplexControl(QStyle::CC_Slider, option);
  }
}

}  // namespace filmotas::ui
