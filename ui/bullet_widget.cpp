#include "ui/bullet_widget.h"

#include <QPainter>

namespace filmotas::ui {

BulletWidget::BulletWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void BulletWidget::setFillColor(const QColor& color) {
  if (color == fill_) return;
  fill_ = color;
  update();
}

// An opaque oval filling the square, with a thin border in the window-text colour.
void BulletWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1.0));
  painter.setBrush(fill_);
  painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace filmotas::ui
