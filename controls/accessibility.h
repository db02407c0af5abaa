// SPDX-License-Identifier: MIT
#pragma once

#include "modal_gate.h"

#include <QString>

class QWidget;

namespace quantora {

struct QuantityDef;

// Registers how the program's own controls present themselves to screen
// readers (through AT-SPI on Linux): picture buttons as buttons with a press
// action, the main menu as a window, windows without their hidden controls,
// and the painted constants sheet with its text. Call once, after the
// application object exists.
void installAccessibleInterfaces();

// The name a screen reader gives a quantity: its full name, where the caption
// under its picture is cut short or runs words together.
QString accessibleQuantityName(const QuantityDef &quantity);

} // namespace quantora
