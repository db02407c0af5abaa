// SPDX-License-Identifier: MIT
#include "picture_drawing.h"

#include <QPainter>
#include <QSvgRenderer>

namespace quantora {

QString pictureResource(const QString &name)
{
    return QStringLiteral(":/pictures/%1.svg").arg(name);
}

QImage drawPicture(const QString &name, QSize logicalSize, qreal ratio)
{
    QImage image(logicalSize * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        QSvgRenderer(pictureResource(name)).render(&painter, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
    }
    // A copy, because the image keeps the paint engine it was drawn with.
    return image.copy();
}

} // namespace quantora
