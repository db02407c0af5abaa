// SPDX-License-Identifier: MIT
#pragma once

// The windows are designed in twips (1/1440 inch) at 96 dots per inch, where 15
// twips make one logical pixel; Qt's high-DPI scaling does the rest.

#include <QAnyStringView>
#include <QRect>
#include <QSize>

namespace quantora::design {

constexpr int twipsPerPixel = 15;

constexpr int px(int twips)
{
    return (twips + twipsPerPixel / 2) / twipsPerPixel;
}
inline QRect rect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}
inline QSize size(int width, int height)
{
    return {px(width), px(height)};
}

// Gives a control its name and its place in the design.
template <typename Control> Control *place(Control *control, QAnyStringView name, QRect geometry)
{
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

} // namespace quantora::design
