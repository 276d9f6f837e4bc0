// The game window: its heights under the display toggles, where the cells and the
// gallows pieces lie, its names, the menus of answer mode, and a game played with its
// boxes answered, down to the settings written when "Salir" closes every window.
#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>

#include "game_window_fixture.h"
#include "ui/add_movie_dialog.h"
#include "ui/gallows_widget.h"
#include "ui/twips.h"

using namespace filmotas;
using namespace filmotas::testing;
using filmotas::ui::px;

class GameWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
  void init() { game = std::make_unique<GameInFolder>("Mono azul"); }
  void cleanup() { game.reset(); }

  void heightsAndStatusBarFollowTheToggles();
  void cellsAndGallowsPiecesLieWhereDrawn();
  void everyWidgetIsNamedAndLabelsKeepTheirText();
  void answerModeDisablesMenusUntilTheAnswerIsJudged();
  void playedGameAnswersBoxesAndWritesSettingsOnClose();
  void tabVisitsOnlyTheControlsInView();
  void enterAnswersAndTheNextGameStartsInTheLetterBox();
  void textWrittenByAssistiveTechnologyIsJudged();

 private:
  QAction* action(const char* name) const { return game->window->findChild<QAction*>(name); }
  QStringList tabChain() const;
  // As a screen reader writes: through the box's editable-text interface.
  static bool writeAccessibly(QWidget* box, const QString& text) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
    if (!accessible || !accessible->editableTextInterface()) return false;
    accessible->editableTextInterface()->insertText(0, text);
    return true;
  }
  std::unique_ptr<GameInFolder> game;
};

void GameWindowTest::heightsAndStatusBarFollowTheToggles() {
  struct Step { const char* toggle; int clientTwips; bool bar; };
  const Step steps[] = {{"", 2085, true},
                        {"mnuOpcionesVerBarra", 1770, false},
                        {"mnuOpcionesMostrarOpciones", 3145, false},
                        {"mnuOpcionesVerBarra", 3460, true},
                        {"mnuOpcionesMostrarOpciones", 2085, true}};
  ui::GameWindow& w = *game->window;
  for (const Step& step : steps) {
    if (*step.toggle) action(step.toggle)->trigger();
    QApplication::processEvents();
    QCOMPARE(w.height(), w.menuBar()->height() + px(step.clientTwips));
    QCOMPARE(w.statusBar()->isVisible(), step.bar);
    QCOMPARE(action("mnuOpcionesVerBarra")->isChecked(), step.bar);
  }
}

// Pixels from the box's interior: x1 y1 x2 y2 of each line, x y w h of the head.
void GameWindowTest::cellsAndGallowsPiecesLieWhereDrawn() {
  for (int i = 1; i <= kCellCount; ++i) {
    QCOMPARE(game->window->findChild<QLabel*>(QStringLiteral("lblCaracter(%1)").arg(i))->geometry(),
             QRect(8 * i, 8, 9, 17));
  }
  const int pieces[kPieceCount][4] = {{56, 64, 56, 8},  {24, 8, 56, 8},   {24, 16, 24, 8},  {40, 8, 56, 32},
                                      {16, 16, 17, 17}, {24, 32, 24, 49}, {32, 64, 24, 48}, {16, 64, 24, 48},
                                      {32, 40, 24, 32}, {24, 32, 16, 40}};
  ui::GallowsWidget gallows;
  gallows.resize(73, 73);
  const QColor ink = gallows.palette().color(QPalette::WindowText);
  for (int p = 0; p < kPieceCount; ++p) {
    const auto piece = static_cast<Piece>(p);
    const int* at = pieces[p];
    const bool head = piece == Piece::shpCabeza;
    if (head) QCOMPARE(ui::GallowsWidget::headRect(), QRect(at[0], at[1], at[2], at[3]));
    else QCOMPARE(ui::GallowsWidget::lineOf(piece), QLine(at[0], at[1], at[2], at[3]));
    // Drawn alone, each piece puts ink on its own place only while it is shown.
    const QPoint middle =
        head ? QPoint(at[0] + at[2] / 2, at[1]) : QLine(at[0], at[1], at[2], at[3]).center();
    const QPoint onPiece = gallows.contentsRect().topLeft() + middle;
    for (const bool shown : {false, true}) {
      gallows.setPieceVisible(piece, shown);
      QCOMPARE(gallows.property(kPieceNames[static_cast<std::size_t>(p)]).toBool(), shown);
      QCOMPARE(gallows.grab().toImage().pixelColor(onPiece) == ink, shown);
    }
    gallows.setPieceVisible(piece, false);
  }
}

