// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace quantora::design {

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

} // namespace quantora::design
