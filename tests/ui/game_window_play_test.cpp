// Games played through the game window in a temporary program folder: letters typed
// into the letter box, the boxes they raise answered as a player would, the wait timer
// emptying the box, a whole-title answer, and the settings written on the way out.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QtTest>

#include "game_window_fixture.h"
#include "ui/gallows_widget.h"

using namespace filmotas;
using namespace filmotas::testing;

namespace {

const char* const kTitle = "Mono azul";

// The three records of Config.dat: wait time, vowels allowed, case ignored.
QByteArray settingsBytes(char wait, char vowels, char ignoreCase) {
  return QByteArray("\x01\x00", 2) + wait + QByteArray(1, '\0') + QByteArray("\x01\x00", 2) + vowels +
         QByteArray(1, '\0') + QByteArray("\x01\x00", 2) + ignoreCase + QByteArray(1, '\0');
}

}  // namespace

class GameWindowPlayTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
  void init();
  void cleanup();

  void firstRunStartsAGameWithTheDefaults();
  void refusedVowelIsToldAndEmptied();
  void hitRevealsMissHangsAndTheTimerClears();
  void tickDueUnderAnOpenBoxWaitsForIt();
  void letterBoxTakesOnlyWhatTheFilesCanHold();
  void repeatedLetterIsToldWhateverTheCase();
  void rightAnswerWinsAndYesStartsANewGame();
  void fifthMissLosesAndNoLeavesWithTheSettings();
  void closeBoxWritesTheSettings();
  void aboutBoxCountsTheTitlesLive();

 private:
  QLineEdit* letterBox() const { return game->find<QLineEdit>("txtIntroducir"); }
  QString cell(int i) const;
  QString panel(int i) const;
  bool piece(const char* name) const { return game->find<QWidget>("picDibujo")->property(name).toBool(); }
  // Types one letter into an empty letter box and checks that the box answers were given.
  void typeLetter(const QString& letter);
  void waitForEmptyBox();

  std::unique_ptr<GameInFolder> game;
  std::unique_ptr<BoxScript> boxes;
};

void GameWindowPlayTest::init() {
  boxes = std::make_unique<BoxScript>();
  game = std::make_unique<GameInFolder>(std::initializer_list<const char*>{kTitle});
  game->window->start();
  QVERIFY(game->window->isVisible());
}

void GameWindowPlayTest::cleanup() {
  game.reset();
  boxes.reset();
}

QString GameWindowPlayTest::cell(int i) const {
  return game->find<QLabel>(QStringLiteral("lblCaracter(%1)").arg(i).toUtf8().constData())->text();
}

QString GameWindowPlayTest::panel(int i) const {
  const QByteArray name = QStringLiteral("stbBarraDeEstado.Panels(%1)").arg(i).toUtf8();
  return game->find<QLabel>(name.constData())->text();
}

void GameWindowPlayTest::typeLetter(const QString& letter) {
  QCOMPARE(letterBox()->text(), QString());
  type(letterBox(), letter);
  QVERIFY2(boxes->finished(), "a scripted box was not shown");
}

void GameWindowPlayTest::waitForEmptyBox() {
  QTRY_COMPARE_WITH_TIMEOUT(letterBox()->text(), QString(), 3000);
}

void GameWindowPlayTest::firstRunStartsAGameWithTheDefaults() {
  QVERIFY(boxes->seen().isEmpty());
  QVERIFY(game->exists("Config.dat"));
  QCOMPARE(game->read("Config.dat").size(), 0);
  QCOMPARE(game->find<QLabel>("lblRapidez")->text(), QString("1 segundo"));
  QCOMPARE(game->find<QSlider>("sldRapidez")->value(), 1);
  QVERIFY(game->find<QCheckBox>("chkMayusculas")->isChecked());
  QVERIFY(!game->find<QCheckBox>("chkSePuedenVocales")->isChecked());

  // The title lies hidden in the cells; the space shows, the given vowel shows.
  const QString vowel = QString::fromStdString(game->window->game().strVocal);
  QCOMPARE(panel(3), "Vocal asignada: " + vowel);
  QCOMPARE(panel(2), QString("Letras no acertadas: "));
  QCOMPARE(cell(1), QString("-"));
  QCOMPARE(cell(5), QString(" "));
  QCOMPARE(cell(10), QString());
  for (int i : {2, 6, 8}) {   // o, a, u
    const QString c = QString(QChar(kTitle[i - 1]));
    QCOMPARE(cell(i), c.toUpper() == vowel ? c : QString("-"));
  }
  QCOMPARE(game->window->focusWidget(), letterBox());
  QCOMPARE(game->find<QWidget>("picDibujo")->accessibleName(), QString("Horca: 0 fallos"));
}