// The add-movie dialog (a child of the game window) and the help window are checked too.
void GameWindowTest::everyWidgetIsNamedAndLabelsKeepTheirText() {
  const ui::AddMovieDialog add(game->window->game(), game->window.get());
  ui::HelpWindow help(game->window->game().dataFolder(), game->window->messageBoxes());
  int named = 0;
  for (QWidget* top : {static_cast<QWidget*>(game->window.get()), static_cast<QWidget*>(&help)}) {
    const QWidgetList widgets = top->findChildren<QWidget*>() << top;
    for (QWidget* w : widgets) {
      const QString name = w->objectName();
      if (name.isEmpty() || name.startsWith("qt_")) continue;
      ++named;
      QCOMPARE(w->accessibleDescription(), name);
      if (qobject_cast<QLabel*>(w)) QVERIFY2(w->accessibleName().isEmpty(), qPrintable(name));
      const auto* button = qobject_cast<QAbstractButton*>(w);
      if ((button && button->text().isEmpty()) || qobject_cast<QLineEdit*>(w) || qobject_cast<QSlider*>(w))
        QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(name));
    }
  }
  // Game: itself, 50 cells, 14 controls, 3 menus, the status bar and its 3 panels, and
  // the dialog's 4 widgets. Help: itself, 3 topic rows of 3, 8 sub-topic rows of 3, 4 more.
  QCOMPARE(named, 76 + 38);
}

void GameWindowTest::answerModeDisablesMenusUntilTheAnswerIsJudged() {
  const std::pair<const char*, bool> enabledInAnswerMode[] = {
      {"mnuArchivoNuevaPartida", false}, {"mnuArchivoAgregarFilmotas", false}, {"mnuArchivoListaFilmotas", false},
      {"mnuOpcionesMostrarOpciones", false}, {"mnuArchivoSalir", true},
      {"mnuOpcionesVerBarra", true}, {"mnuAyudaAyuda", true}, {"mnuAyudaAcercaDe", true}};
  for (const bool answering : {true, false}) {
    if (answering) {
      QTest::mouseClick(game->find<QPushButton>("chkResponder"), Qt::LeftButton);
    } else {   // the title, then "Sí": the new game leaves answer mode
      type(game->find<QLineEdit>("txtResponder"), "Mono azul");
      game->boxes.script << QString::fromUtf8("Sí");
      QTest::mouseClick(game->find<QPushButton>("cmdAceptar"), Qt::LeftButton);
      QVERIFY(game->boxes.seen.value(0).value(1).startsWith(QString::fromUtf8("¡Has ganado")));
    }
    QCOMPARE(game->find<QWidget>("txtResponder")->isVisible(), answering);
    QCOMPARE(game->find<QWidget>("picDibujo")->isVisible(), !answering);
    QCOMPARE(game->find<QWidget>("txtIntroducir")->isEnabled(), !answering);
    for (const auto& [name, enabled] : enabledInAnswerMode)
      QVERIFY2(action(name)->isEnabled() == (enabled || !answering), name);
  }
}

