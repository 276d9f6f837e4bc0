#include "ui/add_movie_dialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "movielist/title_entry.h"
#include "ui/control_names.h"
#include "ui/fonts.h"
#include "ui/screen_fit.h"
#include "ui/title_validator.h"
#include "ui/twips.h"

namespace filmotas::ui {

namespace {

// Client area of the dialog, in twips.
constexpr int kClientWidth = 4680;
constexpr int kClientHeight = 840;

// A small caption bar with a close box only; fixed size, no icon, no task-bar entry.
constexpr Qt::WindowFlags kToolWindow = Qt::Tool | Qt::CustomizeWindowHint |
                                        Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

}  // namespace

AddMovieDialog::AddMovieDialog(GameLink& game, QWidget* parent)
    : QDialog(parent, kToolWindow), agregar_(game) {
  nameControl(*this, "frmAgregar");
  setWindowTitle(QString::fromUtf8(kAddDialogTitle));
  setModal(true);
  setFont(dialogFont());   // the system's standard dialog font
  setFixedSize(sizeOf(kClientWidth, kClientHeight));
  buildControls();
  connect(cmdAceptar_, &QPushButton::clicked, this, &AddMovieDialog::cmdAceptar_Click);
}

void AddMovieDialog::buildControls() {
  lblExplicacion_ = new QLabel(QString::fromUtf8(kAddDialogExplanation), this);
  nameControl(*lblExplicacion_, "lblExplicación");
  lblExplicacion_->setTextFormat(Qt::PlainText);
  lblExplicacion_->move(pointAt(120, 120));
  lblExplicacion_->adjustSize();   // sized to its text

  txtIntroducir_ = new QLineEdit(this);
  nameControl(*txtIntroducir_, "txtIntroducir");
  txtIntroducir_->setAccessibleName(QString::fromUtf8("Título de la película"));
  txtIntroducir_->setGeometry(rectAt(120, 360, 3135, 285));
  txtIntroducir_->setMaxLength(kTitleMaxLength);
  txtIntroducir_->setValidator(new TitleValidator(txtIntroducir_));
  // A refused keystroke or paste is answered with the system's beep.
  connect(txtIntroducir_, &QLineEdit::inputRejected, this, [] { QApplication::beep(); });

  cmdAceptar_ = new QPushButton(QStringLiteral("Aceptar"), this);
  nameControl(*cmdAceptar_, "cmdAceptar");
  cmdAceptar_->setGeometry(rectAt(3360, 360, 1215, 375));
  cmdAceptar_->setDefault(true);   // Enter in the text box presses it

  setTabOrder(txtIntroducir_, cmdAceptar_);
}

void AddMovieDialog::run() {
  txtIntroducir_->clear();
  txtIntroducir_->setFocus();
  centreOnScreen(*this);
  exec();
}

void AddMovieDialog::closeIfOpen() {
  if (isVisible()) reject();
}

// The design has no cancel button: Escape does not close the dialog.
void AddMovieDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    event->ignore();
    return;
  }
  QDialog::keyPressEvent(event);
}

// On success the box is emptied for the next title; on failure the player has been told
// why and the title stays for correcting. Either way the box has the focus.
void AddMovieDialog::cmdAceptar_Click() {
  if (agregar_.cmdAceptar_Click(txtIntroducir_->text().toStdString())) txtIntroducir_->clear();
  txtIntroducir_->setFocus();
}

}  // namespace filmotas::ui
