#pragma once
// The statistics window frmEstadisticas: a modal, resizable window over the player's
// record, with its figures, a chart of the games won by misses and lost, the last games
// and the titles that beat the player most. Every opening reads the record afresh.
#include <QDialog>

#include "history/frm_estadisticas.h"
#include "ui/message_boxes.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace filmotas::ui {

class StatisticsChart;

class StatisticsWindow : public QDialog {
 public:
  StatisticsWindow(const DataFolder& folder, QWidget* parent);

  // "&Estadísticas...": reads the record, shows the window and returns when the player
  // has closed it.
  void run();
  void closeIfOpen();

 private:
  void buildControls();
  void refresh();
  void cmdBorrar_Click();
  void placeOnScreen();

  QtMessageBoxes boxes_;
  FrmEstadisticas estadisticas_;
  QLabel* lblJugadas_ = nullptr;
  QLabel* lblGanadas_ = nullptr;
  QLabel* lblRachaActual_ = nullptr;
  QLabel* lblMejorRacha_ = nullptr;
  QLabel* lblAbandonadas_ = nullptr;
  QLabel* lblIlegibles_ = nullptr;
  StatisticsChart* picGrafico_ = nullptr;
  QTableWidget* lstPartidas_ = nullptr;
  QTableWidget* lstTitulos_ = nullptr;
  QPushButton* cmdBorrar_ = nullptr;
  QPushButton* cmdCerrar_ = nullptr;
};

}  // namespace filmotas::ui