void GameWindowPlayTest::refusedVowelIsToldAndEmptied() {
  const QByteArray scratch = game->read("Temp.dat");
  boxes->expect("Aceptar");
  typeLetter("e");
  QCOMPARE(boxes->last().title, QString("Filmotas"));
  QCOMPARE(boxes->last().text, QString("No se pueden decir vocales"));
  QCOMPARE(boxes->last().icon, QMessageBox::NoIcon);
  QCOMPARE(letterBox()->text(), QString());
  QCOMPARE(game->read("Temp.dat"), scratch);
  QCOMPARE(panel(1), QString());
}

void GameWindowPlayTest::hitRevealsMissHangsAndTheTimerClears() {
  typeLetter("m");
  QCOMPARE(cell(1), QString("M"));   // case is ignored by default
  QCOMPARE(panel(1), QString::fromUtf8("¡Correcto!"));
  QCOMPARE(letterBox()->text(), QString("m"));
  QVERIFY(!piece("linPalo1"));
  waitForEmptyBox();
  QCOMPARE(panel(1), QString());

  typeLetter("x");
  QCOMPARE(panel(1), QString("No es correcto"));
  QCOMPARE(panel(2), QString("Letras no acertadas: x"));
  for (const char* name : {"linPalo1", "linPalo2", "linPalo3", "linPalo4"}) QVERIFY2(piece(name), name);
  QVERIFY(!piece("shpCabeza"));
  QCOMPARE(game->find<QWidget>("picDibujo")->accessibleName(), QString("Horca: 1 fallo"));
  QCOMPARE(game->read("Temp.dat").size(), 4 * 3);
  waitForEmptyBox();
  QCOMPARE(panel(1), QString());
  QVERIFY(boxes->seen().isEmpty());
}

// The timer is due while the refusal box is open; its tick runs once the box is gone.
void GameWindowPlayTest::tickDueUnderAnOpenBoxWaitsForIt() {
  typeLetter("x");   // arms the timer for 1001 ms
  QTest::keyClick(letterBox(), Qt::Key_Backspace);
  boxes->expect("Aceptar", 1500);
  typeLetter("a");
  QCOMPARE(boxes->seen().size(), 1);
  QCOMPARE(panel(1), QString());   // cleared by the tick that waited for the box
  QCOMPARE(panel(2), QString("Letras no acertadas: x"));
}

void GameWindowPlayTest::letterBoxTakesOnlyWhatTheFilesCanHold() {
  const QByteArray scratch = game->read("Temp.dat");
  type(letterBox(), QString::fromUtf8("ж✓"));
  QCOMPARE(letterBox()->text(), QString());
  QCOMPARE(game->read("Temp.dat"), scratch);

  typeLetter(QString::fromUtf8("€"));   // a Windows-1252 character: judged, a miss
  QCOMPARE(game->read("Temp.dat"), scratch + QByteArray("\x01\x00\x80", 3));
  QCOMPARE(panel(2), QString::fromUtf8("Letras no acertadas: €"));
  type(letterBox(), "k");   // the box holds one character until the timer empties it
  QCOMPARE(letterBox()->text(), QString::fromUtf8("€"));
}

void GameWindowPlayTest::repeatedLetterIsToldWhateverTheCase() {
  typeLetter("z");
  waitForEmptyBox();
  boxes->expect("Aceptar");
  typeLetter("Z");
  QCOMPARE(boxes->last().title, QString("Letra repetida"));
  QCOMPARE(boxes->last().text, QString("La letra ''Z'' ya ha sido repetida"));
  waitForEmptyBox();
}

