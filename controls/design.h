// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QMargins>
#include <QPalette>
#include <QRect>
#include <QString>

#include "twips.h"

class QPushButton;
class QWidget;

namespace quantora::design {

// Colours shared by the windows.
inline const QColor windowBackground{128, 128, 255};
inline const QColor buttonFace{192, 192, 255};

// A font by the family named in the design; installFontSubstitutions() lets Qt
// fall back to the free metric-compatible faces where the named one is missing.
QFont font(const QString &family, qreal pointSize, int weight = QFont::Normal);

// Registers the substitutes of the design's families (Arial, Times New Roman,
// Comic Sans MS, MS Sans Serif, Bookman Old Style). Call once at start.
void installFontSubstitutions();

// The colours the windows draw with wherever the design gives none: Qt's own
// light palette (the Fusion style's), with every role of every group set, so
// that no desktop theme's colour shows through a window that carries it.
QPalette palette();

// The face of the controls the design gives no font of their own (the About
// box's buttons): Qt's plain sans-serif face at 9 points.
QFont defaultFont();

// Makes the program look as designed on any desktop theme: the Fusion style
// (except on Windows, which keeps its own, and where the user named a style on
// the command line), and the design's palette and default font for the
// application, its tooltips and message boxes. Call once at start; every window
// also carries them itself (makeFixedDialog).
void installLook(bool styleGiven = false);

// On Windows, adds the free faces in FOLDER (the program's own fonts/ folder)
// for the design's families the system lacks, so that the substitutions find
// them; a face the system has wins. Elsewhere it does nothing.
void addBundledFaces(const QString &folder);

// Gives a top-level window the fixed dialog frame of the design: a client area
// of the given size that the user cannot resize, a title bar with a close
// button and neither a minimise nor a maximise button, the shared background,
// and the design's palette and default font whatever the application's are.
void makeFixedDialog(QWidget &window, QSize clientSize);

// Where a window's frame goes so that it shows whole on a screen's available
// area: at its own place where it fits there; else moved the least distance
// that makes it fit; in a direction where it is larger than the area, at the
// area's start, so that its top-left corner is on the screen.
QRect fitOnScreen(QRect frame, QRect available);

// Places a window's frame (its outer top-left corner) at a design position,
// kept on the screen by fitOnScreen. Where the window manager tells the frame
// only once the window is shown, the frame of a window shown before stands in,
// and a window whose frame then differs is placed again as it appears.
void placeWindow(QWidget &window, int leftTwips, int topTwips);

// Places a window's client area at a design position, with its frame kept on
// the screen by fitOnScreen, as placeWindow does.
void placeClientArea(QWidget &window, int leftTwips, int topTwips);

// Sets the frame that placement counts for a window whose own frame the system
// has not told yet, as if an earlier window had shown it. The program learns it
// from its windows; tests give one to place windows as under a window manager.
void assumeFrameMargins(QMargins margins);

// Makes a button's caption keep the room inside the button that the style gives
// every button's caption: where the caption is too wide for the button's fixed
// width in its font, the font shrinks in quarter points until it fits.
void keepCaptionPadding(QPushButton &button);

// Sets a widget's background colour through its palette (no style sheet).
void setBackground(QWidget &widget, const QColor &colour);

// Sets the colour of a widget's text through its palette.
void setTextColour(QWidget &widget, const QColor &colour);

} // namespace quantora::design
