// SPDX-License-Identifier: MIT
#include "bordered_label.h"

#include <QPainter>

namespace quantora {

BorderedLabel::BorderedLabel(QWidget *parent) : QLabel(parent)
{
    // The frame keeps the text one pixel in from the edge; the border is drawn over it.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

void BorderedLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace quantora
