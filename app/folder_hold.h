#pragma once
// What a copy holds while its game window is open: the claim on the data folder and the
// socket that answers later copies. Both go as soon as the game window has closed, so a
// new start plays normally beside a help window that was left open.
#include <QObject>
#include <memory>

#include "app/running_copy.h"
#include "ui/single_instance.h"

namespace filmotas::ui {
class GameWindow;
}

namespace filmotas::app {

class FolderHold : public QObject {
 public:
  FolderHold(std::unique_ptr<ui::FolderClaim> claim, std::unique_ptr<RunningCopy> answering, ui::GameWindow& window);

  // Lets go of the folder; nothing when let go already.
  void release();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::unique_ptr<ui::FolderClaim> claim_;
  std::unique_ptr<RunningCopy> answering_;
  ui::GameWindow& window_;
};

}  // namespace filmotas::app
