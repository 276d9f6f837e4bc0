// The statistics window, opened from the game's menu over a record of a lost game, a won
// one and a damaged line: it opens inside the screen's free area, tells the record in its
// figures, tables and chart (a chart to a screen reader, named by its counts), every control
// it has is named and reached by its own access key, and Escape closes it.
#include <QtTest>
#include <QtWidgets>

#include "history/game_line.h"
#include "support/fakes.h"
#include "ui/game_window.h"

using namespace filmotas;

namespace {

void checkOpenWindow(QWidget& window) {
  QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(window.frameGeometry()));
  QStringList figures;   // as shown: a hidden label shows nothing
  for (const char* name : {"lblJugadas", "lblGanadas", "lblRachaActual", "lblMejorRacha", "lblAbandonadas", "lblIlegibles"}) {
    const QLabel* label = window.findChild<QLabel*>(name);
    figures << (label->isVisible() ? label->text() : QString());
  }
  QCOMPARE(figures, QStringList({"Partidas jugadas: 2", "Ganadas: 1 (50 %)", "Racha actual: 1", "Mejor racha: 1",
                                 "Abandonadas: 0", "Líneas que no se pudieron leer: 1"}));
  QCOMPARE(window.findChild<QTableWidget*>("lstPartidas")->item(1, 2)->text(), QString("Perdida"));
  QCOMPARE(window.findChild<QTableWidget*>("lstTitulos")->item(0, 1)->text(), QString("Ran"));
  QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(window.findChild<QWidget*>("picGrafico"));
  QCOMPARE(chart->role(), QAccessible::Chart);
  QCOMPARE(chart->text(QAccessible::Name), QString("Partidas ganadas con 0 fallos: 1, con 1 fallo: 0, con 2 fallos: 0, "
                                                   "con 3 fallos: 0, con 4 fallos: 0. Perdidas: 1."));
  QSet<QChar> keys;
  for (QWidget* control : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(&window)) continue;
    QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    const auto* button = qobject_cast<QAbstractButton*>(control);
    QString shown = button ? button->text() : QString();
    for (QLabel* label : window.findChildren<QLabel*>())
      if (label->buddy() == control) shown = label->text();
    const qsizetype amp = shown.indexOf('&');
    QVERIFY2(amp >= 0, qPrintable(control->objectName()));
    QVERIFY2(!keys.contains(shown[amp + 1].toLower()), qPrintable(shown));
    keys.insert(shown[amp + 1].toLower());
  }
  QCOMPARE(keys.size(), 5);   // the chart, the two tables and the two buttons
  QTest::keyClick(&window, Qt::Key_Escape);
  QVERIFY(!window.isVisible());
}

}  // namespace

class StatisticsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void openedFromTheGameMenu() {
    testing::TempFolder folder;
    folder.write("Filmotas.dat", testing::movieList({"Ran"}));
    folder.write(kHistoryFile, std::string(kHistoryHeader) +
                                   formatLine({"2026-12-07T03:15:22+01:00", GameResult::lost, 5, "xkwqj", 9, "Ran"}) +
                                   formatLine({"2026-12-07T03:17:02+01:00", GameResult::won, 0, "rn", 4, "Ran"}) + "roto\n");
    ui::GameWindow game(QString::fromStdString(folder.path()));
    game.start();
    // In the screen's corner, where a window centred over it would stand out of the screen.
    game.move(QGuiApplication::primaryScreen()->availableGeometry().bottomRight() - QPoint(100, 100));
    bool opened = false;
    QTimer::singleShot(0, [&opened] {
      QWidget* window = QApplication::activeModalWidget();
      if (!(opened = window != nullptr)) return;
      checkOpenWindow(*window);
      window->close();   // when a check failed before Escape
    });
    game.findChild<QAction*>("mnuArchivoEstadisticas")->trigger();
    QVERIFY(opened);
  }
};

QTEST_MAIN(StatisticsWindowTest)
#include "statistics_window_test.moc"
