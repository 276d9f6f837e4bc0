#pragma once
// A bullet of the help window: a small filled circle beside a navigation button. It is
// pure decoration: it takes no focus, and the pointer over it counts as over the surface
// it lies on.
#include <QColor>
#include <QWidget>

namespace filmotas::ui {

class BulletWidget : public QWidget {
 public:
  explicit BulletWidget(QWidget* parent);

  QColor fillColor() const { return fill_; }
  void setFillColor(const QColor& color);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_;
};

}  // namespace filmotas::ui
