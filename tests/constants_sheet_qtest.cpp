// SPDX-License-Identifier: MIT
// The constants sheet: its data details, and the picture it paints, checked
// against the sheet's stated coordinates at natural size and at window size.
#include "accessibility.h"
#include "constants_sheet.h"
#include "constants_sheet_painter.h"
#include "constants_sheet_widget.h"
#include "faces.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QScopeGuard>
#include <QTest>

#include <algorithm>
#include <climits>
#include <vector>

using namespace quantora;
using namespace quantora::constants_sheet;

namespace {

const QRgb window = qRgb(128, 128, 255);
const QRgb blue = qRgb(0, 0, 255);

// Navy text, solid or antialiased over the window colour; neither the grid's
// blue nor the background counts.
bool isInk(QRgb p)
{
    return qRed(p) < 96 && qGreen(p) < 96 && qBlue(p) < 224;
}

struct Span {
    int first, last; // inclusive
};

// clang-format off
// The grid as the sheet states it: outer frame, row separators, column divider.
const std::vector<QRect> designGrid = {
    {QPoint(0, 0), QPoint(3325, 7)},       {QPoint(0, 1868), QPoint(3325, 1875)},
    {QPoint(0, 0), QPoint(7, 1875)},       {QPoint(3318, 0), QPoint(3325, 1875)},
    {QPoint(0, 326), QPoint(3325, 333)},   {QPoint(0, 557), QPoint(3325, 564)},
    {QPoint(0, 676), QPoint(3325, 683)},   {QPoint(0, 913), QPoint(3325, 920)},
    {QPoint(0, 1033), QPoint(3325, 1040)}, {QPoint(0, 1153), QPoint(3325, 1160)},
    {QPoint(0, 1272), QPoint(3325, 1279)}, {QPoint(0, 1392), QPoint(3325, 1399)},
    {QPoint(0, 1623), QPoint(3325, 1630)}, {QPoint(0, 1742), QPoint(3325, 1749)},
    {QPoint(1853, 326), QPoint(1860, 1875)},
};
// The y range inside each row, between its separators.
const std::vector<Span> rowBands = {{8, 325},     {334, 556},   {565, 675},   {684, 912},
                                    {921, 1032},  {1041, 1152}, {1161, 1271}, {1280, 1391},
                                    {1400, 1622}, {1631, 1741}, {1750, 1867}};
// clang-format on
const Span titleSpan{8, 3317}, leftSpan{8, 1852}, rightSpan{1861, 3317};

bool inDesignGrid(QPoint p)
{
    return std::any_of(designGrid.begin(), designGrid.end(), [p](const QRect &r) { return r.contains(p); });
}

// Where text may leave ink: inside a row band, within one of the row's cells.
bool inSomeCell(QPoint p)
{
    const auto in = [](int v, Span s) { return v >= s.first && v <= s.last; };
    for (std::size_t row = 0; row < rowBands.size(); ++row)
        if (in(p.y(), rowBands[row]))
            return row == 0 ? in(p.x(), titleSpan) : in(p.x(), leftSpan) || in(p.x(), rightSpan);
    return false;
}

struct Ink {
    int count = 0, left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
};

Ink inkIn(const QImage &image, const QRect &area)
{
    Ink ink;
    const QRect r = area & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (isInk(image.pixel(x, y))) {
                ++ink.count;
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
    return ink;
}

QImage blankImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(window);
    return image;
}

QImage renderSheet(QSize imageSize, const QRectF &target)
{
    QImage image = blankImage(imageSize);
    QPainter painter(&image);
    paintConstantsSheet(painter, target);
    return image;
}

QImage renderLine(const SheetLine &line, QSize size = {600, 600})
{
    QImage image = blankImage(size);
    QPainter painter(&image);
    paintSheetLine(painter, line, textColour);
    return image;
}

SheetLine rowLine(int row, bool right, int index = 0)
{
    const SheetRow r = rows().at(static_cast<std::size_t>(row));
    return (right ? r.right : r.left).at(static_cast<std::size_t>(index));
}

} // namespace

