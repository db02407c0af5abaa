// SPDX-License-Identifier: MIT
#pragma once

#include "quantity.h"

#include <QString>

namespace quantora::factor_choice {

// The factors the conversion screen converts by, as the user last chose them:
// as kept in the user's configuration folder, or as chosen in this session
// where the file could not keep it.
// Nothing saved, or anything but a value that saveFactorSet writes, is the
// table's factors.
FactorSet savedFactorSet();

// Keeps the choice for the rest of the session and, where the settings file
// allows, for the next start. Only a choice the user makes is written; a
// session that never changes it writes nothing.
void saveFactorSet(FactorSet factors);

// Why the session's choice is not kept for the next start, naming the file so
// that the user can mend it; empty when it is kept.
QString unsavedReason();

// What the screen shows, says and lets the user choose: "Table factors" or
// "Exact factors".
QString factorSetName(FactorSet factors);

// "(not saved)" while the session's choice is not kept for the next start,
// else empty: it follows the factors' name wherever that is shown or spoken.
QString notSavedNote();

} // namespace quantora::factor_choice
