// The game's message boxes: icon and Spanish buttons by box code, CR LF shown as plain
// lines, Enter answering the default button, Escape and the close box answering No.
#include "game_window_fixture.h"
#include "ui/message_boxes.h"

using namespace filmotas;

class MessageBoxesTest : public QObject {
  Q_OBJECT

 private slots:
  void keysAnswerByCode();
};

void MessageBoxesTest::keysAnswerByCode() {
  const QStringList ok{"Aceptar"}, yesNo{"No", QString::fromUtf8("Sí")};
  const struct { int code, key; QMessageBox::Icon icon; QStringList buttons; int answer; } cases[] = {
      {0, Qt::Key_Return, QMessageBox::NoIcon, ok, box::kAnswerOk},
      {16, Qt::Key_Escape, QMessageBox::Critical, ok, box::kAnswerOk},
      {48, Qt::Key_Return, QMessageBox::Warning, ok, box::kAnswerOk},
      {64, Qt::Key_Return, QMessageBox::Information, ok, box::kAnswerOk},
      {36, Qt::Key_Return, QMessageBox::Question, yesNo, box::kAnswerYes},
      {36, Qt::Key_Escape, QMessageBox::Question, yesNo, box::kAnswerNo},
      {36, 0, QMessageBox::Question, yesNo, box::kAnswerNo}};   // key 0: the close box
  for (const auto& c : cases) {
    QStringList shown, pressable;
    testing::whenModal<QMessageBox>([&](QMessageBox& box) {
      shown << box.windowTitle() << box.text() << QString::number(box.icon()) << QString::number(box.textFormat());
      for (QAbstractButton* b : box.buttons()) pressable << b->text();
      if (c.key) QTest::keyClick(&box, Qt::Key(c.key));
      else box.close();
    });
    QCOMPARE(ui::QtMessageBoxes().show("Error 53:\r\n\r\n<b>No</b> hay", "Filmotas", c.code), c.answer);
    pressable.sort();
    QCOMPARE(shown + pressable, QStringList({"Filmotas", "Error 53:\n\n<b>No</b> hay", QString::number(c.icon),
                                             QString::number(Qt::PlainText)}) + c.buttons);
  }
}

QTEST_MAIN(MessageBoxesTest)
#include "message_boxes_test.moc"
