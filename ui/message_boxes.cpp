#include "ui/message_boxes.h"

#include <QApplication>
#include <QPushButton>

namespace filmotas::ui {

QMessageBox::Icon iconOfCode(int code) {
  switch (code) {
    case box::kCritical: return QMessageBox::Critical;
    case box::kYesNoQuestion: return QMessageBox::Question;
    case box::kExclamation: return QMessageBox::Warning;
    case box::kInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

QString displayText(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

// Yes is the default (Enter) and No the cancel (Escape, or the close box) of a question;
// a box with one button answers OK to both.
int QtMessageBoxes::show(const std::string& text, const std::string& title, int code) {
  QMessageBox dialog(parent_);
  dialog.setWindowTitle(QString::fromStdString(title));
  dialog.setTextFormat(Qt::PlainText);
  dialog.setText(displayText(text));
  dialog.setIcon(iconOfCode(code));
  if (code == box::kYesNoQuestion) {
    QPushButton* yes = dialog.addButton(QStringLiteral("Sí"), QMessageBox::YesRole);
    QPushButton* no = dialog.addButton(QStringLiteral("No"), QMessageBox::NoRole);
    dialog.setDefaultButton(yes);
    dialog.setEscapeButton(no);
    dialog.exec();
    return dialog.clickedButton() == yes ? box::kAnswerYes : box::kAnswerNo;
  }
  QPushButton* ok = dialog.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
  dialog.setDefaultButton(ok);
  dialog.setEscapeButton(ok);
  dialog.exec();
  return box::kAnswerOk;
}

void QtMessageBoxes::beep() { QApplication::beep(); }

}  // namespace filmotas::ui
