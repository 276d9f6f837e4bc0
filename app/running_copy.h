#pragma once
// The copy that plays in a data folder answers later copies started for the same folder
// by bringing its game window to the front. The folder claim decides which copy plays;
// the socket only carries the request. Plain sockets rather than Qt Network, whose
// libraries (Kerberos, proxy support) would slow every start.
#include <QObject>

#include "app/socket_place.h"

class QSocketNotifier;
class QWidget;

namespace filmotas::app {

class RunningCopy : public QObject {
 public:
  // Listens at `place` for later copies; `window` comes forward whenever one asks. Make
  // it only while holding the folder claim: a socket left by a killed copy is removed first.
  RunningCopy(SocketPlace place, QWidget* window);
  ~RunningCopy() override;
  RunningCopy(const RunningCopy&) = delete;
  RunningCopy& operator=(const RunningCopy&) = delete;

 private:
  void answer();
  void bringForward();

  SocketPlace place_;
  int listener_ = -1;
  QSocketNotifier* notifier_ = nullptr;
  QWidget* window_;
};

}  // namespace filmotas::app
