#pragma once
// The add-movie dialog frmAgregar: a small modal tool window that appends one title to
// the movie list at every press of "Aceptar" and stays open for the next one.
#include <QDialog>

#include "movielist/frm_agregar.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace filmotas::ui {

class AddMovieDialog : public QDialog {
 public:
  // `game` is what the append reaches of the game; `parent` is the game
  // window, which the dialog blocks while it is open.
  AddMovieDialog(GameLink& game, QWidget* parent);

  // "&Agregar filmotas": shows the dialog from its design state, centred in the
  // screen's available area, and returns when the player has closed it.
  void run();
  // The exit operation's first step: closes the dialog when it is open.
  void closeIfOpen();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildControls();
  void cmdAceptar_Click();

  FrmAgregar agregar_;
  QLabel* lblExplicacion_ = nullptr;
  QLineEdit* txtIntroducir_ = nullptr;
  QPushButton* cmdAceptar_ = nullptr;
};

}  // namespace filmotas::ui
