// SPDX-License-Identifier: MIT
#include "pictures.h"

#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <memory>

namespace quantora {

QString pictureResource(const QString &name)
{
    return QStringLiteral(":/pictures/%1.svg").arg(name);
}

QSvgRenderer *sharedRenderer(const QString &svgResource)
{
    static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    auto &renderer = renderers[svgResource];
    if (!renderer)
        renderer = std::make_shared<QSvgRenderer>(svgResource);
    return renderer.get();
}

QPixmap renderPicture(const QString &svgResource, QSize logicalSize)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QImage image(logicalSize * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        // Each picture is drawn once; its parsed document is not kept.
        QSvgRenderer(svgResource).render(&painter, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
    }
    // A copy, because the image keeps the paint engine it was drawn with.
    return QPixmap::fromImage(image.copy());
}

QIcon svgIcon(const QString &svgResource)
{
    // Drawn here rather than by Qt's SVG icon engine, a plugin loaded for two pictures.
    return QIcon(renderPicture(svgResource, QSize(32, 32)));
}

QIcon windowIcon()
{
    // The icon's two images as pixmaps: the window system gets just these with
    // every new window, instead of four sizes up to 128 x 128 drawn from the
    // vector picture and converted again for each window.
    const QString picture = pictureResource(QStringLiteral("window-icon"));
    QIcon icon;
    for (const int side : {16, 32})
        icon.addPixmap(renderPicture(picture, QSize(side, side)));
    return icon;
}

void limitPixmapCache()
{
    // Enough for the faces of every window open at once.
    QPixmapCache::setCacheLimit(128); // KiB
}

} // namespace quantora
