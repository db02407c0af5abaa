// SPDX-License-Identifier: MIT
#pragma once

class QDialog;
class QWidget;

namespace quantora {

// Shows a dialog modally and, when it closes, gives the keyboard focus back to
// the window beneath it (the modal window it was opened from, or else the main
// window). A window manager usually does this; without one the focus would
// stay nowhere.
int execReturningFocus(QDialog &dialog);

// The program's keyboard behaviour for all its windows, installed once however
// often it is called: Enter and keypad Enter press the push button that has the
// focus, as Space does (Escape is left to each window), and the control with
// the focus is ringed in black and white, two pixels each, so that it stands
// out on any background. The ring is drawn only while a control has the focus.
void installKeyboardBehaviour();

// The arrow keys move the focus from a control of window to the nearest
// focusable control in the arrow's direction: first among those level with it
// (across for Left and Right, above or below for Up and Down), else the nearest
// by distance. Tab keeps its order.
void moveFocusWithArrows(QWidget &window);

} // namespace quantora
