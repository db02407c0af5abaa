// SPDX-License-Identifier: MIT
#pragma once

#include "quantity.h"

#include <QString>

namespace quantora::factor_choice {

// The factors the conversion screen converts by, as the user last chose them,
// kept in the user's configuration folder. Nothing saved, or anything but a
// value that saveFactorSet writes, is the table's factors.
FactorSet savedFactorSet();

// Keeps the choice for the next screen and the next start. Only a choice the
// user makes is written; a session that never changes it writes nothing.
void saveFactorSet(FactorSet factors);

// What the screen shows, says and lets the user choose: "Table factors" or
// "Exact factors".
QString factorSetName(FactorSet factors);

} // namespace quantora::factor_choice
