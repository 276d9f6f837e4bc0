// Filmotas: the game window in the program's own folder, one running copy per folder.
#include <QApplication>
#include <QFile>

#include "ui/game_window.h"
#include "ui/message_boxes.h"
#include "ui/single_instance.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Filmotas"));
  QApplication::setDesktopFileName(QStringLiteral("filmotas"));

  const QString folder = QCoreApplication::applicationDirPath();
  const filmotas::ui::FolderClaim claim(QFile::encodeName(folder).toStdString());
  if (!claim.acquired()) {
    // Another copy plays in this folder: tell the player and leave every file alone.
    filmotas::ui::QtMessageBoxes boxes;
    boxes.show(filmotas::ui::kAlreadyRunningText, filmotas::ui::kAlreadyRunningTitle,
               filmotas::box::kExclamation);
    return 0;
  }

  filmotas::ui::GameWindow window(folder);
  window.start();
  return window.game().closed() ? 0 : app.exec();
}
