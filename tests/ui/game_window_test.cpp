// The game window's design: its four heights, the places of the cells and of the gallows
// pieces, its names for code and assistive technology, its menu tree, and the controls
// that the whole-title answer mode puts away and brings back.
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QtTest>

#include "game_window_fixture.h"
#include "ui/gallows_widget.h"
#include "ui/twips.h"

using namespace filmotas;
using namespace filmotas::testing;
using filmotas::ui::GallowsWidget;
using filmotas::ui::px;
using filmotas::ui::rectAt;

class GameWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
  void init();
  void cleanup();

  void fixedWindowWithItsOwnIcon();
  void heightsFollowTheDisplayToggles();
  void cellsRunInOneRow();
  void controlsSitAtTheirDesignPlaces();
  void gallowsPiecesLieWhereTheyAreDrawn();
  void everyControlIsNamedTwiceAndLabelsKeepTheirText();
  void menuTreeWithAccessKeysSeparatorsAndChecks();
  void answerModePutsAwayAndBringsBack();

 private:
  QAction* action(const char* name) const { return game->window->findChild<QAction*>(name); }
  // Height of the window below the menu bar, in pixels, once the layout has settled.
  int clientHeight() const;

  std::unique_ptr<GameInFolder> game;
  std::unique_ptr<BoxScript> boxes;
};

void GameWindowTest::init() {
  boxes = std::make_unique<BoxScript>();
  game = std::make_unique<GameInFolder>(std::initializer_list<const char*>{"Mono azul"});
  game->window->start();
}

void GameWindowTest::cleanup() {
  game.reset();
  boxes.reset();
}

int GameWindowTest::clientHeight() const {
  QApplication::processEvents();   // let the main window lay itself out again
  return game->window->height() - game->window->centralWidget()->y();
}

void GameWindowTest::fixedWindowWithItsOwnIcon() {
  ui::GameWindow& w = *game->window;
  QCOMPARE(w.windowTitle(), QString("Filmotas"));
  QCOMPARE(w.objectName(), QString("frmFilmotas"));
  QVERIFY(!w.windowIcon().isNull());
  QCOMPARE(w.windowIcon().pixmap(32, 32).size(), QSize(32, 32));
  QCOMPARE(w.minimumSize(), w.maximumSize());
  QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
  QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
  QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
}

// Outer heights 2750, 2435, 4125 and 3810 less 665 twips of caption and borders.
void GameWindowTest::heightsFollowTheDisplayToggles() {
  auto* bar = game->find<QStatusBar>("stbBarraDeEstado");
  QAction* options = action("mnuOpcionesMostrarOpciones");
  QAction* statusBar = action("mnuOpcionesVerBarra");
  QCOMPARE(game->window->width(), px(6270));
  QCOMPARE(clientHeight(), px(2085));
  QVERIFY(bar->isVisible() && statusBar->isChecked() && !options->isChecked());

  statusBar->trigger();
  QCOMPARE(clientHeight(), px(1770));
  QVERIFY(!bar->isVisible() && !statusBar->isChecked());
  statusBar->trigger();
  QCOMPARE(clientHeight(), px(2085));
  QVERIFY(bar->isVisible() && statusBar->isChecked());

  options->trigger();
  QCOMPARE(clientHeight(), px(3460));
  QVERIFY(options->isChecked());
  // The options frame is in full view, with the status bar docked under it.
  auto* frame = game->find<QGroupBox>("fraOpciones");
  QCOMPARE(frame->geometry(), rectAt(120, 1800, 6015, 1215));
  QCOMPARE(bar->geometry().top(), game->window->centralWidget()->geometry().bottom() + 1);
  QCOMPARE(bar->height(), px(315));
  QVERIFY(frame->geometry().bottom() < game->window->centralWidget()->height());

  statusBar->trigger();
  QCOMPARE(clientHeight(), px(3145));
  options->trigger();
  QCOMPARE(clientHeight(), px(1770));
  QCOMPARE(game->window->width(), px(6270));
}

void GameWindowTest::cellsRunInOneRow() {
  for (int i = 1; i <= kCellCount; ++i) {
    const QString name = QStringLiteral("lblCaracter(%1)").arg(i);
    auto* cell = game->window->findChild<QLabel*>(name);
    QVERIFY2(cell, qPrintable(name));
    QCOMPARE(cell->geometry(), QRect(8 * i, 8, 9, 17));
    QVERIFY(cell->font().bold());
    QCOMPARE(cell->font().pointSizeF(), 9.75);
    const QString shown = QFontInfo(cell->font()).family();
    QVERIFY2(shown == "Courier New" || shown == "Liberation Mono", qPrintable(shown));
    QVERIFY(!cell->autoFillBackground());
  }
  QCOMPARE(game->find<QLabel>("lblCaracter(50)")->geometry().right(), px(6135) - 1);
  QVERIFY(!game->find<QLabel>("lblCaracter(0)"));
  QVERIFY(!game->find<QLabel>("lblCaracter(51)"));
}

