// The add-movie dialog on screen: a modal tool window whose Enter appends the title,
// empties the box and stays open, and whose box refuses what a title cannot hold.
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "engine/frm_filmotas.h"
#include "engine/system_random.h"
#include "ui/add_movie_dialog.h"
#include "ui/game_window.h"
#include "ui/message_boxes.h"
#include "modal_helpers.h"

using namespace filmotas;
using namespace filmotas::ui;
using filmotas::testing::AnsweredBox;
using filmotas::testing::ModalWatchdog;
using filmotas::testing::whenModal;

namespace {

class NoOtherWindows : public ProgramWindows {
 public:
  void closeAddDialog() override {}
  void closeHelpWindow() override {}
  void closeGameWindow() override {}
};

constexpr int kRecord = 52;

// One movie-list record: 2-byte little-endian length, the bytes, zero padding.
QByteArray record(const QByteArray& title) {
  QByteArray r(kRecord, '\0');
  r[0] = static_cast<char>(title.size());
  r.replace(2, title.size(), title);
  return r;
}

// Types `text` one character at a time, as key presses carrying the character.
void type(QWidget* box, const QString& text) {
  for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), {});
}

}  // namespace

class AddMovieDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void opensModalCentredWithItsDesign();
  void enterAppendsEmptiesTheBoxAndStaysOpen();
  void closingNeverAppendsAndReopeningStartsEmpty();
  void failedAppendKeepsTheTitleAndTheFile();
  void boxRefusesWhatATitleCannotHold();
  void boxRefusesPastedLineBreaksAndTabs();
  void gameMenuOpensItOverTheGameWindow();

 private:
  QByteArray listBytes() const;
  QLineEdit* box() const { return dialog->findChild<QLineEdit*>("txtIntroducir"); }
  // Opens the dialog and runs `inside` within its modal loop, then closes it.
  void runWith(const std::function<void()>& inside);

  std::unique_ptr<QTemporaryDir> folder;
  std::unique_ptr<QWidget> gameWindow;
  std::unique_ptr<QtMessageBoxes> boxes;
  SystemRandom random;
  NoOtherWindows windows;
  std::unique_ptr<FrmFilmotas> game;
  std::unique_ptr<AddMovieDialog> dialog;
};

void AddMovieDialogTest::init() {
  folder = std::make_unique<QTemporaryDir>();
  QVERIFY(folder->isValid());
  QFile list(folder->filePath("Filmotas.dat"));
  QVERIFY(list.open(QIODevice::WriteOnly));
  list.write(record("Alien") + record("Tiburón") + record("Psicosis"));
  list.close();

  gameWindow = std::make_unique<QWidget>();
  gameWindow->resize(400, 300);
  gameWindow->show();
  boxes = std::make_unique<QtMessageBoxes>(gameWindow.get());
  game = std::make_unique<FrmFilmotas>(folder->path().toStdString(), *boxes, random, windows);
  game->intRegistros = 3;
  dialog = std::make_unique<AddMovieDialog>(*game, gameWindow.get());
}

void AddMovieDialogTest::cleanup() {
  dialog.reset();
  game.reset();
  boxes.reset();
  gameWindow.reset();
  folder.reset();
}

QByteArray AddMovieDialogTest::listBytes() const {
  QFile list(folder->filePath("Filmotas.dat"));
  return list.open(QIODevice::ReadOnly) ? list.readAll() : QByteArray();
}

void AddMovieDialogTest::runWith(const std::function<void()>& inside) {
  ModalWatchdog watchdog;
  bool ran = false;
  whenModal<AddMovieDialog>([&](AddMovieDialog& shown) {
    ran = true;
    inside();
    shown.closeIfOpen();
  });
  dialog->run();
  QVERIFY2(ran, "the dialog never became the active modal window");
  QVERIFY2(!watchdog.fired(), "a modal window had to be closed by the watchdog");
  QVERIFY(!dialog->isVisible());
}

