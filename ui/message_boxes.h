#pragma once
// The game's message boxes as Qt dialogs: modal, Spanish buttons, the icon and buttons
// of the box code, CR LF line breaks shown as line breaks.
#include <QMessageBox>
#include <QString>
#include <string>

#include "engine/ports.h"

class QWidget;

namespace filmotas::ui {

class QtMessageBoxes : public MessageBoxPort {
 public:
  explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
  int show(const std::string& text, const std::string& title, int code) override;
  void beep() override;

 private:
  QWidget* parent_;
};

// The icon that a box code asks for.
QMessageBox::Icon iconOfCode(int code);

// A CR LF text as Qt shows it: every CR LF (and any lone CR) becomes a line feed.
QString displayText(const std::string& text);

}  // namespace filmotas::ui
