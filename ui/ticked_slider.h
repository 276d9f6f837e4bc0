#pragma once
// A horizontal slider whose tick marks stay visible under a dark colour scheme: the
// default style draws them in a shade darker than the window, all but invisible when the
// window itself is dark. There they are drawn in a shade of the text colour instead.
#include <QSlider>

namespace filmotas::ui {

class TickedSlider : public QSlider {
 public:
  explicit TickedSlider(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace filmotas::ui
