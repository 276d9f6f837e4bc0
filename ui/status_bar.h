#pragma once
// stbBarraDeEstado: three text panels numbered 1 to 3 from the left. Panels 2 and 3 are
// as wide as their longest texts; panel 1, the verdict, takes the rest of the width.
#include <QStatusBar>
#include <array>

class QLabel;

namespace filmotas::ui {

class StatusBar : public QStatusBar {
  Q_OBJECT
 public:
  explicit StatusBar(QWidget* parent = nullptr);

  void setPanelText(int panel, const QString& text);
  QString panelText(int panel) const;
  QLabel* panel(int number) const { return panels_[static_cast<std::size_t>(number - 1)]; }

 private:
  std::array<QLabel*, 3> panels_{};
};

}  // namespace filmotas::ui
