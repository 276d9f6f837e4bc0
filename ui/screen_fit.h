#pragma once
// Windows open whole within their screen's available area (what the desktop's panels
// leave), at any scale: a design size that would reach past it is shrunk, never below
// the window's minimum size. Call these before the window shows; any top-level window
// or dialog can use them.
#include <QMargins>
#include <QSize>

class QWidget;

namespace filmotas::ui {

// The frame the window manager will draw around `window`: known once it has shown,
// estimated from the style's caption bar before.
QMargins frameAround(const QWidget& window);

// The size `window` may take without its frame reaching past the available area of
// the screen it opens on (its parent's screen, for a dialog).
QSize roomOnScreen(const QWidget& window);

// Shrinks `window` into that room; its position is left as it is.
void fitToScreen(QWidget& window);

// Shrinks `window` into that room and puts it in the centre of the available area.
void centreOnScreen(QWidget& window);

// Shrinks `window` into that room and puts it over the centre of its parent's window,
// as near as the available area allows (the centre of the area without a parent).
void centreOverParent(QWidget& window);

}  // namespace filmotas::ui
