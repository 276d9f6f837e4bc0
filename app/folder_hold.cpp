#include "app/folder_hold.h"

#include <QEvent>

#include "ui/game_window.h"

namespace filmotas::app {

FolderHold::FolderHold(std::unique_ptr<ui::FolderClaim> claim, std::unique_ptr<RunningCopy> answering,
                       ui::GameWindow& window)
    : claim_(std::move(claim)), answering_(std::move(answering)), window_(window) {
  window_.installEventFilter(this);
}

// The socket goes first: once the claim is gone, a new copy makes a socket of its own there.
void FolderHold::release() {
  answering_.reset();
  claim_.reset();
}

// The game window hides when it closes (its settings are written by then); a window
// merely minimised stays open.
bool FolderHold::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::Hide && window_.game().closed()) release();
  return false;
}

}  // namespace filmotas::app
