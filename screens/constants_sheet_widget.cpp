// SPDX-License-Identifier: MIT
#include "constants_sheet_widget.h"

#include "constants_sheet.h"
#include "constants_sheet_painter.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

namespace quantora {

ConstantsSheetWidget::ConstantsSheetWidget(QWidget *parent) : QWidget(parent)
{
    // The sheet is a picture; its context menu copies what it says as text.
    auto *copy = new QAction(tr("Copy"), this);
    copy->setObjectName(QStringLiteral("copyConstants"));
    connect(copy, &QAction::triggered, this,
            [] { QGuiApplication::clipboard()->setText(constants_sheet::plainText()); });
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void ConstantsSheetWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintConstantsSheet(painter, QRectF(rect()));
}

} // namespace quantora