class ConstantsSheetTest : public QObject {
    Q_OBJECT

    QImage m_natural; // the sheet at one pixel per unit

private slots:
    void initTestCase()
    {
        design::installFontSubstitutions();
        m_natural = renderSheet({sheetWidth, sheetHeight}, QRectF(0, 0, sheetWidth, sheetHeight));
    }

    // What the sheet says, as text on the clipboard and to a screen reader, its
    // numbers in the reader's decimal separator.
    void copiedAndReadAsTheTenConstants_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("decimal point")
            << QLocale::c()
            << QString::fromUtf8(
                   "Standard temperature and pressure (stp) = 273.15K and 1.013 x 10^5 N/m^2 = 0\u00B0C and 1.013 bar\n"
                   "Molecular volume of ideal gas at stp = 22.4 liters/mol\n"
                   "Universal Gas constant, R = 8.314 J/mol.K = 1.9872 cal/mole.K\n"
                   "Avogadro\u2019s number, N_A = 6.022 x 10^23 /mol\n"
                   "Boltzmann constant, k = 1.3807 x 10^-23 J/K\n"
                   "Faraday constant, F = 96487 C/mol\n"
                   "Plank constant, h = 6.626 x 10^-34 J.s\n"
                   "Acceleration of gravity, g = 32.2 ft/s^2 = 9.81 m/s^2\n"
                   "Conversion factor, g_c = 32.174 (lb_m/lb_f).(ft/s^2)\n"
                   "Gravitational constant, G = 3.44 x 10^-8 ft^4/lb_f.s^4\n");
        QTest::newRow("decimal comma")
            << QLocale(QLocale::German, QLocale::Germany)
            << QString::fromUtf8(
                   "Standard temperature and pressure (stp) = 273,15K and 1,013 x 10^5 N/m^2 = 0\u00B0C and 1,013 bar\n"
                   "Molecular volume of ideal gas at stp = 22,4 liters/mol\n"
                   "Universal Gas constant, R = 8,314 J/mol.K = 1,9872 cal/mole.K\n"
                   "Avogadro\u2019s number, N_A = 6,022 x 10^23 /mol\n"
                   "Boltzmann constant, k = 1,3807 x 10^-23 J/K\n"
                   "Faraday constant, F = 96487 C/mol\n"
                   "Plank constant, h = 6,626 x 10^-34 J.s\n"
                   "Acceleration of gravity, g = 32,2 ft/s^2 = 9,81 m/s^2\n"
                   "Conversion factor, g_c = 32,174 (lb_m/lb_f).(ft/s^2)\n"
                   "Gravitational constant, G = 3,44 x 10^-8 ft^4/lb_f.s^4\n");
    }

    void copiedAndReadAsTheTenConstants()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, expected);
        const QLocale before;
        QLocale::setDefault(locale);
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
        ConstantsSheetWidget sheet;
        QCOMPARE(sheet.contextMenuPolicy(), Qt::ActionsContextMenu);
        QCOMPARE(sheet.actions().size(), 1);
        QCOMPARE(sheet.actions().constFirst()->text(), QStringLiteral("Copy"));
        QGuiApplication::clipboard()->clear();
        sheet.actions().constFirst()->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);

        installAccessibleInterfaces();
        QAccessibleInterface *readable = QAccessible::queryAccessibleInterface(&sheet);
        QVERIFY(readable);
        QCOMPARE(readable->text(QAccessible::Name), QStringLiteral("Constants"));
        QAccessibleTextInterface *text = readable->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), expected);
        QCOMPARE(text->text(0, -1), expected);
    }

    void textDetails()
    {
        QCOMPARE(rows().size(), std::size_t(11));
        QVERIFY(lineText(rowLine(4, false)).startsWith(QStringLiteral("Avogadro\u2019s number, N")));
        QCOMPARE(rowLine(7, false).runs.front().text, QStringView(u"Plank constant, h"));
        // The second lines of rows 1 and 8 start one blank further right.
        QVERIFY(lineText(rowLine(1, true, 1)).startsWith(QStringLiteral(" = 0")));
        QVERIFY(lineText(rowLine(8, true, 1)).startsWith(QStringLiteral(" = 9.81")));
        // Every line ends in a blank of its main font; these carry two.
        const QList<QPair<int, bool>> twoBlanks = {{4, false}, {8, true}, {9, false}, {10, true}};
        const std::vector<SheetRow> sheet = rows();
        for (int row = 0; row < 11; ++row)
            for (bool right : {false, true})
                for (const SheetLine &line : right ? sheet[row].right : sheet[row].left) {
                    int blanks = 0;
                    for (auto run = line.runs.rbegin(); run != line.runs.rend() && run->text == u" "; ++run) {
                        QCOMPARE(run->kind, row == 0 ? RunKind::Title : RunKind::Body);
                        ++blanks;
                    }
                    QCOMPARE(blanks, twoBlanks.contains({row, right}) ? 2 : 1);
                }
    }

    // A capital H stands on the baseline and is about 0.7 em tall in Arial,
    // 0.66 em in Times New Roman: its height proves the em size, its foot the
    // baseline offset, its stem (bold 0.15 em, regular 0.1 em) the weight.
    void runFonts_data()
    {
        QTest::addColumn<RunKind>("kind");
        QTest::addColumn<int>("foot");
        QTest::addColumn<int>("em");
        QTest::addColumn<qreal>("capHeight");
        QTest::addColumn<bool>("bold");
        QTest::newRow("body, Arial 92") << RunKind::Body << 299 << 92 << 0.70 << true;
        QTest::newRow("raised, Arial 58, 42 up") << RunKind::Raised << 299 - 42 << 58 << 0.70 << true;
        QTest::newRow("lowered, Arial 58, 13 down") << RunKind::Lowered << 299 + 13 << 58 << 0.70 << true;
        QTest::newRow("title, Times New Roman 167") << RunKind::Title << 299 << 167 << 0.66 << true;
        QTest::newRow("final line, Times New Roman 100") << RunKind::FinalLine << 299 << 100 << 0.66 << false;
    }

    void runFonts()
    {
        QFETCH(RunKind, kind);
        QFETCH(int, foot);
        QFETCH(int, em);
        QFETCH(qreal, capHeight);
        QFETCH(bool, bold);
        const QImage image = renderLine({300, 100, {0, 599}, {{QStringLiteral("H"), kind}}}); // baseline y 300
        const Ink ink = inkIn(image, image.rect());
        QVERIFY(std::abs(ink.bottom - foot) <= 1);
        QVERIFY(std::abs(qreal(ink.bottom - ink.top + 1) / em - capHeight) < 0.03);
        QVERIFY(ink.left >= 100 && ink.left <= 110);
        const int y = (ink.top + 3 * ink.bottom) / 4;
        int x = ink.left;
        while (!isInk(image.pixel(x, y)))
            ++x;
        int stem = 0;
        while (isInk(image.pixel(x + stem, y)))
            ++stem;
        QVERIFY2(bold ? stem > 0.125 * em : stem < 0.115 * em, qPrintable(QString::number(stem)));
    }

    // Runs follow each other at their own fonts' advance widths.
    void runsFollowAtTheirAdvances()
    {
        const qreal body = QFontMetricsF(sheetFont(RunKind::Body)).horizontalAdvance(QStringLiteral("= 6.0"));
        const qreal raised = QFontMetricsF(sheetFont(RunKind::Raised)).horizontalAdvance(QStringLiteral("23"));
        // Arial's digits and "=" are about 0.56 em wide, the blank and the point 0.28 em.
        QVERIFY(body > 92 * 2.2 && body < 92 * 2.3);
        QVERIFY(raised > 58 * 1.08 && raised < 58 * 1.15);

        QImage separate = blankImage({600, 600});
        QPainter painter(&separate);
        paintSheetLine(painter, {300, 100, {0, 599}, {{QStringLiteral("= 6.0"), RunKind::Body}}}, textColour);
        painter.translate(body, 0);
        paintSheetLine(painter, {300, 100, {0, 599}, {{QStringLiteral("23"), RunKind::Raised}}}, textColour);
        painter.translate(raised, 0);
        paintSheetLine(painter, {300, 100, {0, 599}, {{QStringLiteral(" /m"), RunKind::Body}}}, textColour);
        painter.end();
        QCOMPARE(renderLine({300,
                             100,
                             {0, 599},
                             {{QStringLiteral("= 6.0"), RunKind::Body},
                              {QStringLiteral("23"), RunKind::Raised},
                              {QStringLiteral(" /m"), RunKind::Body}}}),
                 separate);
    }

    // An unbroken stroke of underscores is cut exactly at its cell's edge,
    // whose last column is still inside.
    void runsAreClippedToTheirCell_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("x");
        QTest::newRow("left cell, text running into the divider") << 8 << 1852 << 1700;
        QTest::newRow("right cell, text starting left of it") << 1861 << 3317 << 1800;
        QTest::newRow("title, text running into the frame") << 8 << 3317 << 3150;
    }

    void runsAreClippedToTheirCell()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, x);
        const QImage image =
            renderLine({150, x, {first, last}, {{QStringLiteral("________________"), RunKind::Body}}}, {3373, 200});
        const Ink ink = inkIn(image, image.rect());
        QVERIFY(ink.left >= first && ink.right <= last);
        QVERIFY(x < first ? ink.left == first : ink.right == last);
    }

    // At natural size every pixel is grid blue exactly where the sheet puts a
    // grid rectangle, text only inside cells, and the window colour everywhere
    // else: no background is painted and the empty last line shows nothing.
    void everyPixelInItsPlace()
    {
        for (int y = 0; y < sheetHeight; ++y)
            for (int x = 0; x < sheetWidth; ++x) {
                const QRgb p = m_natural.pixel(x, y);
                const bool grid = inDesignGrid({x, y});
                if ((p == blue) != grid || (isInk(p) && !inSomeCell({x, y})) ||
                    (!grid && !inSomeCell({x, y}) && p != window))
                    QFAIL(qPrintable(QStringLiteral("wrong pixel at %1, %2").arg(x).arg(y)));
            }
    }

    // Each line starts at its x, stands on its baseline, and reaches above the
    // capitals only where it has a raised run.
    void linesStandAtTheirPlaces()
    {
        struct Line {
            int row, baseline, x;
            bool right, raised;
            int nextBaseline; // of the cell's next line, 0 if none
        };
        const int l = 49, r = 1902, rb = 1902 + 25; // rb: after a leading blank
        // clang-format off
        const Line lines[] = {
            {0, 163, 1306, false, false, 0},
            {1, 418, l, false, false, 0},  {1, 418, r, true, true, 523},  {1, 523, rb, true, true, 0},
            {2, 649, l, false, false, 0},  {2, 649, r, true, false, 0},
            {3, 768, l, false, false, 0},  {3, 768, r, true, false, 874}, {3, 874, r, true, false, 0},
            {4, 1005, l, false, false, 0}, {4, 1005, r, true, true, 0},
            {5, 1125, l, false, false, 0}, {5, 1125, r, true, true, 0},
            {6, 1245, l, false, false, 0}, {6, 1245, r, true, false, 0},
            {7, 1364, l, false, false, 0}, {7, 1364, r, true, true, 0},
            {8, 1484, l, false, false, 0}, {8, 1484, r, true, true, 1589}, {8, 1589, rb, true, true, 0},
            {9, 1715, l, false, false, 0}, {9, 1715, r, true, true, 0},
            {10, 1834, l, false, false, 0}, {10, 1834, r, true, true, 0},
        };
        // clang-format on
        for (const Line &line : lines) {
            const QString where = QStringLiteral("row %1, baseline %2").arg(line.row).arg(line.baseline);
            const Span cell = line.row == 0 ? titleSpan : line.right ? rightSpan : leftSpan;
            const Span band = rowBands.at(static_cast<std::size_t>(line.row));
            const auto ink = [&](int from, int to) {
                return inkIn(m_natural, QRect(QPoint(cell.first, std::max(from, band.first)),
                                              QPoint(cell.last, std::min(to, band.last))));
            };
            const int b = line.baseline;
            const int reach = line.row == 0 ? 115 : 86; // tallest glyph above the baseline
            const int depth = line.row == 0 ? 40 : 20;  // deepest descender below it

            const Ink stems = ink(b - (line.row == 0 ? 105 : 60), b - 5);
            QVERIFY2(stems.left >= line.x && stems.left <= line.x + 10, qPrintable(where));
            // Glyph feet crowd the rows just above the baseline, not those below it.
            QVERIFY2(ink(b - 3, b - 1).count > 3 * ink(b + 2, b + 4).count, qPrintable(where));
            QVERIFY2(ink(b - reach - 15, b - reach - 1).count == 0, qPrintable(where));
            const int clearTo = line.nextBaseline ? line.nextBaseline - reach - 1 : b + depth + 10;
            QVERIFY2(ink(b + depth + 1, clearTo).count == 0, qPrintable(where));
            // Body text reaches 0.73 em (67 units) up; raised digits 42 + 0.72 × 58 = 84.
            if (line.row > 0)
                QVERIFY2((ink(b - 86, b - 71).count > 0) == line.raised, qPrintable(where));
        }
    }

    // The title word is centred on the middle of the table, x 1662.5.
    void titleIsCentred()
    {
        const Ink title = inkIn(m_natural, QRect(QPoint(8, 8), QPoint(3317, 325)));
        QVERIFY(std::abs((title.left + title.right + 1) / 2.0 - 1662.5) <= 6);
    }

    // The window shows the sheet at 644 × 511 pixels, 0.1909 pixels per unit
    // across and 0.2567 down. Drawn into a larger image at an offset, each grid
    // line must stand at its scaled place, text fill every cell, and nothing
    // leave the table.
    void stretchedToTheTarget()
    {
        const QRectF target(10, 20, 644, 511);
        const QImage image = renderSheet({664, 541}, target);
        const qreal sx = 644.0 / sheetWidth, sy = 511.0 / sheetHeight;
        const auto toImage = [&](qreal ux, qreal uy) {
            return QPoint(int(target.left() + ux * sx), int(target.top() + uy * sy));
        };

        for (const QRect &r : designGrid) {
            const qreal midX = (r.left() + r.right() + 1) / 2.0, midY = (r.top() + r.bottom() + 1) / 2.0;
            for (qreal along : {0.1, 0.5, 0.9}) {
                const QPoint p = r.width() > r.height() ? toImage(r.left() + along * r.width(), midY)
                                                        : toImage(midX, r.top() + along * r.height());
                QVERIFY2(image.pixel(p) == blue,
                         qPrintable(QStringLiteral("grid line at %1, %2").arg(r.x()).arg(r.y())));
            }
        }
        for (std::size_t row = 0; row < rowBands.size(); ++row) {
            const Span band = rowBands[row];
            QCOMPARE(image.pixel(toImage(28, (band.first + band.last) / 2.0)), window);
            for (const Span &cell : row == 0 ? QList<Span>{titleSpan} : QList<Span>{leftSpan, rightSpan}) {
                const QRect area(toImage(cell.first, band.first) + QPoint(1, 1),
                                 toImage(cell.last + 1, band.last + 1) - QPoint(1, 1));
                QVERIFY2(inkIn(image, area).count > 20, qPrintable(QStringLiteral("no text in row %1").arg(row)));
            }
        }
        const QRect table(toImage(0, 0), toImage(3326, 1876) - QPoint(1, 1));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (!table.contains(x, y) && image.pixel(x, y) != window)
                    QFAIL(qPrintable(QStringLiteral("drawn outside the table at %1, %2").arg(x).arg(y)));
    }
};

QTEST_MAIN(ConstantsSheetTest)
#include "constants_sheet_qtest.moc"
