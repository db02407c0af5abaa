// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace quantora {

// The program's own artwork, compiled in as SVG under ":/pictures/".
QString pictureResource(const QString &name); // "logo" -> ":/pictures/logo.svg"

// A picture of the artwork drawn from its SVG into an image of the given
// logical size at the given device pixel ratio, on a transparent background.
// The document is parsed for this drawing only.
QImage drawPicture(const QString &name, QSize logicalSize, qreal ratio);

} // namespace quantora
