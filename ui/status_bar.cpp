#include "ui/status_bar.h"

#include <QLabel>

#include "ui/control_names.h"
#include "ui/twips.h"

namespace filmotas::ui {

namespace {

constexpr int kHeightTwips = 315;
constexpr int kPanelPadding = 8;   // pixels around a panel's text

// The longest texts panels 2 and 3 show: five missed letters (the fifth loses the game)
// and one vowel.
const char* const kWidestText[] = {"", "Letras no acertadas: WWWWW", "Vocal asignada: W"};

}  // namespace

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent) {
  nameControl(*this, "stbBarraDeEstado");
  setAccessibleName(QStringLiteral("Barra de estado"));
  setSizeGripEnabled(false);
  setFixedHeight(px(kHeightTwips));
  for (int i = 0; i < 3; ++i) {
    auto* label = new QLabel(this);
    nameControl(*label, QStringLiteral("stbBarraDeEstado.Panels(%1)").arg(i + 1));
    if (i > 0) {
      const int widest = label->fontMetrics().horizontalAdvance(QString::fromUtf8(kWidestText[i]));
      label->setMinimumWidth(widest + kPanelPadding);
    }
    addWidget(label, i == 0 ? 1 : 0);
    panels_[static_cast<std::size_t>(i)] = label;
  }
}

void StatusBar::setPanelText(int number, const QString& text) { panel(number)->setText(text); }

QString StatusBar::panelText(int number) const { return panel(number)->text(); }

}  // namespace filmotas::ui
