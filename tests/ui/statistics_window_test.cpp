// The statistics window: it opens inside the screen's free area, every control it has
// is named and reached by its own access key, Escape closes it, and its chart's counts
// stand out from their bars and from the chart's ground in a light and a dark scheme.
#include <QtTest>
#include <QtWidgets>

#include "history/game_line.h"
#include "support/fakes.h"
#include "ui/statistics_chart.h"
#include "ui/statistics_window.h"

using namespace filmotas;

namespace {

// How far apart two colours are, in the sum of their channels.
int distance(QColor a, QColor b) { return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()); }

// The colour in `area` of the image farthest from `ground`.
int contrastIn(const QImage& image, const QRect& area, QColor ground) {
  int most = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) most = std::max(most, distance(image.pixelColor(x, y), ground));
  return most;
}

// The first row from the top where the bar's colour shows in column x; -1 when none.
int barTop(const QImage& image, int x, QColor bar) {
  for (int y = 0; y < image.height(); ++y)
    if (image.pixelColor(x, y) == bar) return y;
  return -1;
}

}  // namespace

class StatisticsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void opensInsideTheScreenWithEveryControlNamedAndKeyed() {
    testing::TempFolder folder;
    std::string record(kHistoryHeader);
    record += formatLine({"2026-12-07T03:15:22+01:00", GameResult::lost, 5, "xkwqj", 9, "Ran"});
    folder.write(kHistoryFile, record);
    QWidget game;
    game.setGeometry(QGuiApplication::primaryScreen()->availableGeometry().adjusted(400, 300, 0, 0));
    game.show();
    ui::StatisticsWindow window(DataFolder(folder.path().string()), &game);
    QTimer::singleShot(0, [&] {
      QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(window.frameGeometry()));
      QSet<QChar> keys;
      for (QWidget* control : window.findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(&window)) continue;
        if (qobject_cast<QScrollBar*>(control) || control->parentWidget() != &window) continue;
        QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        QString shown = qobject_cast<QAbstractButton*>(control) ? qobject_cast<QAbstractButton*>(control)->text() : QString();
        for (QLabel* label : window.findChildren<QLabel*>())
          if (label->buddy() == control) shown = label->text();
        const qsizetype amp = shown.indexOf('&');
        QVERIFY2(amp >= 0, qPrintable(control->objectName()));
        QVERIFY2(!keys.contains(shown[amp + 1].toLower()), qPrintable(shown));
        keys.insert(shown[amp + 1].toLower());
      }
      QCOMPARE(keys.size(), 5);   // the chart, the two tables and the two buttons
      QTest::keyClick(&window, Qt::Key_Escape);
    });
    QTimer::singleShot(3000, &window, &QDialog::accept);   // never hangs on a failed check
    window.run();
    QVERIFY(!window.isVisible());
  }

  void chartCountsStandOutInLightAndDarkSchemes() {
    QPalette dark(Qt::white, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(0x1D, 0x54, 0x8A));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    for (const QPalette& scheme : {QApplication::palette(), dark}) {
      QApplication::setPalette(scheme);
      ui::StatisticsChart chart;
      chart.resize(600, 200);
      RecordSummary summary;
      summary.chart = {40, 0, 0, 0, 0, 1};   // a tall bar and a short one
      chart.setSummary(summary);
      const QImage image = chart.grab().toImage();
      const QPalette& p = chart.palette();
      const int line = chart.fontMetrics().height();
      const int slot = 600 / 6;
      const int tall = barTop(image, slot / 2, p.color(QPalette::Highlight));
      const int shortBar = barTop(image, 5 * slot + slot / 2, p.color(QPalette::Highlight));
      QVERIFY(tall >= 0 && shortBar > tall);
      // The count on the tall bar against the bar, the one above the short bar against the ground.
      QVERIFY(contrastIn(image, QRect(slot / 3, tall, slot / 3, line), p.color(QPalette::Highlight)) > 300);
      QVERIFY(contrastIn(image, QRect(5 * slot + slot / 3, shortBar - line - 2, slot / 3, line), p.color(QPalette::Base)) > 300);
      QVERIFY(chart.accessibleName().endsWith("con 4 fallos: 0. Perdidas: 1."));
    }
  }
};

QTEST_MAIN(StatisticsWindowTest)
#include "statistics_window_test.moc"
