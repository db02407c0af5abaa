// SPDX-License-Identifier: MIT
#include "constants_sheet_painter.h"

#include <QFontMetricsF>
#include <QPainter>

namespace quantora {

using namespace constants_sheet;

QTransform sheetTransform(const QRectF &target)
{
    QTransform transform;
    transform.translate(target.left(), target.top());
    transform.scale(target.width() / sheetWidth, target.height() / sheetHeight);
    return transform;
}

QFont sheetFont(RunKind kind)
{
    const SheetFont spec = fontOf(kind);
    QFont font(spec.face.toString());
    font.setPixelSize(spec.height);
    font.setWeight(static_cast<QFont::Weight>(spec.weight));
    // The sheet is drawn scaled, usually differently in x and y: outlines snapped
    // to the 1-unit grid of the reference size would only distort it.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void paintSheetLine(QPainter &painter, const SheetLine &line, const QColor &colour)
{
    painter.save();
    painter.setPen(colour);
    const QRectF cell(line.clip.left, 0, line.clip.right - line.clip.left + 1, sheetHeight);
    painter.setClipRect(cell, Qt::IntersectClip);
    qreal x = line.x;
    for (const TextRun &run : line.runs) {
        const QFont font = sheetFont(run.kind);
        const QString &text = run.text;
        painter.setFont(font);
        painter.drawText(QPointF(x, line.baseline + baselineShift(run.kind)), text);
        x += QFontMetricsF(font).horizontalAdvance(text);
    }
    painter.restore();
}

void paintConstantsSheet(QPainter &painter, const QRectF &target)
{
    painter.save();
    painter.setTransform(sheetTransform(target), true);

    // Crisp grid lines: at screen size a line is about two pixels thick and
    // would only blur with antialiasing.
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const GridRect &r : gridRects())
        painter.fillRect(QRectF(r.left, r.top, r.right - r.left + 1, r.bottom - r.top + 1), gridColour);

    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const SheetRow &row : rows()) {
        for (const SheetLine &line : row.left)
            paintSheetLine(painter, line, textColour);
        for (const SheetLine &line : row.right)
            paintSheetLine(painter, line, textColour);
    }
    paintSheetLine(painter, finalLine(), finalLineColour);
    painter.restore();
}

} // namespace quantora
