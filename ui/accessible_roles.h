#pragma once
// What a screen reader is told a widget is, where Qt's own guess is wrong: a window made
// of a plain widget (otherwise a "filler"), the group that holds the title's cells, a
// notification, a button that stands for the topic chosen. The widget keeps its own
// behaviour and look; only what assistive technology reads of it changes.
#include <QAccessible>

class QWidget;

namespace filmotas::ui {

// Best called before the widget is shown, when no screen reader has met it yet.
void setAccessibleRole(QWidget& widget, QAccessible::Role role);

// The widget reports itself checkable, and checked or not; a change is told at once.
// Only for a widget given its role above.
void setAccessibleChecked(QWidget& widget, bool checked);

}  // namespace filmotas::ui
