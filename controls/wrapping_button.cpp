// SPDX-License-Identifier: MIT
#include "wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quantora {

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear(); // the bevel and focus frame only; the caption follows
    painter.drawControl(QStyle::CE_PushButton, option);

    const int margin = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this);
    const QRect textArea = rect().adjusted(margin, margin, -margin, -margin);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
}

} // namespace quantora
