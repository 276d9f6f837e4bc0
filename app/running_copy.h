#pragma once
// The copy that plays in a data folder answers later copies started for the same folder
// by bringing its game window to the front. The folder claim decides which copy runs;
// the socket only carries the request, named after the folder within the user's runtime
// folder.
#include <QLocalServer>
#include <QString>

class QWidget;

namespace filmotas::app {

// The socket name of the copy playing in `dataFolder`.
QString runningCopyName(const QString& dataFolder);

class RunningCopy : public QObject {
 public:
  // Listens for later copies; `window` is brought forward whenever one asks. Call only
  // while holding the folder claim: a name left by a crashed copy is removed first.
  RunningCopy(const QString& name, QWidget* window);

 private:
  void bringForward();

  QLocalServer server_;
  QWidget* window_;
};

// Asks the copy playing under `name` to show its window; false when none answers.
bool askRunningCopyToShow(const QString& name);

}  // namespace filmotas::app
