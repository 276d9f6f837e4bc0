#include "app/running_copy.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include "app/raise_request.h"

namespace filmotas::app {

namespace {

void raise(QWidget* window) {
  if (window->isMinimized()) window->showNormal();
  window->raise();
  window->activateWindow();
}

}  // namespace

// Without the socket the game still runs; only the raising is lost.
RunningCopy::RunningCopy(SocketPlace place, QWidget* window)
    : place_(std::move(place)), listener_(listenForRequests(place_)), window_(window) {
  if (listener_ < 0) return;
  notifier_ = new QSocketNotifier(listener_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &RunningCopy::answer);
}

RunningCopy::~RunningCopy() {
  if (listener_ < 0) return;
  delete notifier_;
  stopListening(listener_, place_);
}

void RunningCopy::answer() {
  bool asked = false;
  while (takeRequest(listener_)) asked = true;
  if (asked) bringForward();
}

// A window that is not shown yet (the start-up is still asking something) stays hidden;
// an open message box or dialog comes up over the game window.
void RunningCopy::bringForward() {
  if (window_->isVisible()) raise(window_);
  if (QWidget* modal = QApplication::activeModalWidget()) raise(modal);
}

}  // namespace filmotas::app
