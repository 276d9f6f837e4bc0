#include "ui/gallows_widget.h"

#include <QPainter>

#include "ui/twips.h"

namespace filmotas::ui {

namespace {

constexpr int kBorderWidth = 2;   // the picture box's sunken 3D border

struct TwipsLine {
  int x1, y1, x2, y2;
};

// In Piece order; the head's entry is unused (it is the oval of headRect()).
constexpr std::array<TwipsLine, kPieceCount> kLines = {{
    {840, 960, 840, 120},   // linPalo1: upright post
    {360, 120, 840, 120},   // linPalo2: top beam
    {360, 240, 360, 120},   // linPalo3: rope
    {600, 120, 840, 480},   // linPalo4: brace
    {0, 0, 0, 0},           // shpCabeza
    {360, 480, 360, 740},   // linCuerpo
    {480, 960, 360, 720},   // linPierna1
    {240, 960, 360, 720},   // linPierna2
    {480, 600, 360, 480},   // linBrazo1
    {360, 480, 240, 600},   // linBrazo2
}};

}  // namespace

GallowsWidget::GallowsWidget(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(kBorderWidth);
  for (int p = 0; p < kPieceCount; ++p) setProperty(kPieceNames[static_cast<std::size_t>(p)], false);
}

void GallowsWidget::setPieceVisible(Piece piece, bool visible) {
  const auto i = static_cast<std::size_t>(piece);
  visible_[i] = visible;
  setProperty(kPieceNames[i], visible);
  update();
}

QLine GallowsWidget::lineOf(Piece piece) {
  const TwipsLine& l = kLines[static_cast<std::size_t>(piece)];
  return {pointAt(l.x1, l.y1), pointAt(l.x2, l.y2)};
}

QRect GallowsWidget::headRect() { return rectAt(240, 240, 255, 255); }

void GallowsWidget::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.translate(contentsRect().topLeft());
  painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
  painter.setBrush(Qt::NoBrush);
  for (int p = 0; p < kPieceCount; ++p) {
    const auto piece = static_cast<Piece>(p);
    if (!pieceVisible(piece)) continue;
    if (piece == Piece::shpCabeza) {
      painter.drawEllipse(headRect());
    } else {
      painter.drawLine(lineOf(piece));
    }
  }
}

}  // namespace filmotas::ui