void GameWindowTest::controlsSitAtTheirDesignPlaces() {
  auto* letter = game->find<QLineEdit>("txtIntroducir");
  QCOMPARE(letter->geometry(), QRect(24, 48, 33, 27));
  QCOMPARE(letter->maxLength(), 1);
  QVERIFY(letter->font().bold());
  QCOMPARE(letter->font().pointSizeF(), 15.75);
  QCOMPARE(game->find<QLineEdit>("txtResponder")->geometry(), QRect(104, 48, 241, 21));
  QCOMPARE(game->find<QPushButton>("cmdAceptar")->geometry(), QRect(352, 48, 57, 25));
  QCOMPARE(game->find<QWidget>("linSeparación1")->geometry(), QRect(104, 80, 304, 1));
  QCOMPARE(game->find<QWidget>("linSeparación2")->geometry(), QRect(104, 81, 305, 1));
  QCOMPARE(game->find<QPushButton>("chkResponder")->geometry(), QRect(256, 88, 73, 25));
  QVERIFY(game->find<QPushButton>("chkResponder")->isCheckable());
  QCOMPARE(game->find<QPushButton>("cmdSalir")->geometry(), QRect(336, 88, 73, 25));
  QCOMPARE(game->find<QWidget>("picDibujo")->geometry(), QRect(104, 40, 73, 73));

  QCOMPARE(game->find<QCheckBox>("chkMayusculas")->geometry(), QRect(16, 24, 177, 21));
  QCOMPARE(game->find<QCheckBox>("chkSePuedenVocales")->geometry(), QRect(16, 48, 177, 21));
  QCOMPARE(game->find<QLabel>("lblRapidezTexto")->pos(), QPoint(208, 24));
  QCOMPARE(game->find<QLabel>("lblRapidez")->pos(), QPoint(304, 24));
  auto* slider = game->find<QSlider>("sldRapidez");
  QCOMPARE(slider->geometry(), QRect(200, 40, 169, 33));
  QCOMPARE(slider->minimum(), 0);
  QCOMPARE(slider->maximum(), 10);
  QCOMPARE(slider->orientation(), Qt::Horizontal);
  QVERIFY(slider->tickPosition() != QSlider::NoTicks);
  // The label's text never runs into the wait label beside it.
  QVERIFY(game->find<QLabel>("lblRapidezTexto")->geometry().right() < 304);
}

// Each piece drawn alone shows ink on its own line (or head) and nowhere else is it drawn
// when hidden; the interior starts inside the box's 2-pixel border.
void GameWindowTest::gallowsPiecesLieWhereTheyAreDrawn() {
  QCOMPARE(GallowsWidget::lineOf(Piece::linPalo1), QLine(56, 64, 56, 8));
  QCOMPARE(GallowsWidget::lineOf(Piece::linPalo4), QLine(40, 8, 56, 32));
  QCOMPARE(GallowsWidget::lineOf(Piece::linCuerpo), QLine(24, 32, 24, 49));
  QCOMPARE(GallowsWidget::lineOf(Piece::linPierna2), QLine(16, 64, 24, 48));
  QCOMPARE(GallowsWidget::headRect(), QRect(16, 16, 17, 17));

  GallowsWidget gallows;
  gallows.resize(73, 73);
  const QColor ink = gallows.palette().color(QPalette::WindowText);
  for (int p = 0; p < kPieceCount; ++p) {
    const auto piece = static_cast<Piece>(p);
    const QPoint onPiece =
        piece == Piece::shpCabeza ? QPoint(24, 16) : GallowsWidget::lineOf(piece).center();
    const QPoint probe = onPiece + QPoint(2, 2);
    QCOMPARE(gallows.grab().toImage().pixelColor(probe) == ink, false);
    gallows.setPieceVisible(piece, true);
    QVERIFY2(gallows.property(kPieceNames[static_cast<std::size_t>(p)]).toBool(), kPieceNames[p]);
    QCOMPARE(gallows.grab().toImage().pixelColor(probe), ink);
    gallows.setPieceVisible(piece, false);
  }
}

