// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace quantora::design {

// A font by the family named in the design; installFontSubstitutions() lets Qt
// fall back to the free metric-compatible faces where the named one is missing.
QFont font(const QString &family, qreal pointSize, int weight = QFont::Normal);

// Registers the substitutes of the design's families (Arial, Times New Roman,
// Comic Sans MS, MS Sans Serif, Bookman Old Style). Call once at start.
void installFontSubstitutions();

// The face of the controls the design gives no font of their own (the About
// box's buttons): Qt's plain sans-serif face at 9 points.
QFont defaultFont();

// On Windows, adds the free faces in FOLDER (the program's own fonts/ folder)
// for the design's families the system lacks, so that the substitutions find
// them; a face the system has wins. Elsewhere it does nothing.
void addBundledFaces(const QString &folder);

} // namespace quantora::design
