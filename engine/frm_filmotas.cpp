// The game window's life: construction, the handler discipline, start-up, closing, and
// the setters through which every control value changes.
#include "engine/frm_filmotas.h"

#include "files/windows1252.h"
#include "settings/about.h"
#include "settings/settings_file.h"

namespace filmotas {

FrmFilmotas::FrmFilmotas(std::string programFolder, MessageBoxPort& boxes, RandomSource& random,
                         ProgramWindows& windows, Clock& clock)
    : folder_(std::move(programFolder)), boxes_(boxes), random_(random), windows_(windows), clock_(clock) {}

// Every event runs inside handle(): it counts how deep handlers are nested (a message box
// runs a nested event loop), lets Salir end the outermost operation, and runs a timer
// tick that fell due meanwhile once the outermost handler is done.
void FrmFilmotas::handle(const std::function<void()>& body) {
  if (closed_) return;
  const bool outermost = depth_ == 0;
  ++depth_;
  try {
    body();
  } catch (const ProgramExit&) {
    --depth_;
    if (!outermost) throw;
    return;
  } catch (const Failure& f) {
    showGeneralError(f);   // a failure that no step traps is reported like any other
  }
  --depth_;
  if (outermost && tickPending_ && !closed_) {
    tickPending_ = false;
    handle([this] { runTick(); });
  }
}

void FrmFilmotas::showGeneralError(const Failure& failure) {
  boxes_.show(generalErrorText(failure), kGeneralErrorTitle, box::kCritical);
}

// ---- Start-up -----------------------------------------------------------------------

void FrmFilmotas::Form_Load() {
  handle([this] {
    try {
      loadSettings();
    } catch (const Failure& f) {
      // A rejected file leaves the window holding the defaults, so closing writes them
      // rather than whatever half of the file had been taken.
      applyDefaultSettings();
      if (f.number() != failure::kTypeMismatch) {
        showGeneralError(f);
        return;   // no game: the cells stay empty until "Nueva partida"
      }
    }
    intFallos_ = 0;
    startNewGame();
  });
}

void FrmFilmotas::loadSettings() {
  strArchivo = folder_.path(kSettingsFile);
  intTamaño = kSettingsRecordLength;
  const std::int16_t number = files_.freeFile();
  CloseOnExit closer(files_, number);
  RecordFile& file = files_.open(number, strArchivo, intTamaño);

  const std::string wait = windows1252::decode(file.read(1));
  putSldRapidez(parseSettingNumber(wait));
  intSegundos_ = static_cast<std::int16_t>(model_.sldRapidez);
  setLblRapidez(waitCaption(wait));   // the stored text: "05" reads "05 segundos"
  putCheckBox(model_.chkSePuedenVocales, Control::chkSePuedenVocales,
              parseSettingNumber(windows1252::decode(file.read(2))));
  putCheckBox(model_.chkMayusculas, Control::chkMayusculas,
              parseSettingNumber(windows1252::decode(file.read(3))));
}

void FrmFilmotas::applyDefaultSettings() {
  const Settings defaults;
  putSldRapidez(defaults.wait);
  intSegundos_ = static_cast<std::int16_t>(defaults.wait);
  setLblRapidez(waitCaption(std::to_string(defaults.wait)));
  putCheckBox(model_.chkSePuedenVocales, Control::chkSePuedenVocales, defaults.vowels);
  putCheckBox(model_.chkMayusculas, Control::chkMayusculas, defaults.ignoreCase);
}

// ---- Closing ------------------------------------------------------------------------

void FrmFilmotas::Form_QueryUnload() {
  handle([this] {
    announceEnd(GameResult::abandoned);
    try {
      writeSettingsFile();
    } catch (const Failure& f) {
      showGeneralError(f);   // once; the window closes all the same
    }
    closed_ = true;
  });
}

void FrmFilmotas::writeSettingsFile() {
  strArchivo = folder_.path(kSettingsFile);
  intTamaño = kSettingsRecordLength;
  writeSettings(strArchivo, {model_.sldRapidez, model_.chkSePuedenVocales, model_.chkMayusculas});
}

void FrmFilmotas::Salir() {
  handle([this] {
    try {
      closeAllWindows();
    } catch (const Failure& f) {
      showGeneralError(f);
      try {
        closeAllWindows();
      } catch (const Failure&) {
        // Closed as far as it goes: the program ends all the same.
      }
    }
    closed_ = true;
    throw ProgramExit{};
  });
}

void FrmFilmotas::closeAllWindows() {
  windows_.closeAddDialog();
  windows_.closeHelpWindow();
  windows_.closeGameWindow();
}

void FrmFilmotas::mnuAyudaAcercaDe_Click() {
  handle([this] { boxes_.show(aboutText(intRegistros), kAboutTitle, box::kInformation); });
}

void FrmFilmotas::mnuArchivoAgregarFilmotas_Click(const std::function<void()>& showDialog) {
  handle(showDialog);
}

void FrmFilmotas::mnuArchivoListaFilmotas_Click(const std::function<void()>& showWindow) {
  handle(showWindow);
}

// ---- The player's edits -------------------------------------------------------------

void FrmFilmotas::setTxtIntroducir(const std::string& text) {
  handle([&] { putTxtIntroducir(text); });
}

void FrmFilmotas::setTxtResponder(const std::string& text) {
  handle([&] { putTxtResponder(text); });
}

void FrmFilmotas::setChkResponder(int state) {
  handle([&] { putChkResponder(state); });
}

void FrmFilmotas::setChkSePuedenVocales(int state) {
  handle([&] { putCheckBox(model_.chkSePuedenVocales, Control::chkSePuedenVocales, state); });
}

void FrmFilmotas::setChkMayusculas(int state) {
  handle([&] { putCheckBox(model_.chkMayusculas, Control::chkMayusculas, state); });
}

void FrmFilmotas::setSldRapidez(int value) {
  handle([&] {
    try {
      putSldRapidez(value);
    } catch (const Failure&) {
      // The slider cannot be moved outside its range; nothing changes.
    }
  });
}

// ---- Control setters ----------------------------------------------------------------

void FrmFilmotas::notify(Control control, int index) {
  if (observer_) observer_(control, index);
}

void FrmFilmotas::setCell(int cell, const std::string& caption, bool isRevealed) {
  const auto i = static_cast<std::size_t>(cell - 1);
  revealed_[i] = isRevealed;
  if (model_.lblCaracter[i] == caption) return;
  model_.lblCaracter[i] = caption;
  notify(Control::lblCaracter, cell);
}

void FrmFilmotas::setPiece(Piece piece, bool visible) {
  model_.piezaVisible[static_cast<std::size_t>(piece)] = visible;
  notify(Control::pieza, static_cast<int>(piece));
}

void FrmFilmotas::setPanel(int panel, const std::string& text) {
  model_.panel[static_cast<std::size_t>(panel - 1)] = text;
  notify(Control::panel, panel);
}

void FrmFilmotas::putTxtIntroducir(const std::string& text) {
  if (model_.txtIntroducir == text) return;
  model_.txtIntroducir = text;
  notify(Control::txtIntroducir);
  txtIntroducir_Change();
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

void FrmFilmotas::putCheckBox(int& box, Control control, std::int32_t state) {
  if (state < 0 || state > 2) throw Failure(failure::kInvalidPropertyValue);
  box = state;
  notify(control);
}

void FrmFilmotas::putSldRapidez(std::int32_t value) {
  if (value < 0 || value > 10) throw Failure(failure::kInvalidPropertyValue);
  if (model_.sldRapidez == value) return;
  model_.sldRapidez = value;
  notify(Control::sldRapidez);
  sldRapidez_Change();
}

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
