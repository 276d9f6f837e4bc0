// The help window: its compact and full heights, the rows of each topic, the bullets and
// the preview that follow the pointer through real mouse movements, the missing file.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "game_window_fixture.h"
#include "ui/bullet_widget.h"
#include "ui/help_window.h"
#include "ui/twips.h"

using namespace filmotas;
using namespace filmotas::ui;

namespace {
const QColor kNavy(0x00, 0x00, 0x80);
const QColor kBlue(0x00, 0x00, 0xFF);
const QString kPrompt = QString::fromUtf8("Elige alguna opción.");
}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup() { window.reset(); }
  void topicsGrowTheWindowAndShowTheirRows();
  void bulletsAndPreviewFollowThePointer();
  void missingHelpFileIsReportedAndNothingShows();
  void helpTextStaysDarkOnItsWhiteBoxUnderADarkScheme();

 private:
  // Moves the pointer through the window system, so Qt finds the widget under it.
  void pointAt(QWidget* widget, QPoint local = QPoint(-1, -1)) {
    if (local == QPoint(-1, -1)) local = widget->rect().center();
    QTest::mouseMove(window->windowHandle(), widget->mapTo(window.get(), local));
  }
  const HelpWindowControls& c() const { return window->controls(); }
  QColor rowBullet(int n) const { return c().shpMarcoTema[std::size_t(n - 1)]->fillColor(); }
  QColor topicBullet(int n) const { return c().shpTema[std::size_t(n - 1)]->fillColor(); }

  QTemporaryDir folder;
  testing::BoxScript answers;   // answers the boxes shown through `boxes`
  QtMessageBoxes boxes;
  std::unique_ptr<HelpWindow> window;
};

// A help file of 22 lines "Entrada 1", "Entrada 2"…, CR LF.
void HelpWindowTest::init() {
  QFile file(folder.filePath("Ayuda.dat"));
  QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  for (int n = 1; n <= 22; ++n) file.write("Entrada " + QByteArray::number(n) + "\r\n");
  file.close();
  window = std::make_unique<HelpWindow>(DataFolder(folder.path().toStdString()), boxes);
}

// Outer heights 2000 and 5775 twips, less 375 of caption bar and borders.
void HelpWindowTest::topicsGrowTheWindowAndShowTheirRows() {
  window->open();
  QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  QCOMPARE(window->size(), sizeOf(7095, 2000 - 375));
  QVERIFY(c().fraMarco->isHidden());
  const int rows[] = {3, 8, 3}, firstEntry[] = {1, 10, 20};
  for (int topic = 1; topic <= 3; ++topic) {
    c().cmdTema[std::size_t(topic - 1)]->click();
    QCOMPARE(window->size(), sizeOf(7095, 5775 - 375));
    for (int row = 1; row <= 8; ++row) {
      QCOMPARE(c().cmdMarcoTema[std::size_t(row - 1)]->isVisible(), row <= rows[topic - 1]);
      QCOMPARE(c().lblMarcoTema[std::size_t(row - 1)]->isVisible(), row <= rows[topic - 1]);
    }
    c().cmdMarcoTema[std::size_t(rows[topic - 1] - 1)]->click();
    const int lastEntry = firstEntry[topic - 1] + rows[topic - 1] - 1;
    QCOMPARE(c().lblAyuda->text(), QStringLiteral("Entrada %1").arg(lastEntry));
  }
}

void HelpWindowTest::bulletsAndPreviewFollowThePointer() {
  window->open();
  QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  c().cmdTema[1]->click();
  pointAt(c().cmdMarcoTema[1]);
  QCOMPARE(rowBullet(2), kBlue);
  QCOMPARE(c().lblAyuda->text(), QString("Archivo -> Agregar filmotas"));
  pointAt(c().cmdMarcoTema[2]);   // a preview is never replaced by another
  pointAt(c().cmdTema[0]);
  QCOMPARE(c().lblAyuda->text(), QString("Archivo -> Agregar filmotas"));
  QVERIFY(rowBullet(2) == kBlue && rowBullet(3) == kBlue && topicBullet(1) == kBlue);
  pointAt(c().lblMarcoTema[1]);   // labels and the white box keep the pointer to themselves
  pointAt(c().Picture1, QPoint(3, 3));
  QCOMPARE(rowBullet(2), kBlue);

  // The frame's surface resets its own bullets and the text; the window's the topics'.
  pointAt(c().fraMarco, QPoint(4, c().fraMarco->height() - 4));
  QVERIFY(rowBullet(2) == kNavy && rowBullet(3) == kNavy && topicBullet(1) == kBlue);
  QCOMPARE(c().lblAyuda->text(), kPrompt);
  pointAt(c().shpTema[1]);   // a bullet counts as the surface it lies on
  QCOMPARE(topicBullet(1), kNavy);

  c().cmdMarcoTema[3]->click();   // nor is an entry replaced by a preview
  pointAt(c().cmdMarcoTema[4]);
  QCOMPARE(rowBullet(5), kBlue);
  QCOMPARE(c().lblAyuda->text(), QString("Entrada 13"));
}

void HelpWindowTest::missingHelpFileIsReportedAndNothingShows() {
  QVERIFY(QFile::remove(folder.filePath("Ayuda.dat")));
  window->open();
  QVERIFY(!window->isVisible());
  QCOMPARE(answers.seen.size(), 1);
}

void HelpWindowTest::helpTextStaysDarkOnItsWhiteBoxUnderADarkScheme() {
  const QPalette system = QApplication::palette();
  QPalette dark(QColor(0x30, 0x30, 0x30));
  dark.setColor(QPalette::WindowText, Qt::white);
  QApplication::setPalette(dark);
  const HelpWindow shown(DataFolder(folder.path().toStdString()), boxes);
  const QImage drawn = shown.controls().lblAyuda->grab().toImage();
  QApplication::setPalette(system);
  QCOMPARE(drawn.pixelColor(0, 0), QColor(Qt::white));
  int darkest = 255;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x) darkest = std::min(darkest, drawn.pixelColor(x, y).lightness());
  QVERIFY2(darkest < 100, qPrintable(QStringLiteral("darkest text pixel %1").arg(darkest)));
}

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
