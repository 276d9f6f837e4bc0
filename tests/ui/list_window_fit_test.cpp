// The list window and the add-movie dialog on a small screen at scale 2: a 1280×800
// screen is 640×400 device-independent pixels. Both open whole within it, and the list
// window keeps its size while the player filters.
#include <QtTest>
#include <QtWidgets>

#include "support/fakes.h"
#include "ui/add_movie_dialog.h"
#include "ui/movie_list_window.h"

using namespace filmotas;
using namespace filmotas::ui;

namespace {

// Runs `check` on the window while its modal loop runs, then closes it.
void whileOpen(QDialog& window, const std::function<void()>& check) {
  QTimer::singleShot(0, &window, [&window, check] {
    check();
    window.reject();
  });
}

// The window's frame and every button lie on the screen's available area.
void verifyOnScreen(QWidget& window) {
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  const QRect area = window.screen()->availableGeometry();
  QVERIFY2(area.contains(window.frameGeometry()), qPrintable(QDebug::toString(window.frameGeometry())));
  for (const QPushButton* b : window.findChildren<QPushButton*>())
    QVERIFY2(area.contains(QRect(b->mapToGlobal(QPoint()), b->size())), qPrintable(b->objectName()));
}

}  // namespace

class ListWindowFitTest : public QObject {
  Q_OBJECT

 private slots:
  // 12000 titles: record numbers of one to five digits show as the player filters.
  void windowsOpenOnTheScreenAndTheListKeepsItsSize() {
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry().size(), QSize(640, 400));
    std::vector<std::string> titles;
    for (int n = 1; n <= 12000; ++n) titles.push_back("Película " + std::to_string(n));
    testing::GameFixture game(titles);
    QWidget owner;
    owner.show();
    AddMovieDialog dialog(game.game, &owner);
    whileOpen(dialog, [&dialog] { verifyOnScreen(dialog); });
    dialog.run();
    MovieListWindow window(game.game, &owner);
    whileOpen(window, [&window] {
      verifyOnScreen(window);
      const QSize opened = window.size();
      for (const char* typed : {"Película 9", "Película 11", "Película 7", "", "Película 1"}) {
        window.findChild<QLineEdit*>("txtBuscar")->setText(QString::fromUtf8(typed));
        QApplication::processEvents();
        QCOMPARE(window.size(), opened);
      }
    });
    window.run();
  }
};

// The offscreen platform takes its screens from a file; the scale from the environment.
int main(int argc, char** argv) {
  const testing::TempFolder folder;
  folder.write("screens.json", R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1280,)"
                               R"( "height": 800, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QByteArray::fromStdString(folder.file("screens.json")));
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  ListWindowFitTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "list_window_fit_test.moc"
