#pragma once
// The game told to a screen reader. Each sentence goes into the accessible description of
// the two boxes the player types in, so the focused one carries the latest; Orca 43
// speaks no description change from Qt 6.4, so each is also announced: by a notification
// that shows again with the sentence as its name, or by Qt's own announcement where Qt
// has one. The group of the title's cells is named after the board.
#include <QtGlobal>
#include <string>

#include "speech/game_narrator.h"
#include "ui/game_window_controls.h"

class QAction;

namespace filmotas {
class FrmFilmotas;
}

namespace filmotas::ui {

class ScreenReader : private speech::ReaderPort {
 public:
  // Subscribes to `game` and reads the board when `readBoard` ("&Leer el tablero") is
  // triggered; the controls must outlive it.
  ScreenReader(FrmFilmotas& game, const GameWindowControls& controls, QAction& readBoard);

 private:
  void announce(const std::string& sentence) override;
  void boardIs(const std::string& sentence) override;
  void describe(const QString& sentence);
  void notify(const QString& sentence);

  GameWindowControls controls_;
  speech::GameNarrator narrator_;
  QWidget* notice_ = nullptr;   // the notification, where Qt has no announcements
};

}  // namespace filmotas::ui
