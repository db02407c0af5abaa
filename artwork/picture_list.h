// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QSize>
#include <QString>

namespace quantora {

// A picture of the artwork as a window shows it: its name and logical size.
struct PictureUse {
    QString name;
    QSize size;
};

// Every picture the windows show, each size once. The build draws these in
// advance for screens of device pixel ratio 1 (tools/bake_pictures).
QList<PictureUse> picturesShown();

} // namespace quantora
