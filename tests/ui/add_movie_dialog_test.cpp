// The add-movie dialog, modal over the game window: its box refuses what a one-line title
// of 50 Windows-1252 characters cannot hold, and keeps a title whose append failed.
#include <QClipboard>
#include <QLineEdit>

#include "game_window_fixture.h"
#include "ui/add_movie_dialog.h"

using namespace filmotas;
using namespace filmotas::testing;

class AddMovieDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
  void boxRefusesWhatATitleCannotHoldAndKeepsAFailedOne();
};

void AddMovieDialogTest::boxRefusesWhatATitleCannotHoldAndKeepsAFailedOne() {
  GameInFolder game("Alien");
  ui::AddMovieDialog dialog(game.window->game(), game.window.get());
  bool ran = false;
  whenModal<ui::AddMovieDialog>([&](ui::AddMovieDialog& shown) {
    ran = true;
    QCOMPARE(&shown, &dialog);
    auto* box = dialog.findChild<QLineEdit*>("txtIntroducir");
    QTest::keyClick(box, Qt::Key_Escape);   // no cancel button: Escape leaves the dialog open
    QVERIFY(dialog.isVisible());
    type(box, QString(51, 'x'));   // one character more than a record holds
    QCOMPARE(box->text(), QString(50, 'x'));
    box->clear();
    type(box, QString::fromUtf8("El Ωπ→日"));   // no Windows-1252 code: each key refused
    for (const char* pasted : {"padrino\r\nII", "padrino\nII", "padrino\rII", "padrino\tII"}) {
      QGuiApplication::clipboard()->setText(QString::fromUtf8(pasted));
      box->paste();
    }
    QCOMPARE(box->text(), QString("El "));

    // A failed append is told, and the title stays for another try.
    QVERIFY(QFile::remove(game.dir.filePath("Filmotas.dat")));
    QVERIFY(QDir(game.dir.path()).mkdir("Filmotas.dat"));   // a folder where the list should be
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(game.boxes.seen.size(), 1);
    QCOMPARE(game.boxes.seen[0][0], QString("Error"));
    QCOMPARE(box->text(), QString("El "));
  });
  dialog.run();   // returns once the dialog is closed
  QVERIFY(ran);
}

QTEST_MAIN(AddMovieDialogTest)
#include "add_movie_dialog_test.moc"
