#pragma once
// Every control carries its design name twice: as its objectName, by which code and
// tests find it, and as its accessible description, for assistive technology.
#include <QString>
#include <QWidget>

namespace filmotas::ui {

inline void nameControl(QWidget& control, const QString& name) {
  control.setObjectName(name);
  control.setAccessibleDescription(name);
}

inline void nameControl(QWidget& control, const char* utf8Name) {
  nameControl(control, QString::fromUtf8(utf8Name));
}

// A member of a control array: "cmdTema" and 2 give "cmdTema2".
inline void nameControl(QWidget& control, const char* utf8Name, int number) {
  nameControl(control, QString::fromUtf8(utf8Name) + QString::number(number));
}

}  // namespace filmotas::ui
