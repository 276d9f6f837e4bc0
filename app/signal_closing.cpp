#include "app/signal_closing.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>

namespace filmotas::app {

namespace {

constexpr std::array kClosingSignals = {SIGTERM, SIGINT, SIGHUP};

volatile sig_atomic_t signalPipe = -1;   // the pipe's writing end, for the handler

extern "C" void onClosingSignal(int) {
  const int saved = errno;
  const char byte = 0;
  [[maybe_unused]] const auto written = ::write(signalPipe, &byte, 1);   // a full pipe has a byte already
  errno = saved;
}

void handleClosingSignals(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int signal : kClosingSignals) ::sigaction(signal, &action, nullptr);
}

}  // namespace

// Without the pipe the signals keep their usual effect: the program just ends.
SignalClosing::SignalClosing(std::function<void()> close) : close_(std::move(close)) {
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
  signalPipe = pipe_[1];
  notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &SignalClosing::caught);
  handleClosingSignals(onClosingSignal);
}

SignalClosing::~SignalClosing() {
  if (!notifier_) return;
  handleClosingSignals(SIG_DFL);
  signalPipe = -1;
  delete notifier_;
  ::close(pipe_[0]);
  ::close(pipe_[1]);
}

void SignalClosing::caught() {
  char bytes[16];
  while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
  }
  close_();
}

}  // namespace filmotas::app
