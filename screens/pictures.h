// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

class QSvgRenderer;

namespace quantora {

// The program's own artwork, compiled in as SVG under ":/pictures/".
QString pictureResource(const QString &name); // "logo" -> ":/pictures/logo.svg"

// The renderer of an SVG resource, parsed once and kept for the whole run.
QSvgRenderer *sharedRenderer(const QString &svgResource);

// An SVG resource drawn into a pixmap of the given logical size, sharp on
// high-DPI screens.
QPixmap renderPicture(const QString &svgResource, QSize logicalSize);

// An SVG resource as an icon (sharp at every size the window system asks for).
QIcon svgIcon(const QString &svgResource);

// The program's window icon.
QIcon windowIcon();

} // namespace quantora