void GameWindowPlayTest::rightAnswerWinsAndYesStartsANewGame() {
  typeLetter("x");
  auto* responder = game->find<QPushButton>("chkResponder");
  QTest::mouseClick(responder, Qt::LeftButton);
  auto* answer = game->find<QLineEdit>("txtResponder");
  QVERIFY(answer->isVisible());
  QCOMPARE(game->window->focusWidget(), answer);
  type(answer, kTitle);

  boxes->expect(QString::fromUtf8("Sí"));
  QTest::mouseClick(game->find<QPushButton>("cmdAceptar"), Qt::LeftButton);
  QVERIFY(boxes->finished());
  QCOMPARE(boxes->last().title, QString::fromUtf8("¿Otra vez?"));
  QCOMPARE(boxes->last().text, QString::fromUtf8("¡Has ganado, felicidades!\n\n¿Quieres jugar otra vez?"));
  QCOMPARE(boxes->last().icon, QMessageBox::Question);

  // The new game has left answer mode and cleared the gallows and the answer box.
  QVERIFY(game->window->isVisible());
  QVERIFY(!responder->isChecked());
  QVERIFY(!answer->isVisible());
  QCOMPARE(answer->text(), QString());
  QVERIFY(letterBox()->isEnabled());
  QVERIFY(!piece("linPalo1"));
  QCOMPARE(panel(2), QString("Letras no acertadas: "));
  QCOMPARE(game->read("Temp.dat").size(), 2 * 3);
}

void GameWindowPlayTest::fifthMissLosesAndNoLeavesWithTheSettings() {
  game->find<QSlider>("sldRapidez")->setValue(0);
  QCOMPARE(game->find<QLabel>("lblRapidez")->text(), QString("0 segundos"));
  QTest::mouseClick(game->find<QCheckBox>("chkMayusculas"), Qt::LeftButton);
  QVERIFY(!game->find<QCheckBox>("chkMayusculas")->isChecked());

  const char* const stages[] = {"linPalo4", "shpCabeza", "linCuerpo", "linPierna2"};
  for (const char* letter : {"x", "k", "j", "q"}) {
    typeLetter(letter);
    waitForEmptyBox();
  }
  for (const char* name : stages) QVERIFY2(piece(name), name);
  QVERIFY(!piece("linBrazo1"));

  boxes->expect("No");
  typeLetter("w");
  QCOMPARE(boxes->last().title, QString("Has perdido"));
  QCOMPARE(boxes->last().text,
           QString::fromUtf8("Has fallado, vuelve a intentarlo.\nLa película era: Mono azul\n\n"
                             "¿Quieres jugar otra vez?"));
  QVERIFY(piece("linBrazo1") && piece("linBrazo2"));
  QVERIFY(!game->window->isVisible());
  QVERIFY(game->window->game().closed());
  QCOMPARE(game->read("Config.dat"), settingsBytes('0', '0', '0'));
  QVERIFY(game->exists("Temp.dat"));
}

void GameWindowPlayTest::closeBoxWritesTheSettings() {
  QTest::mouseClick(game->find<QCheckBox>("chkSePuedenVocales"), Qt::LeftButton);
  QVERIFY(game->window->close());
  QCOMPARE(game->read("Config.dat"), settingsBytes('1', '1', '1'));
  QVERIFY(boxes->seen().isEmpty());
}

void GameWindowPlayTest::aboutBoxCountsTheTitlesLive() {
  auto* about = game->window->findChild<QAction*>("mnuAyudaAcercaDe");
  const QString body = QString::fromUtf8(
      "Filmotas 1.0.10\n\nCreado por: \nQuenteo\nDeridorovida Brivanta\n\n"
      "Número de filmotas almacenadas:\n");
  boxes->expect("Aceptar");
  about->trigger();
  QCOMPARE(boxes->last().title, QString("Acerca de Filmotas"));
  QCOMPARE(boxes->last().icon, QMessageBox::Information);
  QCOMPARE(boxes->last().text, body + "1");

  game->window->game().intRegistros += 2;   // two titles appended since the game began
  boxes->expect("Aceptar");
  about->trigger();
  QCOMPARE(boxes->last().text, body + "3");
}

QTEST_MAIN(GameWindowPlayTest)
#include "game_window_play_test.moc"
