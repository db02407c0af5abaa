// SPDX-License-Identifier: MIT
#pragma once

class QDialog;

namespace quantora {

// Shows a dialog modally and, when it closes, gives the keyboard focus back to
// the window beneath it (the modal window it was opened from, or else the main
// window). A window manager usually does this; without one the focus would
// stay nowhere.
int execReturningFocus(QDialog &dialog);

} // namespace quantora
