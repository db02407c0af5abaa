// SPDX-License-Identifier: MIT
#include "pictures.h"

#include "baked_pictures.h"
#include "picture_drawing.h"

#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <memory>

namespace quantora {

namespace {

int drawnFromSvgForTesting = 0; // see picturesDrawnFromSvgForTesting

// The build's picture of that name and size, without a copy; a null image if
// the build drew none.
QImage bakedPicture(const QString &name, QSize size)
{
    for (const BakedPicture &baked : bakedPictures()) {
        if (baked.width == size.width() && baked.height == size.height() && name == QLatin1String(baked.name))
            return QImage(reinterpret_cast<const uchar *>(baked.pixels), baked.width, baked.height,
                          qsizetype(baked.width) * 4, QImage::Format_ARGB32_Premultiplied);
    }
    return {};
}

} // namespace

QImage picture(const QString &name, QSize logicalSize)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    if (ratio == 1.0) {
        if (QImage baked = bakedPicture(name, logicalSize); !baked.isNull())
            return baked;
    }
    ++drawnFromSvgForTesting;
    return drawPicture(name, logicalSize, ratio);
}

void paintPicture(QPainter &painter, const QString &name, const QRect &target)
{
    if (painter.device()->devicePixelRatio() == 1.0) {
        if (const QImage baked = bakedPicture(name, target.size()); !baked.isNull()) {
            painter.drawImage(target.topLeft(), baked);
            return;
        }
    }
    static QHash<QString, std::shared_ptr<QSvgRenderer>> renderers;
    auto &renderer = renderers[name];
    if (!renderer) {
        renderer = std::make_shared<QSvgRenderer>(pictureResource(name));
        renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
    }
    ++drawnFromSvgForTesting;
    renderer->render(&painter, QRectF(target));
}

QIcon pictureIcon(const QString &name)
{
    return QIcon(QPixmap::fromImage(picture(name, QSize(32, 32))));
}

QIcon windowIcon()
{
    // The icon's two images as pixmaps: the window system gets just these with
    // every new window, instead of four sizes up to 128 x 128 drawn from the
    // vector picture and converted again for each window.
    QIcon icon;
    for (const int side : {16, 32})
        icon.addPixmap(QPixmap::fromImage(picture(QStringLiteral("window-icon"), QSize(side, side))));
    return icon;
}

int picturesDrawnFromSvgForTesting()
{
    return drawnFromSvgForTesting;
}

void limitPixmapCache()
{
    // Enough for the faces of every window open at once.
    QPixmapCache::setCacheLimit(128); // KiB
}

} // namespace quantora
