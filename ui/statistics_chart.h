#pragma once
// picGrafico: the games won with 0 to 4 misses and the games lost, as bars drawn in the
// palette's colours (so it reads in light and dark themes alike) with each count written
// on its bar. Its accessible name says the same counts in words.
#include <QWidget>
#include <array>

#include "history/record_summary.h"

namespace filmotas::ui {

class StatisticsChart : public QWidget {
 public:
  explicit StatisticsChart(QWidget* parent = nullptr);

  void setSummary(const RecordSummary& summary);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::array<int, kChartBars> counts_{};
};

}  // namespace filmotas::ui
