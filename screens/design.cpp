// SPDX-License-Identifier: MIT
#include "design.h"

#include <QApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace quantora::design {

QFont font(const QString &family, qreal pointSize, int weight)
{
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setWeight(static_cast<QFont::Weight>(weight));
    return f;
}

void installFontSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                                         QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(
        QStringLiteral("Comic Sans MS"),
        {QStringLiteral("Comic Neue"), QStringLiteral("Comic Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"),
        {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Bookman Old Style"),
                               {QStringLiteral("URW Bookman"), QStringLiteral("URW Bookman L"),
                                QStringLiteral("Bookman"), QStringLiteral("DejaVu Serif")});
}

void makeFixedDialog(QWidget &window, QSize clientSize)
{
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window.setFixedSize(clientSize);
    setBackground(window, windowBackground);
}

namespace {

int fitAxis(int start, int length, int areaStart, int areaLength)
{
    if (length >= areaLength)
        return areaStart;
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

// The window frame's margins. Some systems tell them only once a window has
// been shown; then those of a window already shown stand in (all windows of
// the program have the same kind of frame).
QMargins frameMargins(QWidget &window)
{
    window.winId(); // creates the window, whose frame some systems know before it is shown
    if (const QWindow *handle = window.windowHandle(); handle && !handle->frameMargins().isNull())
        return handle->frameMargins();
    for (const QWidget *other : QApplication::topLevelWidgets())
        if (const QWindow *handle = other->windowHandle(); other->isVisible() && handle)
            if (!handle->frameMargins().isNull())
                return handle->frameMargins();
    return {};
}

QRect availableArea(QPoint at)
{
    const QScreen *screen = QGuiApplication::screenAt(at);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

QRect fitOnScreen(QRect frame, QRect available)
{
    if (available.isEmpty())
        return frame;
    return {QPoint(fitAxis(frame.left(), frame.width(), available.left(), available.width()),
                   fitAxis(frame.top(), frame.height(), available.top(), available.height())),
            frame.size()};
}

void placeWindow(QWidget &window, int leftTwips, int topTwips)
{
    const QRect frame(QPoint(px(leftTwips), px(topTwips)), window.size().grownBy(frameMargins(window)));
    window.move(fitOnScreen(frame, availableArea(frame.topLeft())).topLeft());
}

void placeClientArea(QWidget &window, int leftTwips, int topTwips)
{
    const QMargins margins = frameMargins(window);
    const QPoint corner(margins.left(), margins.top());
    const QPoint client(px(leftTwips), px(topTwips));
    const QRect frame(client - corner, window.size().grownBy(margins));
    const QRect fitted = fitOnScreen(frame, availableArea(client));
    window.setGeometry(QRect(fitted.topLeft() + corner, window.size()));
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
