// Every help text shown must be there and fit the help label lblAyuda (Arial 9 pt,
// word-wrapped in its width, cut off at its height), or its last lines would be lost unnoticed.
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QtTest>

#include "help/help_topics.h"
#include "ui/fonts.h"
#include "ui/twips.h"

using namespace filmotas;

namespace {

const QSize kLabel = ui::sizeOf(6255, 1575);

bool fits(const QString& text) {
  const QRect r =
      QFontMetrics(ui::arial(9)).boundingRect(QRect(0, 0, kLabel.width(), 100000), Qt::TextWordWrap, text);
  return r.height() <= kLabel.height() && r.width() <= kLabel.width();
}

}  // namespace

class HelpTextsFit : public QObject {
  Q_OBJECT

 private slots:
  void everyShownTextFitsTheLabel() {
    const QString family = QFontInfo(ui::arial(9)).family();
    QVERIFY2(family == "Arial" || family == "Liberation Sans", qPrintable("measured with " + family));
    QVERIFY(!fits(QString::fromUtf8("Elige alguna opción. ").repeated(40)));   // the measure can fail
    QFile file(QStringLiteral(FILMOTAS_SOURCE_DIR "/data/ayuda.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QRegularExpression("\r?\n"));
    for (const help::Topic& topic : help::kTopics) {
      for (int entry = topic.firstEntry; entry < topic.firstEntry + topic.rowCount; ++entry) {
        QVERIFY2(entry <= lines.size() && !lines.at(entry - 1).isEmpty() && fits(lines.at(entry - 1)),
                 qPrintable(QStringLiteral("line %1 is empty or does not fit").arg(entry)));
      }
    }
  }
};

QTEST_MAIN(HelpTextsFit)
#include "help_texts_fit_test.moc"
