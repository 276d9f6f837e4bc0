#pragma once
// The values of the game window's controls that the engine writes or reads. The window
// draws exactly this; it holds no game rule of its own.
#include <array>
#include <string>

namespace filmotas {

inline constexpr int kCellCount = 50;
inline constexpr int kPieceCount = 10;

// The gallows pieces, in the order a new game hides them.
enum class Piece {
  linPalo1, linPalo2, linPalo3, linPalo4, shpCabeza,
  linCuerpo, linPierna1, linPierna2, linBrazo1, linBrazo2,
};

inline constexpr std::array<const char*, kPieceCount> kPieceNames = {
    "linPalo1", "linPalo2", "linPalo3", "linPalo4", "shpCabeza",
    "linCuerpo", "linPierna1", "linPierna2", "linBrazo1", "linBrazo2"};

// Which control changed; `index` names the cell (1–50), piece (Piece as int) or panel
// (1–3), and is 0 otherwise.
enum class Control {
  lblCaracter, pieza, panel, txtIntroducir, txtResponder, chkResponder,
  chkSePuedenVocales, chkMayusculas, sldRapidez, lblRapidez, tmrContador,
  answerMode,          // every value of AnswerModeControls at once
  focusTxtResponder,   // a request: move the keyboard focus to the answer box
  focusTxtIntroducir,  // a request: move the keyboard focus to the letter box
};

// Controls that the whole-title answer mode switches.
struct AnswerModeControls {
  bool txtResponderVisible = false;
  bool txtIntroducirEnabled = true;
  bool cmdAceptarVisible = false;
  bool linSeparacionVisible = false;   // linSeparación1 and linSeparación2
  bool mnuArchivoNuevaPartidaEnabled = true;
  bool mnuArchivoAgregarFilmotasEnabled = true;
  bool mnuArchivoListaFilmotasEnabled = true;
  bool mnuArchivoEstadisticasEnabled = true;
  bool mnuOpcionesMostrarOpcionesEnabled = true;
  bool fraOpcionesEnabled = true;
  bool picDibujoVisible = true;
};

struct GameWindowModel {
  std::array<std::string, kCellCount> lblCaracter{};   // [0] is cell 1; UTF-8
  std::array<bool, kPieceCount> piezaVisible{};        // by Piece
  std::array<std::string, 3> panel{"", "Letras no acertadas:", "Vocal asignada: "};  // [0] is panel 1
  std::string txtIntroducir;
  std::string txtResponder;
  int chkResponder = 0;
  int chkSePuedenVocales = 0;   // 0 unchecked, 1 checked, 2 greyed
  int chkMayusculas = 0;
  int sldRapidez = 1;           // 0..10
  std::string lblRapidez = "1 segundos";
  int tmrContadorInterval = 0;  // milliseconds; 0 is stopped
  AnswerModeControls answerMode;

  const std::string& cell(int i) const { return lblCaracter[static_cast<std::size_t>(i - 1)]; }
  bool visible(Piece p) const { return piezaVisible[static_cast<std::size_t>(p)]; }
  const std::string& panelText(int i) const { return panel[static_cast<std::size_t>(i - 1)]; }
};

}  // namespace filmotas
