// Under a dark colour scheme the wait slider's tick marks stand out from the window, as
// they do under a light one.
#include <QtTest>
#include <QtWidgets>

#include "ui/game_window_controls.h"

using namespace filmotas;

class DarkSchemeTest : public QObject {
  Q_OBJECT

 private slots:
  void sliderTicksStandOut() {
    for (const QPalette& scheme : {QPalette(QColor(0xef, 0xef, 0xef)), QPalette(QColor(0x30, 0x30, 0x30))}) {
      QApplication::setPalette(scheme);
      QWidget client;
      const ui::GameWindowControls controls = ui::buildGameWindowControls(client);
      QSlider* slider = controls.sldRapidez;
      const QImage drawn = slider->grab().toImage();
      const int window = slider->palette().color(QPalette::Window).lightness();
      // Below the handle's reach, where only the ticks are drawn.
      int ticks = 0;
      for (int y = drawn.height() - 6; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) ticks += std::abs(drawn.pixelColor(x, y).lightness() - window) > 60;
      }
      QVERIFY2(ticks >= 11, qPrintable(QString("%1 pixels of ticks under window lightness %2").arg(ticks).arg(window)));
    }
  }
};

QTEST_MAIN(DarkSchemeTest)
#include "dark_scheme_test.moc"
