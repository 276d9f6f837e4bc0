#pragma once
// The game window frmFilmotas without its widgets: its event handlers turn the player's
// events into calls on the game's rules (GameRules) and the rules' verdicts into control
// values (GameWindowModel), message boxes, "Temp.dat" records and game events. The Qt
// window forwards the player's events here and draws what the model says.
//
// Where the game window's members went:
//   strPelícula, lngLongitud, blnCompleto     rules().title(), length(), complete()
//   intFallos, blnFallo                        rules().misses(), Verdict::judged == miss
//   strLetraTemp (the letters said)            rules().lettersSaid(), in memory
//   strVocal                                   givenVowel()
//   intRegistros, intElegido                   titleCount(), drawnRecord()
//   intRegistrosTemp                           scratchRecords()
//   intSegundos, strSegundos                   model().sldRapidez
//   strArchivo, intArchivo, intTamaño,
//   strArchivoTemp, intArchivoTemp             a local file in the operation that opens it
//   strLetra, intAscii, strCaracter,
//   intContador, strRespuesta                  locals
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/game_events.h"
#include "engine/game_link.h"
#include "engine/ports.h"
#include "engine/window_model.h"
#include "files/data_folder.h"
#include "files/failure.h"
#include "rules/game_rules.h"

namespace filmotas {

class RecordFile;

class FrmFilmotas : public GameLink {
 public:
  using Observer = std::function<void(Control, int index)>;

  FrmFilmotas(std::string dataFolder, MessageBoxPort& boxes, RandomSource& random, ProgramWindows& windows,
              Clock& clock = systemClock());

  // Who hears what happens in a game (the record of games, a screen reader's sentences).
  // Subscribers must outlive the game or never be called again.
  void subscribe(GameEvents& subscriber) { subscribers_.push_back(&subscriber); }

  // ---- The window's control values, and who wants to hear of their changes ----
  const GameWindowModel& model() const { return model_; }
  void setObserver(Observer observer) { observer_ = std::move(observer); }

  // ---- Events. Each runs to its end; a timer tick that falls due while another
  //      handler runs (a message box is open) runs right after it. ----
  void Form_Load();
  void Form_QueryUnload();   // writes the settings; never cancels the closing
  void NuevaPartida();
  // The player edited a box: the box shows the text already, so it is not drawn back.
  void setTxtIntroducir(const std::string& text);
  void setTxtResponder(const std::string& text);
  void setChkResponder(int state);                  // the player clicked "Responder"
  void setChkSePuedenVocales(int state);
  void setChkMayusculas(int state);
  void setSldRapidez(int value);                    // the player moved the slider
  void cmdAceptar_Click();
  void tmrContador_Timer();
  void mnuArchivoNuevaPartida_Click() { NuevaPartida(); }
  void mnuArchivoSalir_Click() { Salir(); }
  void cmdSalir_Click() { Salir(); }
  void mnuAyudaAcercaDe_Click();
  // "&Agregar filmotas": `showDialog` shows the modal add-movie dialog and returns when
  // it closes. Like a message box, it holds back the game's other handlers meanwhile.
  void mnuArchivoAgregarFilmotas_Click(const std::function<void()>& showDialog);
  // "&Lista de filmotas..." and "&Estadísticas...": the same for their modal windows.
  void mnuArchivoListaFilmotas_Click(const std::function<void()>& showWindow) { handle(showWindow); }
  void mnuArchivoEstadisticas_Click(const std::function<void()>& showWindow) { handle(showWindow); }
  void Salir();

  // True once the game window has closed: later events are ignored.
  bool closed() const { return closed_; }

  // ---- The game as it stands ----
  const GameRules& rules() const { return rules_; }
  std::string title() const;   // UTF-8; empty with no game under way
  const std::string& givenVowel() const { return givenVowel_; }
  std::int16_t titleCount() const { return titleCount_; }     // as last counted, or told
  std::int16_t drawnRecord() const { return drawnRecord_; }   // the title's record in the list
  std::int16_t scratchRecords() const { return scratchRecords_; }   // "Temp.dat" records of this game

  // GameLink, for the add-movie dialog and the list window.
  const DataFolder& dataFolder() const override { return folder_; }
  MessageBoxPort& messageBoxes() override { return boxes_; }
  void listNowHolds(std::int16_t titles) override { titleCount_ = titles; }

 private:
  void handle(const std::function<void()>& body);
  void showGeneralError(const Failure& failure);

  // Start-up, settings and leaving
  void loadSettings();
  void applyDefaultSettings();
  void leave();
  void closeAllWindows();

  // New game
  void startNewGame();
  void clearBoard();
  std::string drawTitle(RecordFile& list);
  char giveVowelAway();

  // Letter guess, answer, end of game
  void txtIntroducir_Change();
  void showVerdict(const std::string& typed, const Verdict& verdict);
  void writeDownLetter(const std::string& letter);
  void showMissedLetters();
  void showStage(int misses);
  void chkResponder_Click();
  void sldRapidez_Change();
  void endGame(GameResult result);
  void clearLetterAndVerdict();

  // Game events
  BoardView board() const;
  void announceStart();
  void announceLetter(const std::string& letter, LetterOutcome outcome, std::vector<int> uncovered = {});
  void announceEnd(GameResult result);
  template <typename Event>
  void tell(void (GameEvents::*handler)(const Event&), const Event& event) {
    for (GameEvents* s : subscribers_) (s->*handler)(event);
  }

  // Control setters: each stores the value and tells the observer; the answer-mode
  // check box and the slider raise their own events, as setting them from code does in
  // the window.
  void notify(Control control, int index = 0);
  void setCell(int cell, const std::string& caption);
  void showCells();
  void setPiece(Piece piece, bool visible);
  void setPanel(int panel, const std::string& text);
  void putTxtIntroducir(const std::string& text);
  void putTxtResponder(const std::string& text);
  void putChkResponder(int state);
  void putCheckBox(int& box, Control control, std::int32_t state);
  void putSldRapidez(std::int32_t value);
  void setLblRapidez(const std::string& caption);
  void armTimer();
  void setTimerInterval(int milliseconds);
  void applyAnswerMode(bool on);

  // Collaborators
  DataFolder folder_;
  MessageBoxPort& boxes_;
  RandomSource& random_;
  ProgramWindows& windows_;
  Clock& clock_;
  std::vector<GameEvents*> subscribers_;
  GameWindowModel model_;
  Observer observer_;

  // The game under way: its rules hold the truth; the rest is what the files and the
  // About box need.
  GameRules rules_;
  std::string givenVowel_;
  std::int16_t titleCount_ = 0;
  std::int16_t drawnRecord_ = 0;
  std::int16_t scratchRecords_ = 0;
  std::chrono::system_clock::time_point gameStartedAt_;

  bool busy_ = false;        // a handler runs (a message box shows inside one)
  bool tickHeld_ = false;    // a tick fell due meanwhile
  bool closed_ = false;
};

}  // namespace filmotas
