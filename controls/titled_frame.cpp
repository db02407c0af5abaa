// SPDX-License-Identifier: MIT
#include "titled_frame.h"

#include <QPainter>

namespace quantora {

namespace {

const QColor borderGrey{128, 128, 128};
const QColor borderWhite{255, 255, 255};
constexpr int titleIndent = 8; // from the left edge to the title's gap in the border
constexpr int titlePadding = 2;

} // namespace

int TitledFrame::borderTop() const
{
    return fontMetrics().height() / 2;
}

void TitledFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The background is the widget's own (auto-filled); only border and title are drawn.
    const int top = borderTop();
    const QRect outer(0, top, width() - 1, height() - top - 1);
    painter.setPen(borderWhite);
    painter.drawRect(outer.translated(1, 1).adjusted(0, 0, -1, -1));
    painter.setPen(borderGrey);
    painter.drawRect(outer.adjusted(0, 0, -1, -1));

    if (title().isEmpty())
        return;
    const QRect titleRect(titleIndent, 0, fontMetrics().horizontalAdvance(title()) + 2 * titlePadding,
                          fontMetrics().height());
    painter.fillRect(titleRect, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(titleRect, Qt::AlignCenter | Qt::TextSingleLine, title());
}

} // namespace quantora
