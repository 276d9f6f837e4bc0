// Under a light and a dark colour scheme, what the player reads stands out: the wait
// slider's tick marks from the window, the chart's counts from their bars and from the
// chart's ground.
#include <QtTest>
#include <QtWidgets>

#include "ui/game_window_controls.h"
#include "ui/statistics_chart.h"

using namespace filmotas;

namespace {

// How many pixels of `area` lie farther than `apart` from `ground`, in the sum of the channels.
int standingOut(const QImage& image, const QRect& area, QColor ground, int apart) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      count += std::abs(c.red() - ground.red()) + std::abs(c.green() - ground.green()) +
                   std::abs(c.blue() - ground.blue()) > apart;
    }
  }
  return count;
}

// The first row from the top where `colour` shows in column x; -1 when none.
int topOf(const QImage& image, int x, QColor colour) {
  for (int y = 0; y < image.height(); ++y)
    if (image.pixelColor(x, y) == colour) return y;
  return -1;
}

}  // namespace

class DarkSchemeTest : public QObject {
  Q_OBJECT

 private slots:
  void sliderTicksAndChartCountsStandOut() {
    QPalette dark(Qt::white, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(0x1D, 0x54, 0x8A));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    for (const QPalette& scheme : {QApplication::palette(), dark}) {
      QApplication::setPalette(scheme);
      QWidget client;
      QSlider* slider = ui::buildGameWindowControls(client).sldRapidez;
      const QImage drawn = slider->grab().toImage();
      // Below the handle's reach, where only the ticks are drawn: 11 of them, each a grey
      // 60 steps of lightness from the window's.
      const QRect ticks(0, drawn.height() - 6, drawn.width(), 6);
      QVERIFY(standingOut(drawn, ticks, slider->palette().color(QPalette::Window), 3 * 60) >= 11);

      ui::StatisticsChart chart;
      chart.resize(600, 200);
      RecordSummary summary;
      summary.chart = {40, 0, 0, 0, 0, 1};   // a tall bar and a short one
      chart.setSummary(summary);
      const QImage image = chart.grab().toImage();
      const QColor bar = chart.palette().color(QPalette::Highlight);
      const int line = chart.fontMetrics().height(), slot = 600 / 6;
      const int tall = topOf(image, slot / 2, bar), shortBar = topOf(image, 5 * slot + slot / 2, bar);
      QVERIFY(tall >= 0 && shortBar > tall);
      // The count on the tall bar against the bar, the one above the short bar against the ground.
      QVERIFY(standingOut(image, QRect(slot / 3, tall, slot / 3, line), bar, 300) > 0);
      QVERIFY(standingOut(image, QRect(5 * slot + slot / 3, shortBar - line - 2, slot / 3, line),
                          chart.palette().color(QPalette::Base), 300) > 0);
    }
  }
};

QTEST_MAIN(DarkSchemeTest)
#include "dark_scheme_test.moc"
