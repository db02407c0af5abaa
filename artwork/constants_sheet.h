// SPDX-License-Identifier: MIT
#pragma once

// The constants sheet: ten standard physical constants in a blue grid, kept as
// data here and drawn by paintConstantsSheet() (constants_sheet_painter.h).
// Coordinates are sheet units, 600 to the inch: the sheet is 3373 units wide and
// 1991 high, y growing downwards.

#include <QColor>
#include <QString>
#include <QStringView>

#include <vector>

namespace quantora::constants_sheet {

inline constexpr int sheetWidth = 3373;
inline constexpr int sheetHeight = 1991;

inline const QColor gridColour{0, 0, 255};
inline const QColor textColour{0, 0, 128};
inline const QColor finalLineColour{0, 0, 0};

// One filled rectangle of the grid; its first and last coordinates are both
// inside it, so x 0..7 is 8 units wide.
struct GridRect {
    int left;
    int top;
    int right;
    int bottom;
};

// What a run of text is: the kind picks its font and its baseline offset.
enum class RunKind {
    Title,
    Body,
    Raised,  // superscript, small font
    Lowered, // subscript, small font
    FinalLine,
};

struct SheetFont {
    QStringView face;
    int height; // em size in sheet units
    int weight; // 400 regular, 700 bold
};

SheetFont fontOf(RunKind kind);

// Offset of a run's baseline from its line's baseline (negative is up).
int baselineShift(RunKind kind);

struct TextRun {
    QString text; // in the user's language
    RunKind kind;
};

// The x range a cell's text is clipped to, both ends inside.
struct CellSpan {
    int left;
    int right;
};

inline constexpr CellSpan titleCell{8, 3317};
inline constexpr CellSpan leftCell{8, 1852};
inline constexpr CellSpan rightCell{1861, 3317};

// One baseline of text: its runs follow each other from x at their own fonts'
// advance widths.
struct SheetLine {
    int baseline;
    int x;
    CellSpan clip;
    std::vector<TextRun> runs;
};

// A row of the table. Row 0 is one cell across both columns; its title line is
// kept in `left`.
struct SheetRow {
    std::vector<SheetLine> left;
    std::vector<SheetLine> right;
};

// The grid: outer frame, row separators and the column divider.
const std::vector<GridRect> &gridRects();

// The eleven rows, top to bottom, their words in the user's language.
std::vector<SheetRow> rows();

// The empty line below the table (a single blank, black): it shows nothing.
const SheetLine &finalLine();

// The text of a line, its runs joined.
QString lineText(const SheetLine &line);

// The ten constants as plain text, one a line ("Faraday constant, F = 96487
// C/mol"): a raised run is written after "^", a lowered one after "_", the
// raised "o" of 0 degrees C as the degree sign.
QString plainText();

} // namespace quantora::constants_sheet
