#pragma once
// The list window frmListaFilmotas: a modal, resizable window over the whole movie
// list, to find, correct, remove, import and export titles. It remembers nothing
// between openings: every opening reads the list afresh.
#include <QDialog>
#include <functional>

#include "movielist/frm_lista_filmotas.h"
#include "ui/message_boxes.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace filmotas::ui {

class MovieListModel;

class MovieListWindow : public QDialog {
 public:
  MovieListWindow(GameLink& game, QWidget* parent);

  // "&Lista de filmotas...": reads the list, shows the window within the screen's
  // available area and returns when the player has closed it.
  void run();
  void closeIfOpen();

 private:
  void buildControls();
  void connectControls();
  std::function<void()> guarded(void (MovieListWindow::*handler)());
  void load();
  void refresh();
  void cmdCorregir_Click();
  void cmdQuitar_Click();
  void cmdImportar_Click();
  void cmdExportar_Click();

  QtMessageBoxes boxes_;
  FrmListaFilmotas lista_;
  MovieListModel* model_ = nullptr;
  QLineEdit* txtBuscar_ = nullptr;
  QCheckBox* chkDuplicados_ = nullptr;
  QTableView* lstFilmotas_ = nullptr;
  QLabel* lblCuenta_ = nullptr;
  QPushButton* cmdCorregir_ = nullptr;
  QPushButton* cmdQuitar_ = nullptr;
  QPushButton* cmdImportar_ = nullptr;
  QPushButton* cmdExportar_ = nullptr;
  QPushButton* cmdCerrar_ = nullptr;
};

}  // namespace filmotas::ui
