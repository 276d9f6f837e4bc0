#pragma once
// picDibujo: the gallows figure, ten pieces drawn in the box's interior. Each piece's
// visibility is also a dynamic property named after the piece ("linPalo1", ...), so
// whoever inspects the window can read it by name.
#include <QFrame>
#include <QLine>
#include <QRect>
#include <array>

#include "engine/window_model.h"

namespace filmotas::ui {

class GallowsWidget : public QFrame {
  Q_OBJECT
 public:
  explicit GallowsWidget(QWidget* parent = nullptr);

  void setPieceVisible(Piece piece, bool visible);
  bool pieceVisible(Piece piece) const { return visible_[static_cast<std::size_t>(piece)]; }

  // Where each piece lies, in pixels from the top left of the box's interior. The head
  // is the one oval; every other piece is a line.
  static QLine lineOf(Piece piece);
  static QRect headRect();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::array<bool, kPieceCount> visible_{};
};

}  // namespace filmotas::ui
