#pragma once
// A game window in a temporary program folder, and a script that answers its message
// boxes: each box is answered by pressing the button with the scripted caption, and a
// box beyond the script gets its escape button, so a test meets a wrong box as a failed
// comparison instead of hanging in a modal loop.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <deque>
#include <memory>

#include "engine/windows1252.h"
#include "ui/game_window.h"

namespace filmotas::testing {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon;
  QString pressed;
};

class BoxScript {
 public:
  BoxScript() {
    poll_.setInterval(5);
    QObject::connect(&poll_, &QTimer::timeout, [this] { answerOpenBox(); });
    poll_.start();
  }

  // The next box is answered with the button captioned `button`, after `delayMs`.
  void expect(const QString& button, int delayMs = 0) { script_.push_back({button, delayMs}); }
  bool finished() const { return script_.empty(); }
  const QList<SeenBox>& seen() const { return seen_; }
  const SeenBox& last() const { return seen_.back(); }

 private:
  struct Answer {
    QString button;
    int delayMs;
  };

  void answerOpenBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    Answer answer = script_.empty() ? Answer{QString(), 0} : script_.front();
    if (answer.delayMs > 0 && !waiting_.isValid()) waiting_.start();
    if (waiting_.isValid() && waiting_.elapsed() < answer.delayMs) return;
    waiting_.invalidate();
    if (!script_.empty()) script_.pop_front();
    QAbstractButton* button = buttonCaptioned(*box, answer.button);
    if (!button) button = box->escapeButton();
    seen_.push_back({box->windowTitle(), box->text(), box->icon(), button ? button->text() : QString()});
    if (button) button->click();
  }

  static QAbstractButton* buttonCaptioned(QMessageBox& box, const QString& caption) {
    for (QAbstractButton* b : box.buttons()) {
      if (b->text() == caption) return b;
    }
    return nullptr;
  }

  QTimer poll_;
  std::deque<Answer> script_;
  QList<SeenBox> seen_;
  QElapsedTimer waiting_;
};

// A movie-list record: 2-byte little-endian length, Windows-1252 bytes, zero padding.
inline QByteArray movieRecord(const char* utf8Title) {
  const std::string bytes = *windows1252::encode(utf8Title);
  QByteArray r(52, '\0');
  r[0] = static_cast<char>(bytes.size());
  r.replace(2, static_cast<qsizetype>(bytes.size()), QByteArray::fromStdString(bytes));
  return r;
}

// A program folder holding a movie list, and the game window playing in it.
class GameInFolder {
 public:
  explicit GameInFolder(std::initializer_list<const char*> titles) {
    QByteArray list;
    for (const char* title : titles) list += movieRecord(title);
    write("Filmotas.dat", list);
    window = std::make_unique<ui::GameWindow>(dir.path());
  }

  QByteArray read(const QString& name) const {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  bool exists(const QString& name) const { return QFile::exists(dir.filePath(name)); }
  void write(const QString& name, const QByteArray& bytes) const {
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
  }

  template <typename T>
  T* find(const char* utf8Name) const {
    return window->findChild<T*>(QString::fromUtf8(utf8Name));
  }

  QTemporaryDir dir;
  std::unique_ptr<ui::GameWindow> window;
};

// Types each character as a key press carrying it, as a keyboard would.
inline void type(QWidget* widget, const QString& text) {
  for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), {});
}

}  // namespace filmotas::testing
