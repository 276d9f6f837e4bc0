// The yardstick for the start-up benchmark: the least a Qt Widgets program does to put a
// window on screen, one label in a window titled like the game's.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label("Filmotas");
  label.setObjectName("lblBaseline");
  label.setAccessibleDescription("lblBaseline");
  label.setWindowTitle("Filmotas");
  label.show();
  return app.exec();
}
