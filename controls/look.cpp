// SPDX-License-Identifier: MIT
#include "look.h"

#include "faces.h"

#include <QApplication>
#include <QStyleFactory>
#include <QToolTip>
#include <QWidget>

namespace quantora::design {

QPalette plainQtPalette()
{
    // Qt's light palette as it stands without a desktop theme (a theme changes
    // what even the Fusion style's standardPalette() gives).
    // clang-format off
    static const struct {
        QPalette::ColorRole role;
        QRgb active, disabled, inactive;
    } plain[] = {
        {QPalette::WindowText,      0xff000000, 0xffbebebe, 0xff000000},
        {QPalette::Button,          0xffefefef, 0xffefefef, 0xffefefef},
        {QPalette::Light,           0xffffffff, 0xffffffff, 0xffffffff},
        {QPalette::Midlight,        0xffcacaca, 0xffcacaca, 0xffcacaca},
        {QPalette::Dark,            0xff9f9f9f, 0xffbebebe, 0xff9f9f9f},
        {QPalette::Mid,             0xffb8b8b8, 0xffb8b8b8, 0xffb8b8b8},
        {QPalette::Text,            0xff000000, 0xffbebebe, 0xff000000},
        {QPalette::BrightText,      0xffffffff, 0xffffffff, 0xffffffff},
        {QPalette::ButtonText,      0xff000000, 0xffbebebe, 0xff000000},
        {QPalette::Base,            0xffffffff, 0xffefefef, 0xffffffff},
        {QPalette::Window,          0xffefefef, 0xffefefef, 0xffefefef},
        {QPalette::Shadow,          0xff767676, 0xffb1b1b1, 0xff767676},
        {QPalette::Highlight,       0xff308cc6, 0xff919191, 0xff308cc6},
        {QPalette::HighlightedText, 0xffffffff, 0xffffffff, 0xffffffff},
        {QPalette::Link,            0xff0000ff, 0xff0000ff, 0xff0000ff},
        {QPalette::LinkVisited,     0xffff00ff, 0xffff00ff, 0xffff00ff},
        {QPalette::AlternateBase,   0xfff7f7f7, 0xfff7f7f7, 0xfff7f7f7},
        {QPalette::ToolTipBase,     0xffffffdc, 0xffffffdc, 0xffffffdc},
        {QPalette::ToolTipText,     0xff000000, 0xff000000, 0xff000000},
        {QPalette::PlaceholderText, 0x80000000, 0x80000000, 0x80000000},
    };
    // clang-format on
    static const QPalette qtLight = [] {
        // Set explicitly, every role is what a widget keeps, and passes on to its
        // children, over the application's palette and a theme's per-class ones.
        QPalette colours;
        for (const auto &[role, active, disabled, inactive] : plain) {
            colours.setColor(QPalette::Active, role, QColor::fromRgba(active));
            colours.setColor(QPalette::Disabled, role, QColor::fromRgba(disabled));
            colours.setColor(QPalette::Inactive, role, QColor::fromRgba(inactive));
        }
        return colours;
    }();
    return qtLight;
}

void installLook([[maybe_unused]] bool styleGiven)
{
#ifndef Q_OS_WIN
    // A desktop theme (KDE's, qt6ct) would choose its own style; Windows' own
    // style follows no theme.
    if (!styleGiven)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
#endif
    QApplication::setPalette(plainQtPalette());
    QApplication::setFont(defaultFont());
    // Tooltips are windows of their own, with a palette and font of their own.
    QToolTip::setPalette(plainQtPalette());
    QToolTip::setFont(defaultFont());
}

void makeFixedDialog(QWidget &window, QSize clientSize)
{
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window.setFixedSize(clientSize);
    // The window's own palette and font, so that its controls keep them whatever
    // the application's become (a desktop theme sets them, and can change them).
    window.setPalette(plainQtPalette());
    window.setFont(defaultFont());
    setBackground(window, windowBackground);
}

void setBackground(QWidget &widget, const QColor &colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void setTextColour(QWidget &widget, const QColor &colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget.setPalette(palette);
}

} // namespace quantora::design
