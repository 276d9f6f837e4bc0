// The help window on screen: its compact and full heights, the rows each topic shows,
// the bullets and the preview that follow the pointer, and the missing help file.
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "ui/bullet_widget.h"
#include "ui/game_window.h"
#include "ui/help_window.h"
#include "ui/message_boxes.h"
#include "ui/twips.h"
#include "modal_helpers.h"

using namespace filmotas;
using namespace filmotas::ui;
using filmotas::testing::AnsweredBox;
using filmotas::testing::ModalWatchdog;

namespace {

const QColor kNavy(0x00, 0x00, 0x80);
const QColor kBlue(0x00, 0x00, 0xFF);
const QString kPrompt = QString::fromUtf8("Elige alguna opción.");

// A help file of `lines` lines "Entrada 1", "Entrada 2"…, Windows-1252, CR LF.
QByteArray helpFile(int lines) {
  QByteArray bytes;
  for (int n = 1; n <= lines; ++n) bytes += "Entrada " + QByteArray::number(n) + "\r\n";
  return bytes;
}

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void opensCompactBesideTheGame();
  void topicGrowsTheWindowAndShowsItsRows();
  void subTopicShowsItsEntry();
  void bulletsFollowThePointer();
  void previewOnlyReplacesThePrompt();
  void labelsAndTheWhiteBoxIgnoreThePointer();
  void closingKeepsTheEntriesAndReopensCompact();
  void missingHelpFileIsReportedAndNothingShows();
  void gameMenuOpensItAndLeavingClosesIt();

 private:
  void writeHelpFile(const QByteArray& bytes) const;
  void openAndWait();
  // Moves the pointer to `local` within `widget` (its centre by default), through the
  // window system, so Qt itself finds the widget under the pointer.
  void pointAt(QWidget* widget, QPoint local = QPoint(-1, -1));
  QPushButton* topicButton(int n) const { return window->controls().cmdTema[at(n)]; }
  QPushButton* rowButton(int n) const { return window->controls().cmdMarcoTema[at(n)]; }
  QColor topicBullet(int n) const { return window->controls().shpTema[at(n)]->fillColor(); }
  QColor rowBullet(int n) const { return window->controls().shpMarcoTema[at(n)]->fillColor(); }
  QString helpText() const { return window->controls().lblAyuda->text(); }
  static std::size_t at(int n) { return static_cast<std::size_t>(n - 1); }

  std::unique_ptr<QTemporaryDir> folder;
  std::unique_ptr<QtMessageBoxes> boxes;
  std::unique_ptr<HelpWindow> window;
  QPoint lastPointer;
};

void HelpWindowTest::init() {
  folder = std::make_unique<QTemporaryDir>();
  QVERIFY(folder->isValid());
  writeHelpFile(helpFile(22));
  boxes = std::make_unique<QtMessageBoxes>();
  window = std::make_unique<HelpWindow>(DataFolder(folder->path().toStdString()), *boxes);
}

void HelpWindowTest::cleanup() {
  window.reset();
  boxes.reset();
  folder.reset();
}

void HelpWindowTest::writeHelpFile(const QByteArray& bytes) const {
  QFile file(folder->filePath("Ayuda.dat"));
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(bytes);
}

