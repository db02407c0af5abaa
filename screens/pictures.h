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

// The renderer of an SVG resource, parsed once and kept for the whole run (for
// pictures drawn again at every paint).
QSvgRenderer *sharedRenderer(const QString &svgResource);

// An SVG resource drawn into a pixmap of the given logical size, sharp on
// high-DPI screens. The document is parsed for this drawing only.
QPixmap renderPicture(const QString &svgResource, QSize logicalSize);

// An SVG resource as the 32 x 32 icon of a button's picture.
QIcon svgIcon(const QString &svgResource);

// The program's window icon: images of 16 x 16 and 32 x 32 pixels.
QIcon windowIcon();

// Caps the process-wide cache of drawn pixmaps (call once at start). The style
// keeps each button face it draws there, keyed by the palette, and every
// conversion screen brings a palette of its own: uncapped, a long session
// would fill the default 10 MB with the faces of screens long closed.
void limitPixmapCache();

} // namespace quantora
