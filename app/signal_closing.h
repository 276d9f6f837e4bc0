#pragma once
// SIGTERM (a logout or a shutdown), SIGINT (Ctrl+C in a terminal) and SIGHUP (the terminal
// gone) end the game the way its close box does. The handler only writes a byte to a pipe,
// since almost nothing is safe inside a handler; the event loop reads it and closes.
#include <QObject>
#include <functional>

class QSocketNotifier;

namespace filmotas::app {

class SignalClosing : public QObject {
 public:
  // `close` runs in the event loop after one of them has come. One object at a time.
  explicit SignalClosing(std::function<void()> close);
  ~SignalClosing() override;
  SignalClosing(const SignalClosing&) = delete;
  SignalClosing& operator=(const SignalClosing&) = delete;

 private:
  void caught();

  std::function<void()> close_;
  int pipe_[2] = {-1, -1};
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace filmotas::app
