#pragma once
// Every control carries its design name as its objectName, by which code and tests find
// it. A screen reader speaks the description of a window, and of the control that takes
// the focus, right after its name: those carry no design name there (the game's two boxes
// carry what the game tells the player instead). Controls that never take the focus
// keep the design name as their description, where tools can still find it. So a
// control is named after its focus policy is set.
#include <QString>
#include <QWidget>

namespace filmotas::ui {

inline void nameControl(QWidget& control, const QString& name) {
  control.setObjectName(name);
  const bool spoken = control.isWindow() || control.focusPolicy() != Qt::NoFocus;
  control.setAccessibleDescription(spoken ? QString() : name);
}

inline void nameControl(QWidget& control, const char* utf8Name) {
  nameControl(control, QString::fromUtf8(utf8Name));
}

// A member of a control array: "cmdTema" and 2 give "cmdTema2".
inline void nameControl(QWidget& control, const char* utf8Name, int number) {
  nameControl(control, QString::fromUtf8(utf8Name) + QString::number(number));
}

}  // namespace filmotas::ui
