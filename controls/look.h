// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>
#include <QSize>

class QWidget;

namespace quantora::design {

// Colours shared by the windows.
inline const QColor windowBackground{128, 128, 255};
inline const QColor buttonFace{192, 192, 255};

// The colours the windows draw with wherever the design gives none: Qt's own
// light palette (the Fusion style's), with every role of every group set, so
// that no desktop theme's colour shows through a window that carries it.
QPalette plainQtPalette();

// Makes the program look as designed on any desktop theme: the Fusion style
// (except on Windows, which keeps its own, and where the user named a style on
// the command line), and Qt's plain palette and the default font for the
// application, its tooltips and message boxes. Call once at start; every window
// also carries them itself (makeFixedDialog).
void installLook(bool styleGiven = false);

// Gives a top-level window the fixed dialog frame of the design: a client area
// of the given size that the user cannot resize, a title bar with a close
// button and neither a minimise nor a maximise button, the shared background,
// and Qt's plain palette and the default font whatever the application's are.
void makeFixedDialog(QWidget &window, QSize clientSize);

// Sets a widget's background colour through its palette (no style sheet).
void setBackground(QWidget &widget, const QColor &colour);

// Sets the colour of a widget's text through its palette.
void setTextColour(QWidget &widget, const QColor &colour);

} // namespace quantora::design