void GameWindowTest::playedGameAnswersBoxesAndWritesSettingsOnClose() {
  auto* letter = game->find<QLineEdit>("txtIntroducir");
  auto* gallows = game->find<QWidget>("picDibujo");
  QCOMPARE(gallows->accessibleName(), QString("Horca: 0 fallos"));
  auto panel = [this](int n) { return game->window->findChild<QLabel*>(
                                   QStringLiteral("stbBarraDeEstado.Panels(%1)").arg(n))->text(); };
  type(letter, QString::fromUtf8("ж"));   // no Windows-1252 code: the key is refused
  QCOMPARE(letter->text(), QString());
  type(letter, "m");
  QCOMPARE(game->find<QLabel>("lblCaracter(1)")->text(), QString("M"));
  QCOMPARE(panel(1), QString::fromUtf8("¡Correcto!"));
  QTRY_COMPARE_WITH_TIMEOUT(letter->text(), QString(), 3000);   // the one-second wait ends
  QCOMPARE(panel(1), QString());

  type(letter, "x");
  QCOMPARE(panel(2), QString("Letras no acertadas: x"));
  // The first miss: the poles, not yet the head.
  QVERIFY(gallows->property("linPalo4").toBool() && !gallows->property("shpCabeza").toBool());
  QCOMPARE(gallows->accessibleName(), QString("Horca: 1 fallo"));

  QTest::mouseClick(game->find<QCheckBox>("chkSePuedenVocales"), Qt::LeftButton);
  QVERIFY(QFile(game->dir.filePath("Ayuda.dat")).open(QIODevice::WriteOnly));   // an empty help file
  action("mnuAyudaAyuda")->trigger();   // "Salir" closes it with the game
  QWidget* helpWindow = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) helpWindow = w->objectName() == "frmAyuda" ? w : helpWindow;
  QVERIFY(helpWindow && helpWindow->isVisible());
  QTest::mouseClick(game->find<QPushButton>("cmdSalir"), Qt::LeftButton);
  QVERIFY(!game->window->isVisible() && !helpWindow->isVisible());
  // Three records of a 1-byte text each: wait "1", vowels allowed "1", case ignored "1".
  QCOMPARE(game->read("Config.dat"), QByteArray::fromHex("01003100 01003100 01003100"));
}

// The controls Tab visits from the letter box until it comes back there.
QStringList GameWindowTest::tabChain() const {
  QWidget* letter = game->find<QWidget>("txtIntroducir");
  letter->setFocus();
  QStringList chain;
  for (QWidget* at = letter; at && chain.size() < 12;) {
    chain << at->objectName();
    QTest::keyClick(at, Qt::Key_Tab);
    at = QApplication::focusWidget();
    if (at == letter) break;
  }
  return chain;
}

void GameWindowTest::tabVisitsOnlyTheControlsInView() {
  QVERIFY(QTest::qWaitForWindowActive(game->window.get()));
  QCOMPARE(tabChain(), QStringList({"txtIntroducir", "chkResponder", "cmdSalir"}));
  action("mnuOpcionesMostrarOpciones")->trigger();
  QCOMPARE(tabChain(), QStringList({"txtIntroducir", "chkMayusculas", "sldRapidez", "chkResponder",
                                    "cmdSalir", "chkSePuedenVocales"}));
  game->find<QWidget>("chkMayusculas")->setFocus();
  action("mnuOpcionesMostrarOpciones")->trigger();   // put away with the focus on it
  QCOMPARE(QApplication::focusWidget(), game->find<QWidget>("txtIntroducir"));
}

void GameWindowTest::enterAnswersAndTheNextGameStartsInTheLetterBox() {
  QVERIFY(QTest::qWaitForWindowActive(game->window.get()));
  QTest::mouseClick(game->find<QPushButton>("chkResponder"), Qt::LeftButton);
  auto* answer = game->find<QLineEdit>("txtResponder");
  type(answer, "Mono azul");
  game->boxes.script << QString::fromUtf8("Sí");
  QTest::keyClick(answer, Qt::Key_Return);
  const QList<QStringList> won = {
      {QString::fromUtf8("¿Otra vez?"), QString::fromUtf8("¡Has ganado, felicidades!\n\n¿Quieres jugar otra vez?")}};
  QCOMPARE(game->boxes.seen, won);
  // The focus the window gives back when the box has gone.
  QTRY_COMPARE(game->window->focusWidget(), game->find<QWidget>("txtIntroducir"));
}

void GameWindowTest::textWrittenByAssistiveTechnologyIsJudged() {
  QVERIFY(writeAccessibly(game->find<QWidget>("txtIntroducir"), "m"));
  QCOMPARE(game->find<QLabel>("lblCaracter(1)")->text(), QString("M"));
  QTest::mouseClick(game->find<QPushButton>("chkResponder"), Qt::LeftButton);
  QVERIFY(writeAccessibly(game->find<QWidget>("txtResponder"), "Mono azul"));
  game->boxes.script << QString::fromUtf8("Sí");
  QTest::mouseClick(game->find<QPushButton>("cmdAceptar"), Qt::LeftButton);
  QCOMPARE(game->boxes.seen.value(0).value(0), QString::fromUtf8("¿Otra vez?"));
  QVERIFY(game->boxes.seen.value(0).value(1).startsWith(QString::fromUtf8("¡Has ganado")));
}

QTEST_MAIN(GameWindowTest)
#include "game_window_test.moc"
