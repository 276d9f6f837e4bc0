#pragma once
// Helpers for widget tests that meet modal windows: a modal dialog runs its own event
// loop, so the test acts from inside it through timers, and a watchdog makes sure no
// loop outlives a failed test.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace filmotas::testing {

// Runs `step` once, inside the modal event loop of the first active modal widget of
// kind T (polled every 10 ms from the event loop).
template <typename T>
void whenModal(std::function<void(T&)> step) {
  auto* poll = new QTimer(qApp);
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, step] {
    auto* modal = dynamic_cast<T*>(QApplication::activeModalWidget());
    if (!modal) return;
    poll->stop();
    poll->deleteLater();   // deleted only once control is back in this loop
    step(*modal);
  });
  poll->start();
}

// What a message box said before the test pressed Enter on it.
struct AnsweredBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int count = 0;
};

// Answers the next message box with Enter (its default button) and records it.
inline void answerNextBox(AnsweredBox& answered) {
  whenModal<QMessageBox>([&answered](QMessageBox& box) {
    answered = {box.windowTitle(), box.text(), box.icon(), answered.count + 1};
    box.defaultButton()->click();
  });
}

// While it lives, closes every modal window that stays open longer than `ms`, so a
// failing test ends instead of hanging; fired() tells the test it had to.
class ModalWatchdog {
 public:
  explicit ModalWatchdog(int ms = 5000) {
    timer_.setInterval(ms);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      while (QWidget* modal = QApplication::activeModalWidget()) {
        fired_ = true;
        modal->close();
        modal->hide();
      }
    });
    timer_.start();
  }
  bool fired() const { return fired_; }

 private:
  QTimer timer_;
  bool fired_ = false;
};

}  // namespace filmotas::testing
