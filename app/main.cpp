#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel placeholder("Filmotas: la ventana de juego llega pronto.");
  placeholder.setWindowTitle("Filmotas");
  placeholder.show();
  return app.exec();
}
