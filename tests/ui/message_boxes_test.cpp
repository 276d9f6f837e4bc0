// The game's message boxes: icon and Spanish buttons by box code, CR LF texts shown as
// lines and never as markup, and the keys a player answers with.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "ui/message_boxes.h"

using namespace filmotas;
using filmotas::ui::QtMessageBoxes;

namespace {

struct Shown {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
  Qt::TextFormat format = Qt::AutoText;
  bool modal = false;
};

// Shows a box through the port and acts on it from inside its modal loop; a box still
// open after two seconds is closed, so a failing test ends.
int showAndAct(const std::string& text, const std::string& title, int code, Shown& shown,
               const std::function<void(QMessageBox&)>& act) {
  QTimer poll;
  QElapsedTimer clock;
  clock.start();
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    if (clock.elapsed() > 2000) {
      box->close();
      return;
    }
    shown = {box->windowTitle(), box->text(), box->icon(), {}, box->textFormat(), box->isModal()};
    for (QAbstractButton* b : box->buttons()) shown.buttons << b->text();
    poll.stop();
    act(*box);
  });
  poll.start();
  QtMessageBoxes boxes;
  return boxes.show(text, title, code);
}

std::function<void(QMessageBox&)> pressing(Qt::Key key) {
  return [key](QMessageBox& box) { QTest::keyClick(&box, key); };
}

}  // namespace

class MessageBoxesTest : public QObject {
  Q_OBJECT

 private slots:
  void iconAndButtonsFollowTheCode_data();
  void iconAndButtonsFollowTheCode();
  void textKeepsItsLinesAndNoMarkup();
  void escapeAndTheCloseBoxCancel();
};

void MessageBoxesTest::iconAndButtonsFollowTheCode_data() {
  QTest::addColumn<int>("code");
  QTest::addColumn<int>("icon");
  QTest::addColumn<QStringList>("buttons");
  QTest::newRow("0 OK") << 0 << int(QMessageBox::NoIcon) << QStringList{"Aceptar"};
  QTest::newRow("16 critical") << 16 << int(QMessageBox::Critical) << QStringList{"Aceptar"};
  QTest::newRow("36 question") << 36 << int(QMessageBox::Question)
                               << QStringList{QString::fromUtf8("Sí"), "No"};
  QTest::newRow("48 exclamation") << 48 << int(QMessageBox::Warning) << QStringList{"Aceptar"};
  QTest::newRow("64 information") << 64 << int(QMessageBox::Information) << QStringList{"Aceptar"};
}

void MessageBoxesTest::iconAndButtonsFollowTheCode() {
  QFETCH(int, code);
  QFETCH(int, icon);
  QFETCH(QStringList, buttons);
  Shown shown;
  const int answer = showAndAct("Texto", "Filmotas", code, shown, pressing(Qt::Key_Return));
  QCOMPARE(int(shown.icon), icon);
  QStringList sorted = shown.buttons;
  sorted.sort();
  buttons.sort();
  QCOMPARE(sorted, buttons);
  QVERIFY(shown.modal);
  // Enter answers the default button: Yes for a question.
  QCOMPARE(answer, code == box::kYesNoQuestion ? box::kAnswerYes : box::kAnswerOk);
}

void MessageBoxesTest::textKeepsItsLinesAndNoMarkup() {
  Shown shown;
  showAndAct("Error 53:\r\n\r\nNo se encontró <b>el</b> archivo", "Error", box::kCritical, shown,
             pressing(Qt::Key_Escape));
  QCOMPARE(shown.title, QString("Error"));
  QCOMPARE(shown.text, QString::fromUtf8("Error 53:\n\nNo se encontró <b>el</b> archivo"));
  QCOMPARE(shown.format, Qt::PlainText);
}

// A question cancelled by Escape or by its close box is answered No.
void MessageBoxesTest::escapeAndTheCloseBoxCancel() {
  Shown shown;
  const std::string question = "¿Otra?";
  QCOMPARE(showAndAct(question, "¿Otra vez?", box::kYesNoQuestion, shown, pressing(Qt::Key_Escape)),
           box::kAnswerNo);
  QCOMPARE(showAndAct(question, "¿Otra vez?", box::kYesNoQuestion, shown,
                      [](QMessageBox& box) { box.close(); }),
           box::kAnswerNo);
  QCOMPARE(showAndAct("Listo", "Filmotas", box::kOk, shown, pressing(Qt::Key_Escape)), box::kAnswerOk);
}

QTEST_MAIN(MessageBoxesTest)
#include "message_boxes_test.moc"
