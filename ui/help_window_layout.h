#pragma once
// The controls of the help window frmAyuda at their design places, sizes, fonts and
// focus order. Which of them change at run time, and how, is the business of HelpWindow.
#include <array>

#include "help/help_topics.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

namespace filmotas::ui {

class BulletWidget;

struct HelpWindowControls {
  // Topic rows on the window itself; [0] is row 1.
  std::array<QPushButton*, help::kTopicCount> cmdTema{};
  std::array<BulletWidget*, help::kTopicCount> shpTema{};
  std::array<QLabel*, help::kTopicCount> lblTema{};
  QPushButton* cmdAceptar = nullptr;
  // The frame with the sub-topic rows and the white text box.
  QGroupBox* fraMarco = nullptr;
  std::array<QPushButton*, help::kRowCount> cmdMarcoTema{};
  std::array<BulletWidget*, help::kRowCount> shpMarcoTema{};
  std::array<QLabel*, help::kRowCount> lblMarcoTema{};
  QFrame* Picture1 = nullptr;
  QLabel* lblAyuda = nullptr;
};

// The window's client width in twips; it never changes.
inline constexpr int kHelpClientWidth = 7095;

// Creates every control as a child of `window`, which gets the window font.
HelpWindowControls buildHelpWindowControls(QWidget& window);

}  // namespace filmotas::ui
