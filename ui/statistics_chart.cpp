#include "ui/statistics_chart.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <algorithm>

#include "history/frm_estadisticas.h"

namespace filmotas::ui {

namespace {

constexpr int kMargin = 8;

// Assistive technology meets the chart as a chart, named by its counts in words.
QAccessibleInterface* chartInterface(const QString&, QObject* object) {
  auto* chart = dynamic_cast<StatisticsChart*>(object);
  return chart ? new QAccessibleWidget(chart, QAccessible::Chart) : nullptr;
}

}  // namespace

StatisticsChart::StatisticsChart(QWidget* parent) : QWidget(parent) {
  static const bool installed = (QAccessible::installFactory(chartInterface), true);
  (void)installed;
  setFocusPolicy(Qt::StrongFocus);   // a screen reader reads the counts when it is reached
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void StatisticsChart::setSummary(const RecordSummary& summary) {
  counts_ = summary.chart;
  setAccessibleName(QString::fromStdString(chartDescription(summary)));
  update();
}

QSize StatisticsChart::sizeHint() const { return {fontMetrics().horizontalAdvance(QStringLiteral("0 fallos")) * 9, 180}; }

QSize StatisticsChart::minimumSizeHint() const {
  return {fontMetrics().horizontalAdvance(QStringLiteral("Perdidas")) * 7, fontMetrics().height() * 5};
}

// Each bar stands in its sixth of the width, on a base line over its caption; its height
// is its count against the largest. A count too tall for its bar stands just above it.
void StatisticsChart::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  const QPalette& p = palette();
  painter.fillRect(rect(), p.base());
  painter.setPen(p.color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));

  const int textHeight = fontMetrics().height();
  const QRect plot = rect().adjusted(kMargin, kMargin + textHeight, -kMargin, -(kMargin + textHeight + 4));
  const int largest = std::max(1, *std::max_element(counts_.begin(), counts_.end()));
  const int slot = plot.width() / static_cast<int>(kChartBars);
  for (std::size_t i = 0; i < kChartBars; ++i) {
    const int left = plot.left() + slot * static_cast<int>(i);
    const int height = plot.height() * counts_[i] / largest;
    const QRect bar(left + slot / 5, plot.bottom() - height + 1, slot * 3 / 5, height);
    painter.fillRect(bar, p.highlight());
    const QString count = QString::number(counts_[i]);
    const bool inside = height >= textHeight + 4;
    const QRect countRect = inside ? bar.adjusted(0, 2, 0, 0) : QRect(bar.left(), bar.top() - textHeight - 2, bar.width(), textHeight);
    painter.setPen(p.color(inside ? QPalette::HighlightedText : QPalette::Text));
    painter.drawText(countRect, Qt::AlignHCenter | Qt::AlignTop, count);
    painter.setPen(p.color(QPalette::Text));
    painter.drawText(QRect(left, plot.bottom() + 4, slot, textHeight), Qt::AlignCenter,
                     QString::fromStdString(barCaptions()[i]));
  }
  painter.setPen(p.color(QPalette::Text));
  painter.drawLine(plot.left(), plot.bottom() + 1, plot.right(), plot.bottom() + 1);
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(2, 2, -2, -2);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

}  // namespace filmotas::ui
