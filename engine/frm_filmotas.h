#pragma once
// The game window frmFilmotas without its widgets: every member of the game, the
// control values of its window (GameWindowModel) and every event handler. The Qt window
// forwards the player's events here and draws what the model says.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "files/data_folder.h"
#include "files/failure.h"
#include "engine/file_table.h"
#include "engine/game_events.h"
#include "engine/game_link.h"
#include "engine/ports.h"
#include "engine/window_model.h"

namespace filmotas {

class FrmFilmotas : public GameLink {
 public:
  using Observer = std::function<void(Control, int index)>;

  FrmFilmotas(std::string programFolder, MessageBoxPort& boxes, RandomSource& random,
              ProgramWindows& windows, Clock& clock = systemClock());

  // Who hears what happens in a game (the record of games, a screen reader's sentences).
  // Subscribers must outlive the game or never be called again.
  void subscribe(GameEvents& subscriber) { subscribers_.push_back(&subscriber); }

  // ---- Published members, read and written by the other windows ----
  std::string strArchivo;
  std::int16_t intArchivo = 0;
  std::int16_t intTamaño = 0;
  std::int16_t intRegistros = 0;
  std::string strVocal;
  std::string strPelícula;   // UTF-8

  // ---- The window's control values, and who wants to hear of their changes ----
  const GameWindowModel& model() const { return model_; }
  void setObserver(Observer observer) { observer_ = std::move(observer); }

  // ---- Events. Each runs to its end; a timer tick that falls due while another
  //      handler runs (a message box is open) runs right after it. ----
  void Form_Load();
  void Form_QueryUnload();   // writes the settings; never cancels the closing
  void NuevaPartida();
  void setTxtIntroducir(const std::string& text);   // the player edited the letter box
  void setTxtResponder(const std::string& text);    // the player edited the answer box
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
  // "&Lista de filmotas...": the same for the modal list window.
  void mnuArchivoListaFilmotas_Click(const std::function<void()>& showWindow);
  void Salir();

  // True once the game window has closed: later events are ignored.
  bool closed() const { return closed_; }

  // ---- Private members, readable for the window and for tests ----
  const std::string& strArchivoTemp() const { return strArchivoTemp_; }
  std::int16_t intRegistrosTemp() const { return intRegistrosTemp_; }
  std::int16_t intSegundos() const { return intSegundos_; }
  const std::string& strSegundos() const { return strSegundos_; }
  std::int16_t intFallos() const { return intFallos_; }
  bool blnFallo() const { return blnFallo_; }
  std::int32_t lngLongitud() const { return lngLongitud_; }
  std::int16_t intElegido() const { return intElegido_; }
  const std::string& strRespuesta() const { return strRespuesta_; }
  bool blnCompleto() const { return blnCompleto_; }
  std::int16_t intAscii() const { return intAscii_; }
  bool revealed(int cell) const { return revealed_[static_cast<std::size_t>(cell - 1)]; }

  // GameLink, for the add-movie dialog and the list window.
  const DataFolder& dataFolder() const override { return folder_; }
  MessageBoxPort& messageBoxes() override { return boxes_; }
  void listNowHolds(std::int16_t titles) override { intRegistros = titles; }

  FileTable& files() { return files_; }

  // The general error box for a failure.
  void showGeneralError(const Failure& failure);

 private:
  struct ProgramExit {};   // thrown by Salir: the operation that called it ends there

  void handle(const std::function<void()>& body);
  void runTick();

  // Start-up and settings
  void loadSettings();
  void applyDefaultSettings();
  void writeSettingsFile();

  // New game, vowel, layout
  void startNewGame();
  void countTitles(RecordFile& list);
  void drawTitle(RecordFile& list);
  void AsignarVocal();
  void PonerVocalAsignada();

  // Letter guess, answer, end of game
  void txtIntroducir_Change();
  void judgeLetter(std::uint8_t code, const std::string& letterBytes);
  bool isRepeated(RecordFile& scratch, std::uint8_t code);
  void showStage(std::int16_t misses);
  void chkResponder_Click();
  void sldRapidez_Change();
  void winTest();
  void endOfGameDialog(const std::string& text, const std::string& title);
  void closeAllWindows();

  // Game events
  BoardView board() const;
  void announceStart();
  void announceLetter(const std::string& letter, LetterOutcome outcome, std::vector<int> uncovered = {});
  void announceEnd(GameResult result);
  template <typename Event>
  void tell(void (GameEvents::*handler)(const Event&), const Event& event) {
    for (GameEvents* s : subscribers_) (s->*handler)(event);
  }

  // Control setters: each stores the value and tells the observer; the letter box, the
  // answer-mode check box and the slider raise their own events, as setting them from
  // code does in the window.
  void notify(Control control, int index = 0);
  void setCell(int cell, const std::string& caption, bool isRevealed);
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
  FileTable files_;
  GameWindowModel model_;
  Observer observer_;

  // Private members of the game window
  std::string strArchivoTemp_;
  std::int16_t intArchivoTemp_ = 0;
  std::int16_t intRegistrosTemp_ = 0;
  std::string strLetraTemp_;
  std::string strSegundos_;
  std::int16_t intSegundos_ = 0;
  std::int16_t intFallos_ = 0;
  bool blnFallo_ = false;
  std::string strLetra_;
  std::int32_t lngLongitud_ = 0;
  std::int16_t intElegido_ = 0;
  std::string strRespuesta_;
  std::string strCaracter_;
  std::int16_t intContador_ = 0;
  bool blnCompleto_ = false;
  std::int16_t intAscii_ = 0;

  // The title in Windows-1252, one byte a cell, and which cells have been revealed:
  // a cell counts as hidden until its character has been shown, whatever its caption.
  std::string titleCodes_;
  std::array<bool, kCellCount> revealed_{};

  int depth_ = 0;            // handlers running (a message box shows inside one)
  bool tickPending_ = false;
  bool closed_ = false;
  // A new game drew a title and laid it out. Until then (a failed start-up, an empty
  // list, a new game stopped by a failure) a letter or an answer has nothing to be
  // judged against and is not taken.
  bool gameUnderWay_ = false;
  // The game under way has been told ended (won, lost, answered): the play-again box is
  // open, so a new game does not count it abandoned.
  bool endAnnounced_ = false;
  std::chrono::system_clock::time_point gameStartedAt_;
  std::vector<std::string> lettersJudged_;   // hits and misses, as typed
  std::vector<std::string> missedLetters_;
};

}  // namespace filmotas