void GameWindowTest::everyControlIsNamedTwiceAndLabelsKeepTheirText() {
  for (const char* name :
       {"txtIntroducir", "txtResponder", "cmdAceptar", "linSeparación1", "linSeparación2", "chkResponder",
        "cmdSalir", "picDibujo", "fraOpciones", "chkMayusculas", "chkSePuedenVocales", "lblRapidezTexto",
        "lblRapidez", "sldRapidez", "stbBarraDeEstado", "mnuArchivo", "mnuOpciones", "mnuAyuda"}) {
    QVERIFY2(game->find<QWidget>(name), name);
  }
  QVERIFY(game->window->findChild<QTimer*>("tmrContador"));
  for (QWidget* w : game->window->findChildren<QWidget*>()) {
    const QString name = w->objectName();
    if (name.isEmpty() || name.startsWith("qt_")) continue;
    QCOMPARE(w->accessibleDescription(), name);
    if (qobject_cast<QLabel*>(w)) {
      QVERIFY2(w->accessibleName().isEmpty(), qPrintable(name));
    }
  }
  for (const char* unlabelled :
       {"txtIntroducir", "txtResponder", "sldRapidez", "linSeparación1", "stbBarraDeEstado"}) {
    QVERIFY2(!game->find<QWidget>(unlabelled)->accessibleName().isEmpty(), unlabelled);
  }
  QCOMPARE(game->find<QWidget>("picDibujo")->accessibleName(), QString("Horca: 0 fallos"));
}

void GameWindowTest::menuTreeWithAccessKeysSeparatorsAndChecks() {
  const QList<QAction*> menus = game->window->menuBar()->actions();
  QCOMPARE(menus.size(), 3);
  const QStringList menuCaptions = {"&Archivo", "&Opciones", "A&yuda"};
  const QList<QStringList> items = {
      {"mnuArchivoNuevaPartida", "mnuArchivoAgregarFilmotas", "mnuArchivoLinea", "mnuArchivoSalir"},
      {"mnuOpcionesMostrarOpciones", "mnuOpcionesVerBarra"},
      {"mnuAyudaAyuda", "mnuAyudaLinea", "mnuAyudaAcercaDe"}};
  const QList<QStringList> captions = {{"&Nueva partida", "&Agregar filmotas", "", "&Salir"},
                                       {"&Mostrar opciones", "&Barra de estado"},
                                       {"&Ayuda", "", "A&cerca de..."}};
  for (int m = 0; m < 3; ++m) {
    QCOMPARE(menus[m]->text(), menuCaptions[m]);
    const QList<QAction*> actions = menus[m]->menu()->actions();
    QCOMPARE(actions.size(), items[m].size());
    for (int i = 0; i < actions.size(); ++i) {
      QCOMPARE(actions[i]->objectName(), items[m][i]);
      QCOMPARE(actions[i]->text(), captions[m][i]);
      QCOMPARE(actions[i]->isSeparator(), captions[m][i].isEmpty());
      QVERIFY(actions[i]->shortcut().isEmpty());
      QCOMPARE(actions[i]->isCheckable(), m == 1);
    }
  }
}

void GameWindowTest::answerModePutsAwayAndBringsBack() {
  auto* responder = game->find<QPushButton>("chkResponder");
  auto* letter = game->find<QLineEdit>("txtIntroducir");
  const QString firstCell = game->find<QLabel>("lblCaracter(1)")->text();
  QTest::mouseClick(responder, Qt::LeftButton);
  QVERIFY(responder->isChecked());
  QVERIFY(game->find<QWidget>("txtResponder")->isVisible());
  QVERIFY(game->find<QWidget>("cmdAceptar")->isVisible());
  QVERIFY(game->find<QWidget>("linSeparación1")->isVisible());
  QVERIFY(game->find<QWidget>("linSeparación2")->isVisible());
  QVERIFY(!game->find<QWidget>("picDibujo")->isVisible());
  QVERIFY(!letter->isEnabled());
  QVERIFY(!game->find<QWidget>("fraOpciones")->isEnabled());
  QVERIFY(!action("mnuArchivoNuevaPartida")->isEnabled());
  QVERIFY(!action("mnuArchivoAgregarFilmotas")->isEnabled());
  QVERIFY(!action("mnuOpcionesMostrarOpciones")->isEnabled());
  for (const char* stays : {"mnuArchivoSalir", "mnuOpcionesVerBarra", "mnuAyudaAyuda", "mnuAyudaAcercaDe"}) {
    QVERIFY2(action(stays)->isEnabled(), stays);
  }
  QVERIFY(game->find<QWidget>("cmdSalir")->isEnabled());

  QTest::mouseClick(responder, Qt::LeftButton);
  QVERIFY(!responder->isChecked());
  QVERIFY(!game->find<QWidget>("txtResponder")->isVisible());
  QVERIFY(!game->find<QWidget>("linSeparación1")->isVisible());
  QVERIFY(game->find<QWidget>("picDibujo")->isVisible());
  QVERIFY(letter->isEnabled());
  QVERIFY(game->find<QWidget>("fraOpciones")->isEnabled());
  QVERIFY(action("mnuArchivoNuevaPartida")->isEnabled());
  QVERIFY(action("mnuArchivoAgregarFilmotas")->isEnabled());
  QVERIFY(action("mnuOpcionesMostrarOpciones")->isEnabled());
  QCOMPARE(game->find<QLabel>("lblCaracter(1)")->text(), firstCell);
  QVERIFY(boxes->seen().isEmpty());
}

QTEST_MAIN(GameWindowTest)
#include "game_window_test.moc"
