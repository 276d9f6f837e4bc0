#pragma once
// The controls of the game window's client area at their design places, sizes, fonts
// and focus order. What they show at run time is the business of GameWindow.
#include <array>

#include "engine/window_model.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QWidget;

namespace filmotas::ui {

class GallowsWidget;

struct GameWindowControls {
  QWidget* fraPelicula = nullptr;                    // the group holding the cells
  std::array<QLabel*, kCellCount> lblCaracter{};   // [0] is cell 1
  QLineEdit* txtIntroducir = nullptr;
  QLineEdit* txtResponder = nullptr;
  QPushButton* cmdAceptar = nullptr;
  QFrame* linSeparacion1 = nullptr;
  QFrame* linSeparacion2 = nullptr;
  QPushButton* chkResponder = nullptr;   // a check box drawn as a push button
  QPushButton* cmdSalir = nullptr;
  GallowsWidget* picDibujo = nullptr;
  QGroupBox* fraOpciones = nullptr;
  QCheckBox* chkMayusculas = nullptr;
  QCheckBox* chkSePuedenVocales = nullptr;
  QLabel* lblRapidezTexto = nullptr;
  QLabel* lblRapidez = nullptr;
  QSlider* sldRapidez = nullptr;

  QLabel* cell(int i) const { return lblCaracter[static_cast<std::size_t>(i - 1)]; }
};

// The client area's width in twips; it never changes.
inline constexpr int kGameClientWidth = 6270;

// Creates every control of the client area as a child of `client`.
GameWindowControls buildGameWindowControls(QWidget& client);

// Whether the options panel's check boxes and slider take the focus: not while the
// panel is out of view. Their place in the focus order stays; a focus left on one of
// them goes to the letter box.
void setOptionsReachable(const GameWindowControls& c, bool reachable);

}  // namespace filmotas::ui
