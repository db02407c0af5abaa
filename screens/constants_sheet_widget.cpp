// SPDX-License-Identifier: MIT
#include "constants_sheet_widget.h"

#include "constants_sheet_painter.h"

#include <QPainter>

namespace quantora {

ConstantsSheetWidget::ConstantsSheetWidget(QWidget *parent) : QWidget(parent) {}

void ConstantsSheetWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintConstantsSheet(painter, QRectF(rect()));
}

} // namespace quantora
