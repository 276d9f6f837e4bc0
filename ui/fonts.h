#pragma once
// The designs name Windows fonts. Where they are not installed, their metric-compatible
// Liberation fonts take their place; the old dialog fonts become the desktop's UI font.
#include <QApplication>
#include <QFont>
#include <QStringList>

namespace filmotas::ui {

inline QFont courierNew(double points, bool bold) {
  QFont f;
  f.setFamilies({"Courier New", "Liberation Mono"});
  f.setStyleHint(QFont::Monospace);
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

inline QFont arial(double points, bool bold = false) {
  QFont f;
  f.setFamilies({"Arial", "Liberation Sans"});
  f.setStyleHint(QFont::SansSerif);
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

// "MS Sans Serif 8.25 pt" and the standard 8-point dialog font.
inline QFont dialogFont(double points = 8.0) {
  QFont f = QApplication::font();
  f.setPointSizeF(points);
  return f;
}

}  // namespace filmotas::ui
