#pragma once
// The designs name Windows fonts. Where they are not installed, their metric-compatible
// Liberation fonts take their place; the old dialog fonts become the desktop's UI font.
#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QString>

namespace filmotas::ui {

// The design's family when installed, else its stand-in. Asking for a missing family
// by name sends Qt through the desktop's whole fallback search at start-up; asking
// for one that is there costs nothing.
inline QString installedFamily(const QString& wanted, const QString& standIn) {
  return QFontDatabase::families().contains(wanted) ? wanted : standIn;
}

inline QFont fontOf(const QString& family, QFont::StyleHint hint, double points, bool bold) {
  QFont f(family);
  f.setStyleHint(hint);
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

inline QFont courierNew(double points, bool bold) {
  static const QString family = installedFamily("Courier New", "Liberation Mono");
  return fontOf(family, QFont::Monospace, points, bold);
}

inline QFont arial(double points, bool bold = false) {
  static const QString family = installedFamily("Arial", "Liberation Sans");
  return fontOf(family, QFont::SansSerif, points, bold);
}

// "MS Sans Serif 8.25 pt" and the standard 8-point dialog font.
inline QFont dialogFont(double points = 8.0) {
  QFont f = QApplication::font();
  f.setPointSizeF(points);
  return f;
}

}  // namespace filmotas::ui
