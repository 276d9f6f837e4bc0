#pragma once
// The copy that plays in a data folder answers later copies started for the same folder
// by bringing its game window to the front. The folder claim decides which copy runs;
// a Unix socket named after the folder, within the user's runtime folder, only carries
// the request. Plain sockets rather than Qt Network, whose libraries (Kerberos, proxy
// support) would slow every start.
#include <QObject>
#include <QString>

class QSocketNotifier;
class QWidget;

namespace filmotas::app {

// The socket path of the copy playing in `dataFolder`.
QString runningCopyName(const QString& dataFolder);

class RunningCopy : public QObject {
 public:
  // Listens for later copies; `window` is brought forward whenever one asks. Call only
  // while holding the folder claim: a socket left by a crashed copy is removed first.
  RunningCopy(const QString& name, QWidget* window);
  ~RunningCopy() override;
  RunningCopy(const RunningCopy&) = delete;
  RunningCopy& operator=(const RunningCopy&) = delete;

 private:
  void answer();
  void bringForward();

  QByteArray path_;
  int fd_ = -1;
  QSocketNotifier* notifier_ = nullptr;
  QWidget* window_;
};

// Asks the copy playing under `name` to show its window; false when none answers.
bool askRunningCopyToShow(const QString& name);

}  // namespace filmotas::app
