#pragma once
// Widget-test helpers: a game window in a temporary program folder, typing, and acting
// inside modal loops so that an unanswered window fails a check instead of hanging.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "ui/game_window.h"

namespace filmotas::testing {

// Runs `step` once inside the modal loop of the first active modal widget of kind T,
// then closes that widget if the step left it open (a failed check returns early).
template <typename T>
void whenModal(std::function<void(T&)> step) {
  auto* poll = new QTimer(qApp);
  QObject::connect(poll, &QTimer::timeout, poll, [poll, step] {
    QPointer<T> modal = dynamic_cast<T*>(QApplication::activeModalWidget());
    if (!modal) return;
    poll->stop();
    poll->deleteLater();
    step(*modal);
    if (modal && modal->isVisible()) modal->close();
  });
  poll->start(5);
}

// While it lives, answers every message box with the next scripted caption, or with its
// escape button once the script is used up; `seen` keeps {title, text} of each box.
class BoxScript {
 public:
  BoxScript() {
    QObject::connect(&poll_, &QTimer::timeout, [this] { answer(); });
    poll_.start(5);
  }
  QStringList script;
  QList<QStringList> seen;

 private:
  void answer() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    const QString caption = script.isEmpty() ? QString() : script.takeFirst();
    QAbstractButton* button = box->escapeButton();
    for (QAbstractButton* b : box->buttons()) {
      if (b->text() == caption) button = b;
    }
    seen << QStringList{box->windowTitle(), box->text()};
    button->click();
  }
  QTimer poll_;
};

// A program folder holding a one-title movie list, and the game window playing in it;
// its message boxes are answered by `boxes`.
struct GameInFolder {
  explicit GameInFolder(const QByteArray& asciiTitle) {
    QByteArray record(52, '\0');   // 2-byte little-endian length, the title, zero padding
    record[0] = static_cast<char>(asciiTitle.size());
    QFile list(dir.filePath("Filmotas.dat"));
    if (list.open(QIODevice::WriteOnly)) list.write(record.replace(2, asciiTitle.size(), asciiTitle));
    list.close();
    window = std::make_unique<ui::GameWindow>(dir.path());
    window->start();
  }
  QByteArray read(const QString& name) const {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  template <typename T>
  T* find(const char* utf8Name) const {
    return window->findChild<T*>(QString::fromUtf8(utf8Name));
  }

  BoxScript boxes;
  QTemporaryDir dir;
  std::unique_ptr<ui::GameWindow> window;
};

// Types each character as a key press carrying it, as a keyboard would.
inline void type(QWidget* widget, const QString& text) {
  for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), {});
}

}  // namespace filmotas::testing
