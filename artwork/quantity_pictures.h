// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QSize>
#include <QString>

namespace quantora {

// The picture of a quantity's button on the main menu: the artwork's name and
// the size it is drawn at (32 × 32 for icons, the pixel size of bitmaps, the
// box for vector pictures).
struct QuantityPicture {
    QString name;
    QSize size;
};

// The picture of the main-menu button with this objectName; an empty name if unknown.
QuantityPicture quantityPicture(const QString &button);

// The pictures of all the quantities.
QList<QuantityPicture> quantityPictures();

} // namespace quantora