void AddMovieDialogTest::opensModalCentredWithItsDesign() {
  auto* gameButton = new QPushButton("Nueva partida", gameWindow.get());
  gameButton->setGeometry(10, 10, 120, 30);
  gameButton->show();
  QSignalSpy gameClicks(gameButton, &QPushButton::clicked);

  runWith([&] {
    QCOMPARE(QApplication::activeModalWidget(), dialog.get());
    QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
    // A click on the game window while the dialog is open reaches nothing.
    QTest::mouseClick(gameWindow->windowHandle(), Qt::LeftButton, {},
                      gameButton->geometry().center());
    QCOMPARE(gameClicks.count(), 0);

    QCOMPARE(dialog->windowTitle(), QString("Agregar filmotas"));
    QCOMPARE(dialog->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(!(dialog->windowFlags() & Qt::WindowMinMaxButtonsHint));
    QVERIFY(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    const QPoint screenCentre = dialog->screen()->geometry().center();
    // Centred on the screen, not on the game window; the window frame may shift it a little.
    QVERIFY((dialog->geometry().center() - screenCentre).manhattanLength() <= 8);

    QCOMPARE(dialog->focusWidget(), box());
    QCOMPARE(box()->maxLength(), 50);
    auto* aceptar = dialog->findChild<QPushButton*>("cmdAceptar");
    QVERIFY(aceptar && aceptar->isDefault());
    QCOMPARE(aceptar->text(), QString("Aceptar"));
    auto* label = dialog->findChild<QLabel*>(QString::fromUtf8("lblExplicación"));
    QVERIFY(label);
    QCOMPARE(label->text(), QString("Introduce el título de la película"));
    QVERIFY(label->accessibleName().isEmpty());
    QCOMPARE(box()->accessibleDescription(), QString("txtIntroducir"));
    QVERIFY(!box()->accessibleName().isEmpty());
  });
  // Closed, the dialog no longer blocks: the same click now arrives.
  QTest::mouseClick(gameWindow->windowHandle(), Qt::LeftButton, {}, gameButton->geometry().center());
  QCOMPARE(gameClicks.count(), 1);
}

void AddMovieDialogTest::enterAppendsEmptiesTheBoxAndStaysOpen() {
  runWith([&] {
    type(box(), "Casablanca");
    QTest::keyClick(box(), Qt::Key_Return);
    QVERIFY(dialog->isVisible());
    QCOMPARE(box()->text(), QString());
    QCOMPARE(dialog->focusWidget(), box());
    QCOMPARE(game->intRegistros, 4);
    QCOMPARE(listBytes().size(), 4 * kRecord);
    QCOMPARE(listBytes().mid(3 * kRecord), record("Casablanca"));

    // The button does the same; the next title lands in the next record.
    type(box(), QString::fromUtf8("Amélie"));
    dialog->findChild<QPushButton*>("cmdAceptar")->click();
    QCOMPARE(box()->text(), QString());
    QCOMPARE(game->intRegistros, 5);
    QCOMPARE(listBytes().mid(4 * kRecord), record("Am\xE9lie"));
  });
}

void AddMovieDialogTest::closingNeverAppendsAndReopeningStartsEmpty() {
  const QByteArray before = listBytes();
  runWith([&] {
    type(box(), "Vertigo");
    QTest::keyClick(box(), Qt::Key_Escape);   // no cancel button: Escape changes nothing
    QVERIFY(dialog->isVisible());
  });
  QCOMPARE(listBytes(), before);
  runWith([&] { QCOMPARE(box()->text(), QString()); });
  QCOMPARE(game->intRegistros, 3);
}

void AddMovieDialogTest::failedAppendKeepsTheTitleAndTheFile() {
  QVERIFY(QFile::remove(folder->filePath("Filmotas.dat")));
  QVERIFY(QDir(folder->path()).mkdir("Filmotas.dat"));   // a folder where the list should be
  AnsweredBox answered;
  runWith([&] {
    type(box(), "Casablanca");
    filmotas::testing::answerNextBox(answered);
    QTest::keyClick(box(), Qt::Key_Return);
    QCOMPARE(answered.count, 1);
    QCOMPARE(answered.title, QString("Error"));
    QCOMPARE(answered.icon, QMessageBox::Critical);
    QVERIFY(dialog->isVisible());
    QCOMPARE(box()->text(), QString("Casablanca"));
    QCOMPARE(game->intRegistros, 3);
  });
  QVERIFY(QFileInfo(folder->filePath("Filmotas.dat")).isDir());
}

void AddMovieDialogTest::boxRefusesWhatATitleCannotHold() {
  runWith([&] {
    type(box(), QString::fromUtf8("Ñandú €5 ½"));
    QCOMPARE(box()->text(), QString::fromUtf8("Ñandú €5 ½"));
    type(box(), QString::fromUtf8("Ωπ→日"));   // no Windows-1252 code: each key refused
    QCOMPARE(box()->text(), QString::fromUtf8("Ñandú €5 ½"));

    box()->clear();
    type(box(), QString(60, QChar('x')));     // typing stops at 50
    QCOMPARE(box()->text(), QString(50, QChar('x')));
    QTest::keyClick(box(), Qt::Key_Return);   // a 50-letter title fills its record
    QCOMPARE(listBytes().mid(3 * kRecord), QByteArray("\x32\x00", 2) + QByteArray(50, 'x'));
  });
}

void AddMovieDialogTest::boxRefusesPastedLineBreaksAndTabs() {
  runWith([&] {
    type(box(), "El ");
    for (const char* pasted : {"padrino\r\nII", "padrino\nII", "padrino\tII", "Ωmega"}) {
      QGuiApplication::clipboard()->setText(QString::fromUtf8(pasted));
      box()->paste();
      QCOMPARE(box()->text(), QString("El "));
    }
    QGuiApplication::clipboard()->setText("padrino");
    box()->paste();
    QCOMPARE(box()->text(), QString("El padrino"));
  });
}

void AddMovieDialogTest::gameMenuOpensItOverTheGameWindow() {
  ModalWatchdog watchdog;
  GameWindow window(folder->path());
  window.start();
  QVERIFY(window.isVisible());
  const std::int16_t counted = window.game().intRegistros;
  bool ran = false;
  whenModal<AddMovieDialog>([&](AddMovieDialog& shown) {
    ran = true;
    QCOMPARE(shown.parentWidget(), &window);
    auto* title = shown.findChild<QLineEdit*>("txtIntroducir");
    type(title, "Vertigo");
    QTest::keyClick(title, Qt::Key_Return);
    shown.close();   // the close box
  });
  window.findChild<QAction*>("mnuArchivoAgregarFilmotas")->trigger();   // returns once closed
  QVERIFY(ran);
  QVERIFY(!watchdog.fired());
  QCOMPARE(window.game().intRegistros, counted + 1);
  QCOMPARE(listBytes().mid(3 * kRecord), record("Vertigo"));
}

QTEST_MAIN(AddMovieDialogTest)
#include "add_movie_dialog_test.moc"
