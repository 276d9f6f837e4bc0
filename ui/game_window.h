#pragma once
// frmFilmotas on screen: draws the game's model and forwards the player's events to it.
// The game itself (FrmFilmotas) holds every rule; this window holds none.
#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>

#include "engine/frm_filmotas.h"
#include "engine/system_random.h"
#include "history/history_recorder.h"
#include "settings/display_state.h"
#include "ui/game_window_controls.h"
#include "ui/game_window_menus.h"
#include "ui/help_window.h"
#include "ui/message_boxes.h"

class QTimer;

namespace filmotas::ui {

class ScreenReader;
class StatusBar;

class GameWindow : public QMainWindow, private ProgramWindows {
  Q_OBJECT
 public:
  // `dataFolder` holds the data files: the program's own folder, or the player's when installed.
  explicit GameWindow(const QString& dataFolder, QWidget* parent = nullptr);
  ~GameWindow() override;

  // The folder whose help file the help window reads, when it is not the data files' own.
  void setHelpFolder(const QString& folder);

  // Loads the settings and starts the first game, then shows the window.
  void start();

  FrmFilmotas& game() { return game_; }
  MessageBoxPort& messageBoxes() { return boxes_; }

  // How the exit operation closes the add-movie dialog and the help window; each closer
  // must do nothing when its window is not open.
  void setAddDialogCloser(std::function<void()> closer) { addDialogCloser_ = std::move(closer); }
  void setHelpWindowCloser(std::function<void()> closer) { helpWindowCloser_ = std::move(closer); }

 protected:
  void closeEvent(QCloseEvent* event) override;

  // "&Agregar filmotas" and "&Lista de filmotas..." (modal), "&Ayuda" (beside the game).
  virtual void openAddDialog();
  virtual void openListWindow();
  virtual void openHelpWindow();
  virtual void openStatisticsWindow();   // "&Estadísticas..." (modal)

 private:
  // ProgramWindows, in the exit operation's order.
  void closeAddDialog() override;
  void closeHelpWindow() override;
  void closeGameWindow() override;

  void connectControls();
  void connectMenus();
  // Runs a player's event, then draws `shown` again: the game may have refused the change.
  void forward(Control shown, const std::function<void()>& event);

  // Drawing the model.
  void showControl(Control control, int index);
  void showEverything();
  void showPiece(Piece piece);
  void showAnswerMode();
  void restartTimer();

  // The display toggles of "&Opciones".
  void toggleOptionsPanel();
  void toggleStatusBar();
  void showDisplayState();

  QtMessageBoxes boxes_;
  SystemRandom random_;
  HistoryRecorder history_;   // hears the game, so it must outlive it
  FrmFilmotas game_;
  DisplayState display_;
  GameWindowControls controls_;
  GameWindowMenus menus_;
  StatusBar* status_ = nullptr;
  QTimer* tmrContador_ = nullptr;
  std::function<void()> addDialogCloser_;
  std::function<void()> helpWindowCloser_;
  DataFolder helpFolder_;
  std::unique_ptr<HelpWindow> helpWindow_;   // made at the first "&Ayuda", kept for the run
  std::unique_ptr<ScreenReader> screenReader_;   // what the game tells a screen reader
};

}  // namespace filmotas::ui
