// Every help text must fit the help label lblAyuda: Arial 9 pt, wrapped at word
// boundaries within its width and cut off at its height, so a longer text would lose
// its last lines without anyone noticing.
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QtTest>

#include "help/help_topics.h"
#include "ui/fonts.h"
#include "ui/twips.h"

using namespace filmotas;

namespace {

const QSize kLabel = ui::sizeOf(6255, 1575);   // lblAyuda

QStringList shippedHelpLines() {
  QFile file(QStringLiteral(FILMOTAS_SOURCE_DIR "/data/ayuda.txt"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();   // the final line break
  for (QString& line : lines)
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
  return lines;
}

// The room the label's wrapping gives a text.
QRect wrapped(const QString& text) {
  const QFontMetrics metrics(ui::arial(9));
  return metrics.boundingRect(QRect(0, 0, kLabel.width(), 100000), Qt::TextWordWrap, text);
}

bool fits(const QString& text) {
  const QRect r = wrapped(text);
  return r.height() <= kLabel.height() && r.width() <= kLabel.width();
}

}  // namespace

class HelpTextsFit : public QObject {
  Q_OBJECT

 private slots:
  void measuresWithTheLabelsFont() {
    const QString family = QFontInfo(ui::arial(9)).family();
    QVERIFY2(family == QLatin1String("Arial") || family == QLatin1String("Liberation Sans"),
             qPrintable(QStringLiteral("measured with %1 instead").arg(family)));
    QCOMPARE(kLabel, QSize(417, 105));
  }

  // The measure itself must tell a text that spills over from one that fits.
  void aTextTooLongForTheLabelIsCaught() {
    const QString line = QStringLiteral("Elige alguna opción. ");
    QVERIFY(fits(line));
    QVERIFY(!fits(line.repeated(40)));
    QVERIFY(!fits(QStringLiteral("x").repeated(200)));   // one word wider than the label
  }

  void everyShownTextFitsTheLabel() {
    const QStringList lines = shippedHelpLines();
    for (const help::Topic& topic : help::kTopics) {
      for (int entry = topic.firstEntry; entry < topic.firstEntry + topic.rowCount; ++entry) {
        QVERIFY2(entry <= lines.size(), qPrintable(QStringLiteral("no line %1").arg(entry)));
        const QString& text = lines.at(entry - 1);
        const QRect r = wrapped(text);
        QVERIFY2(fits(text), qPrintable(QStringLiteral("line %1 needs %2 x %3 px: %4")
                                            .arg(entry).arg(r.width()).arg(r.height()).arg(text)));
      }
    }
  }
};

QTEST_MAIN(HelpTextsFit)
#include "help_texts_fit_test.moc"
