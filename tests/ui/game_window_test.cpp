// The game window and the windows it opens: what the display toggles bring into view, where
// the cells and the gallows pieces lie, names, focus, answer mode, a game played down to the
// settings written when "Salir" closes every window, the add-movie dialog's box and the
// message boxes' keys. Message boxes are answered from a timer, so that an unanswered one
// fails a check instead of hanging.
#include <QtTest>
#include <QtWidgets>
#include <functional>

#include "support/fakes.h"
#include "ui/add_movie_dialog.h"
#include "ui/gallows_widget.h"
#include "ui/game_window.h"
#include "ui/movie_list_window.h"

using namespace filmotas;

namespace {

// While it lives, runs `step` on each message box that comes up, then closes that box if
// the step left it open (a failed check returns early).
struct OnMessageBox : QTimer {
  explicit OnMessageBox(std::function<void(QMessageBox&)> step) {
    connect(this, &QTimer::timeout, [step] {
      QPointer<QMessageBox> modal = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!modal || !modal->isVisible()) return;
      step(*modal);
      if (modal && modal->isVisible()) modal->close();
    });
    start(5);
  }
};

// Types each character as a key press carrying it, as a keyboard would.
void type(QWidget* widget, const QString& text) {
  for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), {});
}

// As a screen reader writes: through the box's editable-text interface.
void writeAccessibly(QWidget* box, const QString& text) {
  QAccessibleEditableTextInterface* editable = QAccessible::queryAccessibleInterface(box)->editableTextInterface();
  QVERIFY(editable);
  editable->insertText(0, text);
}

}  // namespace

class GameWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  // A data folder holding the one-title list "Mono azul".
  void init() {
    folder = std::make_unique<testing::TempFolder>();
    folder->write("Filmotas.dat", testing::movieList({"Mono azul"}));
    boxesSeen.clear();
    answer = [](QMessageBox& box) { box.defaultButton()->click(); };
    window = std::make_unique<ui::GameWindow>(QString::fromStdString(folder->path()));
    window->start();
  }
  void cleanup() { window.reset(); }

  // The window grows to bring the options panel into view, above the status bar when that
  // is shown; the status bar's last two panels keep the width of their longest texts. Tab
  // visits only the controls in view; hiding the options with the focus on one of them
  // gives the focus to the letter box.
  void displayTogglesShowTheOptionsTheStatusBarAndTheTabChain() {
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    const struct { const char* toggle; bool bar, options; } steps[] = {
        {"", true, false}, {"mnuOpcionesVerBarra", false, false}, {"mnuOpcionesMostrarOpciones", false, true},
        {"mnuOpcionesVerBarra", true, true}, {"mnuOpcionesMostrarOpciones", true, false}};
    const QStringList inView{"txtIntroducir", "chkResponder", "cmdSalir"};
    const QStringList withOptions{"txtIntroducir", "chkResponder", "cmdSalir", "chkMayusculas",
                                  "chkSePuedenVocales", "sldRapidez"};
    for (const auto& step : steps) {
      if (*step.toggle) action(step.toggle)->trigger();
      QApplication::processEvents();
      const QWidget* client = window->centralWidget();
      const QRect options = find<QWidget>("fraOpciones")->geometry();
      QCOMPARE(step.options ? options.bottom() < client->height() : options.top() >= client->height(), true);
      QCOMPARE(client->geometry().bottom() + 1, step.bar ? window->statusBar()->geometry().top() : window->height());
      QCOMPARE(window->statusBar()->isVisible(), step.bar);
      for (const char* fitted : {"stbBarraDeEstado.Panels(2)", "stbBarraDeEstado.Panels(3)"}) {   // the verdict takes the rest
        const auto* panel = find<QLabel>(fitted);
        QVERIFY2(!step.bar || panel->width() == panel->minimumWidth(), fitted);
      }
      QCOMPARE(action("mnuOpcionesVerBarra")->isChecked(), step.bar);
      if (!step.options) QCOMPARE(QApplication::focusWidget(), find<QWidget>("txtIntroducir"));
      QCOMPARE(tabChain(), step.options ? withOptions : inView);
      if (step.options) find<QWidget>("chkMayusculas")->setFocus();
    }
  }

  // The cells stand in one row on the client area, left to right, each clear of the next,
  // whatever groups them. Drawn alone, each gallows piece puts ink on its own place only
  // while it is shown.
  void cellsAndGallowsPiecesLieWhereDrawn() {
    const auto onClient = [this](int i) {
      const QLabel* cell = find<QLabel>(QStringLiteral("lblCaracter(%1)").arg(i));
      return QRect(cell->mapTo(window->centralWidget(), QPoint(0, 0)), cell->size());
    };
    for (int i = 2; i <= kCellCount; ++i) {
      const QRect left = onClient(i - 1), right = onClient(i);
      QVERIFY2(right.top() == left.top() && right.left() >= left.left() + left.width() * 3 / 4, qPrintable(QString::number(i)));
    }
    ui::GallowsWidget gallows;
    gallows.resize(73, 73);
    QPalette light = gallows.palette();   // the scheme's text colour, not a fixed black
    light.setColor(QPalette::WindowText, Qt::darkRed);
    gallows.setPalette(light);
    const QRect head = ui::GallowsWidget::headRect();
    for (int p = 0; p < kPieceCount; ++p) {
      const auto piece = static_cast<Piece>(p);
      const QPoint onPiece = piece == Piece::shpCabeza ? QPoint(head.center().x(), head.top())
                                                       : ui::GallowsWidget::lineOf(piece).center();
      for (const bool shown : {true, false}) {
        gallows.setPieceVisible(piece, shown);
        const QColor drawn = gallows.grab().toImage().pixelColor(gallows.contentsRect().topLeft() + onPiece);
        QCOMPARE(drawn == gallows.palette().color(QPalette::WindowText), shown);
      }
    }
  }

  // The add-movie dialog and the list window (children of the game window) and the help
  // window are checked too. A screen reader speaks the description of a window, of a
  // control that takes the focus and of the notification: none of them says a design name.
  void everyWidgetIsNamedAndLabelsKeepTheirText() {
    const ui::AddMovieDialog add(window->game(), window.get());
    const ui::MovieListWindow list(window->game(), window.get());
    ui::HelpWindow help(window->game().dataFolder(), window->messageBoxes());
    action("mnuOpcionesMostrarOpciones")->trigger();   // its controls take the focus only in view
    for (QWidget* top : {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(&help)}) {
      const QWidgetList widgets = top->findChildren<QWidget*>() << top;
      for (QWidget* w : widgets) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith("qt_")) continue;
        const bool spoken = w->isWindow() || w->focusPolicy() != Qt::NoFocus ||
                            QAccessible::queryAccessibleInterface(w)->role() == QAccessible::Notification;
        if (spoken) QVERIFY2(!w->accessibleDescription().contains(name), qPrintable(name));
        else QCOMPARE(w->accessibleDescription(), name);
        if (qobject_cast<QLabel*>(w)) QVERIFY2(w->accessibleName().isEmpty(), qPrintable(name));
        const auto* button = qobject_cast<QAbstractButton*>(w);
        if ((button && button->text().isEmpty()) || qobject_cast<QLineEdit*>(w) || qobject_cast<QSlider*>(w))
          QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(name));
      }
    }
  }

  // Letters typed or written as a screen reader writes them are judged; the answer sent
  // with Enter too, after which the next game gives the menus back and starts in the
  // letter box. "Salir" closes the help window with the game, which writes its settings.
  void playedGameIsDrawnAndSalirClosesEveryWindow() {
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto* letter = find<QLineEdit>("txtIntroducir");
    auto* gallows = find<QWidget>("picDibujo");
    QCOMPARE(gallows->accessibleName(), QString("Horca: 0 fallos"));
    writeAccessibly(letter, "m");
    QCOMPARE(find<QLabel>("lblCaracter(1)")->text(), QString("M"));
    QTRY_COMPARE_WITH_TIMEOUT(letter->text(), QString(), 3000);   // the one-second wait ends
    type(letter, "x");
    QCOMPARE(find<QLabel>("stbBarraDeEstado.Panels(2)")->text(), QString("Letras no acertadas: x"));
    QVERIFY(gallows->property("linPalo4").toBool() && !gallows->property("shpCabeza").toBool());
    QCOMPARE(gallows->accessibleName(), QString("Horca: 1 fallo"));

    QTest::mouseClick(find<QPushButton>("chkResponder"), Qt::LeftButton);
    checkAnswerMode(true);
    writeAccessibly(find<QLineEdit>("txtResponder"), "Mono azul");
    QTest::keyClick(find<QLineEdit>("txtResponder"), Qt::Key_Return);
    QCOMPARE(boxesSeen.size(), 1);
    QVERIFY(boxesSeen[0][1].startsWith(QString::fromUtf8("¡Has ganado")));
    QTRY_COMPARE(window->focusWidget(), letter);
    checkAnswerMode(false);

    QTest::mouseClick(find<QCheckBox>("chkSePuedenVocales"), Qt::LeftButton);
    QWidget* help = nullptr;
    for (const bool fileThere : {false, true}) {   // a missing help file is told, and shows nothing
      if (fileThere) folder->write("Ayuda.dat", "");
      action("mnuAyudaAyuda")->trigger();
      for (QWidget* w : QApplication::topLevelWidgets()) help = w->objectName() == "frmAyuda" ? w : help;
      QCOMPARE(help && help->isVisible(), fileThere);
    }
    QCOMPARE(boxesSeen.size(), 2);
    QTest::mouseClick(find<QPushButton>("cmdSalir"), Qt::LeftButton);
    QVERIFY(!window->isVisible() && !help->isVisible());
    QCOMPARE(folder->read("Config.dat"), testing::settingsFile("1", "1", "1"));   // wait, vowels allowed, case ignored
  }

  // Escape leaves the dialog open; its box refuses what a title of 50 Windows-1252
  // characters cannot hold, and keeps a title whose append failed.
  void addMovieBoxRefusesWhatATitleCannotHoldAndKeepsAFailedOne() {
    ui::AddMovieDialog dialog(window->game(), window.get());
    dialog.show();
    auto* box = dialog.findChild<QLineEdit*>("txtIntroducir");
    QTest::keyClick(box, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    type(box, QString::fromUtf8("El Ωπ→日"));
    QCOMPARE(box->text(), QString("El "));
    std::filesystem::remove(folder->file("Filmotas.dat"));
    std::filesystem::create_directory(folder->file("Filmotas.dat"));   // a folder where the list should be
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(boxesSeen.size(), 1);
    QCOMPARE(box->text(), QString("El "));
  }

  // Icon and Spanish buttons by box code, CR LF shown as plain lines, Enter answering the
  // default button, Escape an OK box, the close box No (Escape answering No is the last key
  // of the end-to-end game).
  void messageBoxKeysAnswerByCode() {
    const QStringList ok{"Aceptar"}, yesNo{"No", QString::fromUtf8("Sí")};
    const struct { int code, key; QMessageBox::Icon icon; QStringList buttons; int answer; } cases[] = {
        {0, Qt::Key_Return, QMessageBox::NoIcon, ok, box::kAnswerOk},
        {16, Qt::Key_Escape, QMessageBox::Critical, ok, box::kAnswerOk},
        {48, Qt::Key_Return, QMessageBox::Warning, ok, box::kAnswerOk},
        {64, Qt::Key_Return, QMessageBox::Information, ok, box::kAnswerOk},
        {36, Qt::Key_Return, QMessageBox::Question, yesNo, box::kAnswerYes},
        {36, 0, QMessageBox::Question, yesNo, box::kAnswerNo}};   // key 0: the close box
    for (const auto& c : cases) {
      QStringList shown;
      answer = [&](QMessageBox& box) {
        shown << QString::number(box.icon()) << QString::number(box.textFormat());
        for (QAbstractButton* b : box.buttons()) shown << b->text();
        if (c.key) QTest::keyClick(&box, Qt::Key(c.key));
        else box.close();
      };
      boxesSeen.clear();
      QCOMPARE(ui::QtMessageBoxes().show("Error 53:\r\n\r\n<b>No</b> hay", "Filmotas", c.code), c.answer);
      std::sort(shown.begin() + 2, shown.end());
      QCOMPARE(boxesSeen, QList<QStringList>({{"Filmotas", "Error 53:\n\n<b>No</b> hay"}}));
      QCOMPARE(shown, QStringList({QString::number(c.icon), QString::number(Qt::PlainText)}) + c.buttons);
    }
  }

 private:
  template <typename T>
  T* find(const QString& name) const {
    return window->findChild<T*>(name);
  }
  QAction* action(const char* name) const { return window->findChild<QAction*>(name); }

  void checkAnswerMode(bool answering) const {
    const std::pair<const char*, bool> enabledInAnswerMode[] = {
        {"mnuArchivoNuevaPartida", false}, {"mnuArchivoAgregarFilmotas", false}, {"mnuArchivoListaFilmotas", false},
        {"mnuArchivoEstadisticas", false},
        {"mnuOpcionesMostrarOpciones", false}, {"mnuArchivoSalir", true},
        {"mnuOpcionesVerBarra", true}, {"mnuAyudaAyuda", true}, {"mnuAyudaAcercaDe", true}};
    for (const char* shownWhileAnswering : {"txtResponder", "cmdAceptar", "linSeparación1", "linSeparación2"})
      QVERIFY2(find<QWidget>(shownWhileAnswering)->isVisible() == answering, shownWhileAnswering);
    QCOMPARE(find<QWidget>("picDibujo")->isVisible(), !answering);
    QCOMPARE(find<QWidget>("txtIntroducir")->isEnabled(), !answering);
    QCOMPARE(find<QWidget>("fraOpciones")->isEnabled(), !answering);
    for (const auto& [name, enabled] : enabledInAnswerMode)
      QVERIFY2(action(name)->isEnabled() == (enabled || !answering), name);
  }

  // The controls Tab visits from the letter box until it comes back there.
  QStringList tabChain() const {
    QStringList chain;
    find<QWidget>("txtIntroducir")->setFocus();
    do {
      chain << QApplication::focusWidget()->objectName();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    } while (QApplication::focusWidget() != find<QWidget>("txtIntroducir") && chain.size() < 12);
    return chain;
  }

  std::unique_ptr<testing::TempFolder> folder;
  std::unique_ptr<ui::GameWindow> window;
  // Answers every message box through `answer`, keeping {title, text} of each.
  QList<QStringList> boxesSeen;
  std::function<void(QMessageBox&)> answer;
  const OnMessageBox boxes{[this](QMessageBox& box) {
    boxesSeen << QStringList{box.windowTitle(), box.text()};
    answer(box);
  }};
};

QTEST_MAIN(GameWindowTest)
#include "game_window_test.moc"
