// SPDX-License-Identifier: MIT
#pragma once

#include "constants_sheet.h"

#include <QFont>
#include <QRectF>
#include <QTransform>

class QPainter;

namespace quantora {

// Maps the sheet's 3373 × 1991 units onto target, stretched independently in x
// and in y.
QTransform sheetTransform(const QRectF &target);

// The font of a run kind, its pixel size in sheet units.
QFont sheetFont(constants_sheet::RunKind kind);

// Draws the constants sheet stretched onto target: the grid and the text, no
// background. The painter's state is left as it was.
void paintConstantsSheet(QPainter &painter, const QRectF &target);

// Draws one line of runs in the given colour, each run clipped to the line's
// cell. The painter must already map sheet units.
void paintSheetLine(QPainter &painter, const constants_sheet::SheetLine &line, const QColor &colour);

} // namespace quantora
