#include "ui/game_window_controls.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>

#include "ui/accessible_roles.h"
#include "ui/control_names.h"
#include "ui/fonts.h"
#include "ui/gallows_widget.h"
#include "ui/letter_box_validator.h"
#include "ui/ticked_slider.h"
#include "ui/twips.h"

namespace filmotas::ui {

namespace {

constexpr int kCellPitch = 120;
constexpr int kSliderPageStep = 5;

template <typename Control>
Control* place(QWidget& parent, const char* name, QRect geometry) {
  auto* control = new Control(&parent);
  nameControl(*control, name);
  control->setGeometry(geometry);
  return control;
}

QLabel* labelSizedToText(QWidget& parent, const char* name, const char* text, QPoint at) {
  auto* label = new QLabel(QString::fromUtf8(text), &parent);
  nameControl(*label, name);
  label->move(at);
  label->adjustSize();
  return label;
}

// A one-pixel line of the etched rule under the answer box; it ends short of its end
// point, as a drawn line does.
QFrame* ruleLine(QWidget& parent, const char* name, int left, int right, int top, QColor colour) {
  auto* line = place<QFrame>(parent, name, QRect(px(left), px(top), px(right) - px(left), 1));
  line->setAccessibleName(QString::fromUtf8("Línea de separación"));
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, colour);
  line->setPalette(palette);
  line->setAutoFillBackground(true);
  line->hide();
  return line;
}

// The row of cells sits in a group of its own, drawn as nothing, so that a screen reader
// finds the board in one place (the group's accessible name reads it out).
void buildCells(QWidget& client, GameWindowControls& c) {
  const QRect row = rectAt(kCellPitch, 120, kCellPitch * (kCellCount - 1) + 135, 255);
  c.fraPelicula = place<QWidget>(client, "fraPelicula", row);
  setAccessibleRole(*c.fraPelicula, QAccessible::Grouping);
  const QFont font = courierNew(9.75, true);
  for (int i = 1; i <= kCellCount; ++i) {
    auto* cell = new QLabel(c.fraPelicula);
    nameControl(*cell, QStringLiteral("lblCaracter(%1)").arg(i));
    cell->setGeometry(rectAt(kCellPitch * i, 120, 135, 255).translated(-row.topLeft()));
    cell->setFont(font);
    cell->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cell->setTextFormat(Qt::PlainText);
    c.lblCaracter[static_cast<std::size_t>(i - 1)] = cell;
  }
}

void buildAnswerRow(QWidget& client, GameWindowControls& c) {
  c.txtIntroducir = place<QLineEdit>(client, "txtIntroducir", rectAt(360, 720, 495, 405));
  c.txtIntroducir->setAccessibleName(QStringLiteral("Letra"));
  c.txtIntroducir->setFont(courierNew(15.75, true));
  c.txtIntroducir->setMaxLength(1);
  c.txtIntroducir->setValidator(new LetterBoxValidator(c.txtIntroducir));

  c.txtResponder = place<QLineEdit>(client, "txtResponder", rectAt(1560, 720, 3615, 315));
  c.txtResponder->setAccessibleName(QStringLiteral("Respuesta"));
  c.txtResponder->hide();

  c.cmdAceptar = place<QPushButton>(client, "cmdAceptar", rectAt(5280, 720, 855, 375));
  c.cmdAceptar->setText(QStringLiteral("Aceptar"));
  c.cmdAceptar->hide();

  c.linSeparacion1 = ruleLine(client, "linSeparación1", 1560, 6120, 1200, QColor(128, 128, 128));
  c.linSeparacion2 = ruleLine(client, "linSeparación2", 1560, 6135, 1215, Qt::white);
}

void buildButtonsAndGallows(QWidget& client, GameWindowControls& c) {
  c.chkResponder = place<QPushButton>(client, "chkResponder", rectAt(3840, 1320, 1095, 375));
  c.chkResponder->setText(QStringLiteral("Responder"));
  c.chkResponder->setCheckable(true);

  c.cmdSalir = place<QPushButton>(client, "cmdSalir", rectAt(5040, 1320, 1095, 375));
  c.cmdSalir->setText(QStringLiteral("Salir"));

  c.picDibujo = place<GallowsWidget>(client, "picDibujo", rectAt(1560, 600, 1095, 1095));
}

void buildOptions(QWidget& client, GameWindowControls& c) {
  c.fraOpciones = place<QGroupBox>(client, "fraOpciones", rectAt(120, 1800, 6015, 1215));
  c.fraOpciones->setTitle(QStringLiteral("Opciones"));
  QGroupBox& frame = *c.fraOpciones;

  c.chkMayusculas = place<QCheckBox>(frame, "chkMayusculas", rectAt(240, 360, 2655, 315));
  c.chkMayusculas->setText(QString::fromUtf8("Ignorar mayúsculas/minúsculas"));
  c.chkSePuedenVocales = place<QCheckBox>(frame, "chkSePuedenVocales", rectAt(240, 720, 2655, 315));
  c.chkSePuedenVocales->setText(QStringLiteral("Se pueden decir vocales"));

  c.lblRapidezTexto = labelSizedToText(frame, "lblRapidezTexto", "Tiempo de espera:", pointAt(3120, 360));
  c.lblRapidez = labelSizedToText(frame, "lblRapidez", "1 segundos", pointAt(4560, 360));

  c.sldRapidez = place<TickedSlider>(frame, "sldRapidez", rectAt(3000, 600, 2535, 495));
  c.sldRapidez->setAccessibleName(QStringLiteral("Tiempo de espera"));
  c.sldRapidez->setRange(0, 10);
  c.sldRapidez->setValue(1);
  c.sldRapidez->setSingleStep(1);
  c.sldRapidez->setPageStep(kSliderPageStep);
  c.sldRapidez->setTickPosition(QSlider::TicksBelow);
  c.sldRapidez->setTickInterval(1);
}

// Reading order: the box the player types in and its button, the two buttons below, then
// the options panel row by row. The letter box is off in answer mode and the answer box
// and "Aceptar" are hidden out of it, so each mode starts at its own box.
void setFocusOrder(const GameWindowControls& c) {
  const std::array<QWidget*, 8> order = {c.txtIntroducir, c.txtResponder,  c.cmdAceptar,
                                         c.chkResponder,  c.cmdSalir,      c.chkMayusculas,
                                         c.chkSePuedenVocales, c.sldRapidez};
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace

void setOptionsReachable(const GameWindowControls& c, bool reachable) {
  const auto policy = reachable ? Qt::FocusPolicy(c.fraOpciones->style()->styleHint(QStyle::SH_Button_FocusPolicy))
                                : Qt::NoFocus;
  for (QWidget* control : {static_cast<QWidget*>(c.chkMayusculas), static_cast<QWidget*>(c.chkSePuedenVocales),
                           static_cast<QWidget*>(c.sldRapidez)}) {
    control->setFocusPolicy(policy);
  }
  if (!reachable && c.fraOpciones->isAncestorOf(QApplication::focusWidget())) c.txtIntroducir->setFocus();
}

GameWindowControls buildGameWindowControls(QWidget& client) {
  GameWindowControls c;
  buildCells(client, c);
  buildAnswerRow(client, c);
  buildButtonsAndGallows(client, c);
  buildOptions(client, c);
  setFocusOrder(c);
  return c;
}

}  // namespace filmotas::ui
