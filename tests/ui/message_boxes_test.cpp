// The game's message boxes: icon and Spanish buttons by box code, CR LF shown as plain
// lines, Enter answering the default button, Escape and the close box answering No.
#include "game_window_fixture.h"
#include "ui/message_boxes.h"

using namespace filmotas;
using filmotas::testing::whenModal;

class MessageBoxesTest : public QObject {
  Q_OBJECT

 private slots:
  void keysAnswerByCode_data();
  void keysAnswerByCode();
};

void MessageBoxesTest::keysAnswerByCode_data() {
  QTest::addColumn<int>("code");
  QTest::addColumn<int>("key");   // 0: the close box
  QTest::addColumn<int>("icon");
  QTest::addColumn<QStringList>("buttons");
  QTest::addColumn<int>("answer");
  const QStringList ok{"Aceptar"}, yesNo{QString::fromUtf8("Sí"), "No"};
  QTest::newRow("ok Enter") << 0 << int(Qt::Key_Return) << int(QMessageBox::NoIcon) << ok << box::kAnswerOk;
  QTest::newRow("critical Escape") << 16 << int(Qt::Key_Escape) << int(QMessageBox::Critical) << ok
                                   << box::kAnswerOk;
  QTest::newRow("exclamation") << 48 << int(Qt::Key_Return) << int(QMessageBox::Warning) << ok
                               << box::kAnswerOk;
  QTest::newRow("information") << 64 << int(Qt::Key_Return) << int(QMessageBox::Information) << ok
                               << box::kAnswerOk;
  QTest::newRow("question Enter") << 36 << int(Qt::Key_Return) << int(QMessageBox::Question) << yesNo
                                  << box::kAnswerYes;
  QTest::newRow("question Escape") << 36 << int(Qt::Key_Escape) << int(QMessageBox::Question) << yesNo
                                   << box::kAnswerNo;
  QTest::newRow("question closed") << 36 << 0 << int(QMessageBox::Question) << yesNo << box::kAnswerNo;
}

void MessageBoxesTest::keysAnswerByCode() {
  QFETCH(int, code);
  QFETCH(int, key);
  QFETCH(int, icon);
  QFETCH(QStringList, buttons);
  QFETCH(int, answer);
  QStringList shown;
  whenModal<QMessageBox>([&](QMessageBox& box) {
    shown << box.windowTitle() << box.text();
    for (QAbstractButton* b : box.buttons()) shown << b->text();
    QCOMPARE(int(box.icon()), icon);
    QCOMPARE(box.textFormat(), Qt::PlainText);
    if (key) QTest::keyClick(&box, Qt::Key(key));
    else box.close();
  });
  QCOMPARE(ui::QtMessageBoxes().show("Error 53:\r\n\r\n<b>No</b> hay", "Filmotas", code), answer);
  QCOMPARE(shown.mid(0, 2), QStringList({"Filmotas", "Error 53:\n\n<b>No</b> hay"}));
  QStringList pressable = shown.mid(2);
  pressable.sort();
  buttons.sort();
  QCOMPARE(pressable, buttons);
}

QTEST_MAIN(MessageBoxesTest)
#include "message_boxes_test.moc"