void HelpWindowTest::openAndWait() {
  window->open();
  QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void HelpWindowTest::pointAt(QWidget* widget, QPoint local) {
  if (local == QPoint(-1, -1)) local = widget->rect().center();
  QPoint inWindow = widget->mapTo(window.get(), local);
  // Two reports at the same place would count as no movement.
  if (inWindow == lastPointer) inWindow += QPoint(1, 0);
  lastPointer = inWindow;
  QTest::mouseMove(window->windowHandle(), inWindow);
}

void HelpWindowTest::opensCompactBesideTheGame() {
  openAndWait();
  QVERIFY(window->isVisible());
  QCOMPARE(window->windowTitle(), QString("Ayuda"));
  QVERIFY(!window->parentWidget());
  QCOMPARE(window->windowModality(), Qt::NonModal);
  QCOMPARE(QApplication::activeModalWidget(), nullptr);
  QVERIFY(!(window->windowFlags() & Qt::WindowMinMaxButtonsHint));
  QVERIFY(window->testAttribute(Qt::WA_QuitOnClose));   // keeps the program alive alone
  // Outer height 2000 twips less 375 of caption bar and borders.
  QCOMPARE(window->size(), sizeOf(7095, 2000 - 375));
  QCOMPARE(window->minimumSize(), window->maximumSize());
  QVERIFY(window->controls().fraMarco->isHidden());
  QCOMPARE(window->controls().fraMarco->title(), QString("Marco"));
  QCOMPARE(window->focusWidget(), topicButton(1));
  QCOMPARE(window->font().pointSizeF(), 9.0);

  // Sub-topic rows: four to a column, 360 apart.
  QCOMPARE(rowButton(7)->geometry(), rectAt(3480, 1080, 255, 255));
  QCOMPARE(window->controls().lblMarcoTema[3]->geometry(), rectAt(840, 1440, 2600, 500));
  QCOMPARE(window->controls().lblMarcoTema[3]->font().pointSizeF(), 8.25);
  for (int n = 1; n <= 3; ++n) QCOMPARE(topicBullet(n), kNavy);
  QCOMPARE(topicButton(1)->text(), QString());
  QCOMPARE(topicButton(1)->accessibleName(), QString("Instrucciones generales"));
  QCOMPARE(topicButton(1)->accessibleDescription(), QString("cmdTema1"));
  QVERIFY(window->controls().lblTema[0]->accessibleName().isEmpty());

  // "&Ayuda" again only brings it to the front: the file is not read a second time.
  window->open();
  QCOMPARE(window->core().colTips().size(), std::size_t{22});
}

void HelpWindowTest::topicGrowsTheWindowAndShowsItsRows() {
  openAndWait();
  topicButton(2)->click();
  QCOMPARE(window->size(), sizeOf(7095, 5400));
  QVERIFY(window->controls().fraMarco->isVisible());
  QCOMPARE(window->controls().fraMarco->title(), QString::fromUtf8("Menús y botones"));
  for (int n = 1; n <= 8; ++n) QVERIFY(rowButton(n)->isVisible());
  QCOMPARE(window->controls().lblMarcoTema[6]->text(), QString("Ayuda -> Acerca de.."));
  QCOMPARE(rowButton(7)->accessibleName(), QString("Ayuda -> Acerca de.."));

  topicButton(1)->click();
  QCOMPARE(window->size(), sizeOf(7095, 5400));
  for (int n = 1; n <= 3; ++n) QVERIFY(rowButton(n)->isVisible());
  for (int n = 4; n <= 8; ++n) {
    QVERIFY(rowButton(n)->isHidden());
    QVERIFY(window->controls().shpMarcoTema[at(n)]->isHidden());
    QVERIFY(window->controls().lblMarcoTema[at(n)]->isHidden());
  }
  QCOMPARE(window->controls().lblMarcoTema[1]->text(), QString::fromUtf8("Añadir nuevas filmotas"));
  QCOMPARE(window->controls().lblMarcoTema[3]->text(), QString("Opciones -> Mostrar opciones"));
  // Tabbing skips the hidden rows: after row 3 comes the white box, then the topics.
  rowButton(3)->setFocus();
  QTest::keyClick(rowButton(3), Qt::Key_Tab);
  QCOMPARE(window->focusWidget(), window->controls().Picture1);
}

void HelpWindowTest::subTopicShowsItsEntry() {
  openAndWait();
  topicButton(3)->click();
  rowButton(3)->click();
  QCOMPARE(helpText(), QString("Entrada 22"));
  topicButton(2)->click();
  QCOMPARE(helpText(), QString("Entrada 22"));   // choosing a topic leaves the text
  rowButton(8)->click();
  QCOMPARE(helpText(), QString("Entrada 17"));
  topicButton(1)->click();
  rowButton(1)->click();
  QCOMPARE(helpText(), QString("Entrada 1"));
}

void HelpWindowTest::bulletsFollowThePointer() {
  openAndWait();
  topicButton(2)->click();
  pointAt(rowButton(2));
  QCOMPARE(rowBullet(2), kBlue);
  QCOMPARE(helpText(), QString("Archivo -> Agregar filmotas"));
  QCOMPARE(topicBullet(1), kNavy);

  // A bullet counts as the surface it lies on: here the frame's.
  pointAt(window->controls().shpMarcoTema[4]);
  for (int n = 1; n <= 8; ++n) QCOMPARE(rowBullet(n), kNavy);
  QCOMPARE(helpText(), kPrompt);

  // A fast movement from button to button: both stay blue until a surface is crossed.
  pointAt(topicButton(1));
  pointAt(topicButton(3));
  QCOMPARE(topicBullet(1), kBlue);
  QCOMPARE(topicBullet(3), kBlue);
  pointAt(rowButton(6));
  QCOMPARE(rowBullet(6), kBlue);

  // The frame's surface resets only its own bullets, the window's only the topics'.
  pointAt(window->controls().fraMarco, QPoint(4, window->controls().fraMarco->height() - 4));
  QCOMPARE(rowBullet(6), kNavy);
  QCOMPARE(topicBullet(1), kBlue);
  pointAt(window->controls().shpTema[1]);
  for (int n = 1; n <= 3; ++n) QCOMPARE(topicBullet(n), kNavy);
  QCOMPARE(helpText(), kPrompt);
}

void HelpWindowTest::previewOnlyReplacesThePrompt() {
  openAndWait();
  // Compact: the text box is hidden, yet the preview is taken and shows on the first topic.
  pointAt(topicButton(3));
  topicButton(3)->click();
  QCOMPARE(helpText(), QString("Opciones"));
  pointAt(rowButton(1));   // a preview is never replaced by another
  QCOMPARE(helpText(), QString("Opciones"));

  pointAt(window->controls().fraMarco, QPoint(4, window->controls().fraMarco->height() - 4));
  pointAt(rowButton(2));
  QCOMPARE(helpText(), QString("Se pueden decir vocales"));
  rowButton(2)->click();
  QCOMPARE(helpText(), QString("Entrada 21"));
  pointAt(rowButton(1));   // nor is an entry
  QCOMPARE(helpText(), QString("Entrada 21"));
  QCOMPARE(rowBullet(1), kBlue);
}

void HelpWindowTest::labelsAndTheWhiteBoxIgnoreThePointer() {
  openAndWait();
  topicButton(1)->click();
  pointAt(rowButton(1));
  rowButton(1)->click();
  QCOMPARE(helpText(), QString("Entrada 1"));
  pointAt(window->controls().lblMarcoTema[0]);
  pointAt(window->controls().Picture1, QPoint(3, 3));
  pointAt(window->controls().lblAyuda);
  pointAt(window->controls().lblTema[0]);
  QCOMPARE(helpText(), QString("Entrada 1"));
  QCOMPARE(rowBullet(1), kBlue);
  pointAt(window->controls().shpMarcoTema[0]);   // the frame's surface, at last
  QCOMPARE(helpText(), kPrompt);
  QCOMPARE(rowBullet(1), kNavy);
}

void HelpWindowTest::closingKeepsTheEntriesAndReopensCompact() {
  openAndWait();
  topicButton(2)->click();
  pointAt(rowButton(5));
  rowButton(4)->click();
  rowButton(4)->setFocus();
  window->controls().cmdAceptar->click();
  QVERIFY(!window->isVisible());

  writeHelpFile("Otra ayuda\r\n");
  openAndWait();
  QCOMPARE(window->size(), sizeOf(7095, 2000 - 375));
  QVERIFY(window->controls().fraMarco->isHidden());
  QCOMPARE(window->controls().fraMarco->title(), QString("Marco"));
  QCOMPARE(window->controls().lblMarcoTema[0]->text(), QString("Tema1"));
  QCOMPARE(rowBullet(5), kNavy);
  QCOMPARE(helpText(), kPrompt);
  QCOMPARE(window->focusWidget(), topicButton(1));
  topicButton(2)->click();
  rowButton(4)->click();
  QCOMPARE(helpText(), QString("Entrada 13"));   // still the texts of the first opening

  window->close();   // the close box
  QVERIFY(!window->isVisible());
  QCOMPARE(window->core().colTips().size(), std::size_t{23});
}

void HelpWindowTest::missingHelpFileIsReportedAndNothingShows() {
  QVERIFY(QFile::remove(folder->filePath("Ayuda.dat")));
  ModalWatchdog watchdog;
  AnsweredBox answered;
  for (int attempt = 1; attempt <= 2; ++attempt) {
    filmotas::testing::answerNextBox(answered);
    window->open();
    QCOMPARE(answered.count, attempt);
    QVERIFY(!window->isVisible());
  }
  QCOMPARE(answered.title, QString("Error"));
  QCOMPARE(answered.icon, QMessageBox::Critical);
  QCOMPARE(answered.text,
           QString::fromUtf8("No se encontró el archivo de ayuda.\n\nVuelva a instalar el programa."));

  QVERIFY(QDir(folder->path()).mkdir("Ayuda.dat"));   // a folder of that name is no file
  filmotas::testing::answerNextBox(answered);
  window->open();
  QCOMPARE(answered.count, 3);
  QVERIFY(!window->isVisible());
  QVERIFY(!watchdog.fired());
}

void HelpWindowTest::gameMenuOpensItAndLeavingClosesIt() {
  QFile list(folder->filePath("Filmotas.dat"));
  QVERIFY(list.open(QIODevice::WriteOnly));
  list.write(QByteArray("\x05\x00" "Alien", 7) + QByteArray(45, '\0'));
  list.close();
  GameWindow game(folder->path());
  game.start();
  QVERIFY(game.isVisible());

  QAction* ayuda = game.findChild<QAction*>("mnuAyudaAyuda");
  QVERIFY(ayuda);
  ayuda->trigger();
  ayuda->trigger();   // already open: brought to the front, not loaded again
  QWidgetList shown;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() == "frmAyuda" && top->isVisible()) shown << top;
  }
  QCOMPARE(shown.size(), 1);
  QVERIFY(game.isVisible());   // the game goes on beside it
  QCOMPARE(static_cast<HelpWindow*>(shown[0])->core().colTips().size(), std::size_t{22});

  game.findChild<QAction*>("mnuArchivoSalir")->trigger();
  QVERIFY(!shown[0]->isVisible());
  QVERIFY(!game.isVisible());
}

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
