// The setters through which every control value of the game window changes.
#include "engine/frm_filmotas.h"
#include "files/windows1252.h"
#include "settings/settings_file.h"

namespace filmotas {

namespace {

// What a cell of the title shows: its character once shown (a space or a code 0 as a
// blank), "-" while it waits to be uncovered.
std::string captionOf(const GameRules& rules, int cell) {
  if (!rules.revealed(cell)) return "-";
  const char code = rules.title()[static_cast<std::size_t>(cell - 1)];
  return code == ' ' || code == '\0' ? " " : windows1252::decode(std::string_view(&code, 1));
}

}  // namespace

void FrmFilmotas::notify(Control control, int index) {
  if (observer_) observer_(control, index);
}

void FrmFilmotas::setCell(int cell, const std::string& caption) {
  std::string& shown = model_.lblCaracter[static_cast<std::size_t>(cell - 1)];
  if (shown == caption) return;
  shown = caption;
  notify(Control::lblCaracter, cell);
}

// The title's cells as the rules say; the cells after it stay empty.
void FrmFilmotas::showCells() {
  for (int cell = 1; cell <= rules_.length(); ++cell) setCell(cell, captionOf(rules_, cell));
}

void FrmFilmotas::setPiece(Piece piece, bool visible) {
  model_.piezaVisible[static_cast<std::size_t>(piece)] = visible;
  notify(Control::pieza, static_cast<int>(piece));
}

void FrmFilmotas::setPanel(int panel, const std::string& text) {
  model_.panel[static_cast<std::size_t>(panel - 1)] = text;
  notify(Control::panel, panel);
}

// The game's own change of the letter box. Emptying it judges nothing.
void FrmFilmotas::putTxtIntroducir(const std::string& text) {
  if (model_.txtIntroducir == text) return;
  model_.txtIntroducir = text;
  notify(Control::txtIntroducir);
}

void FrmFilmotas::putTxtResponder(const std::string& text) {
  if (model_.txtResponder == text) return;
  model_.txtResponder = text;
  notify(Control::txtResponder);
}

void FrmFilmotas::putChkResponder(int state) {
  if (state < 0 || state > 2) throw Failure(failure::kInvalidPropertyValue);
  if (model_.chkResponder == state) return;
  model_.chkResponder = state;
  notify(Control::chkResponder);
  chkResponder_Click();
}

// The two option boxes: unchecked forbids vowels; only a checked box ignores case.
void FrmFilmotas::putCheckBox(int& box, Control control, std::int32_t state) {
  if (state < 0 || state > 2) throw Failure(failure::kInvalidPropertyValue);
  box = state;
  notify(control);
  rules_.setOptions({model_.chkSePuedenVocales != 0, model_.chkMayusculas == 1});
}

void FrmFilmotas::putSldRapidez(std::int32_t value) {
  if (value < 0 || value > 10) throw Failure(failure::kInvalidPropertyValue);
  if (model_.sldRapidez == value) return;
  model_.sldRapidez = value;
  notify(Control::sldRapidez);
  sldRapidez_Change();
}

void FrmFilmotas::sldRapidez_Change() { setLblRapidez(waitCaption(std::to_string(model_.sldRapidez))); }

void FrmFilmotas::setLblRapidez(const std::string& caption) {
  model_.lblRapidez = caption;
  notify(Control::lblRapidez);
}

void FrmFilmotas::setTimerInterval(int milliseconds) {
  model_.tmrContadorInterval = milliseconds;
  notify(Control::tmrContador);   // also when unchanged: setting the interval restarts it
}

void FrmFilmotas::applyAnswerMode(bool on) {
  auto& m = model_.answerMode;
  m.txtResponderVisible = on;
  m.txtIntroducirEnabled = !on;
  m.cmdAceptarVisible = on;
  m.linSeparacionVisible = on;
  m.mnuArchivoNuevaPartidaEnabled = !on;
  m.mnuArchivoAgregarFilmotasEnabled = !on;
  m.mnuArchivoListaFilmotasEnabled = !on;
  m.mnuArchivoEstadisticasEnabled = !on;
  m.mnuOpcionesMostrarOpcionesEnabled = !on;
  m.fraOpcionesEnabled = !on;
  m.picDibujoVisible = !on;
  notify(Control::answerMode);
}

}  // namespace filmotas
