// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

namespace quantora {

// A picture of the artwork ("length", "logo", ...) at the given logical size,
// sharp on high-DPI screens. At a device pixel ratio of 1 it is the picture the
// build drew, shown straight from the program's read-only data; on other
// screens, or at a size the build did not draw, it is drawn from the SVG.
QImage picture(const QString &name, QSize logicalSize);

// Paints a picture stretched over the target rectangle, independently in x
// and y: the build's picture where it has one of that size, else the SVG,
// parsed once and kept for the following paints.
void paintPicture(QPainter &painter, const QString &name, const QRect &target);

// A picture as the 32 x 32 icon of a button.
QIcon pictureIcon(const QString &name);

// The program's window icon: images of 16 x 16 and 32 x 32 pixels.
QIcon windowIcon();

// Test seam: how many pictures have been drawn from SVG so far. The program
// never reads it; a test does, to tell that at 100 % the windows show only the
// build's pictures.
int picturesDrawnFromSvgForTesting();

// Caps the process-wide cache of drawn pixmaps (call once at start). The style
// keeps each button face it draws there, keyed by the palette, and every
// conversion screen brings a palette of its own: uncapped, a long session
// would fill the default 10 MB with the faces of screens long closed.
void limitPixmapCache();

} // namespace quantora
