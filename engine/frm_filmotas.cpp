// The game window's life: construction, the handler discipline, start-up, closing, and
// the player's edits of its controls.
#include "engine/frm_filmotas.h"

#include <utility>

#include "engine/handler_guard.h"
#include "files/record_file.h"
#include "files/windows1252.h"
#include "settings/about.h"
#include "settings/settings_file.h"

namespace filmotas {

FrmFilmotas::FrmFilmotas(std::string dataFolder, MessageBoxPort& boxes, RandomSource& random,
                         ProgramWindows& windows, Clock& clock)
    : folder_(std::move(dataFolder)), boxes_(boxes), random_(random), windows_(windows), clock_(clock) {}

// Every event runs inside handle(): a failure that no step traps is reported like any
// other, and a timer tick that fell due while a message box was open runs once the event
// is done. The one event that runs inside another is the closing of the game window by
// the exit operation.
void FrmFilmotas::handle(const std::function<void()>& body) {
  if (closed_) return;
  const bool inside = std::exchange(busy_, true);
  try {
    body();
  } catch (...) {
    tellCurrentError(boxes_);   // a numbered failure, or memory run out: the game goes on
  }
  busy_ = inside;
  if (!inside && tickHeld_ && !closed_) {
    tickHeld_ = false;
    tmrContador_Timer();
  }
}

void FrmFilmotas::showGeneralError(const Failure& failure) {
  boxes_.show(generalErrorText(failure), kGeneralErrorTitle, box::kCritical);
}

std::string FrmFilmotas::title() const { return windows1252::decode(rules_.title()); }

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
    startNewGame();
  });
}

void FrmFilmotas::loadSettings() {
  RecordFile file(folder_.path(kSettingsFile), kSettingsRecordLength);
  const std::string wait = windows1252::decode(file.read(1));
  putSldRapidez(parseSettingNumber(wait));
  setLblRapidez(waitCaption(wait));   // the stored text: "05" reads "05 segundos"
  putCheckBox(model_.chkSePuedenVocales, Control::chkSePuedenVocales,
              parseSettingNumber(windows1252::decode(file.read(2))));
  putCheckBox(model_.chkMayusculas, Control::chkMayusculas, parseSettingNumber(windows1252::decode(file.read(3))));
}

void FrmFilmotas::applyDefaultSettings() {
  const Settings defaults;
  putSldRapidez(defaults.wait);
  setLblRapidez(waitCaption(std::to_string(defaults.wait)));
  putCheckBox(model_.chkSePuedenVocales, Control::chkSePuedenVocales, defaults.vowels);
  putCheckBox(model_.chkMayusculas, Control::chkMayusculas, defaults.ignoreCase);
}

// ---- Closing ------------------------------------------------------------------------

void FrmFilmotas::Form_QueryUnload() {
  handle([this] {
    announceEnd(GameResult::abandoned);
    try {
      writeSettings(folder_.path(kSettingsFile), {model_.sldRapidez, model_.chkSePuedenVocales, model_.chkMayusculas});
    } catch (const Failure& f) {
      showGeneralError(f);   // once; the window closes all the same
    }
    closed_ = true;
  });
}

void FrmFilmotas::Salir() {
  handle([this] { leave(); });
}

// Nothing of the game runs after this: every caller ends with it.
void FrmFilmotas::leave() {
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
}

void FrmFilmotas::closeAllWindows() {
  windows_.closeAddDialog();
  windows_.closeHelpWindow();
  windows_.closeGameWindow();
}

// ---- Menus and the other windows ----------------------------------------------------

void FrmFilmotas::mnuAyudaAcercaDe_Click() {
  handle([this] { boxes_.show(aboutText(titleCount_), kAboutTitle, box::kInformation); });
}

void FrmFilmotas::mnuArchivoAgregarFilmotas_Click(const std::function<void()>& showDialog) {
  handle(showDialog);
}

// ---- The player's edits -------------------------------------------------------------

void FrmFilmotas::setTxtIntroducir(const std::string& text) {
  handle([&] {
    if (model_.txtIntroducir == text) return;
    model_.txtIntroducir = text;
    txtIntroducir_Change();
  });
}

void FrmFilmotas::setTxtResponder(const std::string& text) {
  handle([&] { model_.txtResponder = text; });
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

}  // namespace filmotas
