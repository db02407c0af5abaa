// SPDX-License-Identifier: MIT
#include "constants_sheet.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <utility>

namespace quantora::constants_sheet {

namespace {

// The sheet's words, for the translation tools.
struct Sheet {
    Q_DECLARE_TR_FUNCTIONS(ConstantsSheet)
};

// The sheet's numbers in the reader's decimal separator, as the conversion
// screen writes them ("8,314" in German): a point between two digits is one.
// The points of "mol.K" and "J.s" are products and stay.
QString inLocalDecimals(QString text)
{
    const QString separator = QLocale().decimalPoint();
    if (separator == u".")
        return text;
    for (qsizetype i = text.size() - 2; i > 0; --i)
        if (text[i] == u'.' && text[i - 1].isDigit() && text[i + 1].isDigit())
            text.replace(i, 1, separator);
    return text;
}

TextRun title(const QString &text)
{
    return {text, RunKind::Title};
}
TextRun body(const QString &text)
{
    return {inLocalDecimals(text), RunKind::Body};
}
TextRun up(QStringView text)
{
    return {text.toString(), RunKind::Raised};
}
TextRun down(QStringView text)
{
    return {text.toString(), RunKind::Lowered};
}
TextRun body(QStringView text)
{
    return body(text.toString());
}

// Every line ends in a blank of its main font; some lines carry a second one.
// The blanks show nothing but are kept as the sheet was laid out.
const TextRun blank{QStringLiteral(" "), RunKind::Body};

SheetLine leftLine(int baseline, std::vector<TextRun> runs)
{
    return {baseline, 49, leftCell, std::move(runs)};
}

SheetLine rightLine(int baseline, std::vector<TextRun> runs)
{
    return {baseline, 1902, rightCell, std::move(runs)};
}

} // namespace

SheetFont fontOf(RunKind kind)
{
    switch (kind) {
    case RunKind::Title:
        return {u"Times New Roman", 167, 700};
    case RunKind::Body:
        return {u"Arial", 92, 700};
    case RunKind::Raised:
    case RunKind::Lowered:
        return {u"Arial", 58, 700};
    case RunKind::FinalLine:
        return {u"Times New Roman", 100, 400};
    }
    return {u"Arial", 92, 700};
}

int baselineShift(RunKind kind)
{
    switch (kind) {
    case RunKind::Raised:
        return -42;
    case RunKind::Lowered:
        return 13;
    default:
        return 0;
    }
}

const std::vector<GridRect> &gridRects()
{
    // clang-format off
    static const std::vector<GridRect> grid = {
        {0,    0,    3325, 7},    // frame: top
        {0,    1868, 3325, 1875}, //        bottom
        {0,    0,    7,    1875}, //        left
        {3318, 0,    3325, 1875}, //        right
        {0,    326,  3325, 333},  // row separators
        {0,    557,  3325, 564},
        {0,    676,  3325, 683},
        {0,    913,  3325, 920},
        {0,    1033, 3325, 1040},
        {0,    1153, 3325, 1160},
        {0,    1272, 3325, 1279},
        {0,    1392, 3325, 1399},
        {0,    1623, 3325, 1630},
        {0,    1742, 3325, 1749},
        {1853, 326,  1860, 1875}, // column divider, below the title row
    };
    // clang-format on
    return grid;
}

std::vector<SheetRow> rows()
{
    // clang-format off
    return {
        // The title starts at x 1306 so that the word is centred on the table.
        {{{163, 1306, titleCell, {title(Sheet::tr("Constants")), title(QStringLiteral(" "))}}}, {}},

        {{leftLine(418, {body(Sheet::tr("Standard temperature and pressure (stp)")), blank})},
         {rightLine(418, {body(Sheet::tr("= 273.15K and 1.013 x 10", "a raised 5 follows")), up(u"5"), body(u" N/m"), up(u"2"), blank}),
          rightLine(523, {body(u" = 0"), up(u"o"), body(Sheet::tr("C and 1.013 bar", "after a raised o: 0 degrees C")), blank})}},

        {{leftLine(649, {body(Sheet::tr("Molecular volume of ideal gas at stp")), blank})},
         {rightLine(649, {body(Sheet::tr("= 22.4 liters/mol")), blank})}},

        {{leftLine(768, {body(Sheet::tr("Universal Gas constant, R")), blank})},
         {rightLine(768, {body(u"= 8.314 J/mol.K"), blank}),
          rightLine(874, {body(u"= 1.9872 cal/mole.K"), blank})}},

        {{leftLine(1005, {body(Sheet::tr("Avogadro’s number, N", "a lowered A follows")), down(u"A"), blank, blank})},
         {rightLine(1005, {body(u"= 6.0"), body(u"22 x 10"), up(u"23"), body(u" /mol"), blank})}},

        {{leftLine(1125, {body(Sheet::tr("Boltzmann constant, k")), blank})},
         {rightLine(1125, {body(u"= 1.3807 x 10"), up(u"-23"), body(u" J/K"), blank})}},

        {{leftLine(1245, {body(Sheet::tr("Faraday constant, F")), blank})},
         {rightLine(1245, {body(u"= 96487 C/mol"), blank})}},

        {{leftLine(1364, {body(Sheet::tr("Plank constant, h")), blank})},
         {rightLine(1364, {body(u"= 6.626 x 10"), up(u"-34"), body(u" J.s"), blank})}},

        {{leftLine(1484, {body(Sheet::tr("Acceleration of gravity, g")), blank})},
         {rightLine(1484, {body(u"= 32.2 ft/s"), up(u"2"), blank, blank}),
          rightLine(1589, {body(u" = 9.81 m/s"), up(u"2"), blank, blank})}},

        {{leftLine(1715, {body(Sheet::tr("Conversion factor, g", "a lowered c follows")), down(u"c"), blank, blank})},
         {rightLine(1715, {body(u"= 32.174 (lb"), down(u"m"), body(u"/lb"), down(u"f"), body(u").(ft/s"), up(u"2"),
                           body(u")"), blank})}},

        {{leftLine(1834, {body(Sheet::tr("Gravitational constant, G")), blank})},
         {rightLine(1834, {body(u"= 3.44 x 10"), up(u"-8"), body(u" ft"), up(u"4"), body(u"/lb"), down(u"f"),
                           body(u".s"), up(u"4"), blank, blank})}},
    };
    // clang-format on
}

const SheetLine &finalLine()
{
    static const SheetLine line{1966, 49, {0, sheetWidth - 1}, {{QStringLiteral(" "), RunKind::FinalLine}}};
    return line;
}

QString lineText(const SheetLine &line)
{
    QString text;
    for (const TextRun &run : line.runs)
        text += run.text;
    return text;
}

namespace {

QString plainLine(const SheetLine &line)
{
    QString text;
    for (const TextRun &run : line.runs) {
        if (run.kind == RunKind::Raised && run.text == u"o")
            text += QChar(0x00B0);
        else if (run.kind == RunKind::Raised)
            text += QLatin1Char('^') + run.text;
        else if (run.kind == RunKind::Lowered)
            text += QLatin1Char('_') + run.text;
        else
            text += run.text;
    }
    return text;
}

QString plainCell(const std::vector<SheetLine> &lines)
{
    QStringList parts;
    for (const SheetLine &line : lines)
        parts += plainLine(line);
    return parts.join(QLatin1Char(' ')).simplified();
}

} // namespace

QString plainText()
{
    QStringList lines;
    const std::vector<SheetRow> sheet = rows();
    for (std::size_t row = 1; row < sheet.size(); ++row) // row 0 is the title
        lines += plainCell(sheet[row].left) + QLatin1Char(' ') + plainCell(sheet[row].right);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace quantora::constants_sheet
