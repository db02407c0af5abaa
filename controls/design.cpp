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

QRect availableArea(QPoint at)
{
    const QScreen *screen = QGuiApplication::screenAt(at);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The frame of the program's windows, as far as the system has told it. Some
// systems (X11) tell a window's frame only once it is shown; then the frame of
// a window shown before stands in (all windows of the program have the same
// kind of frame), and the program's first window learns it as it appears.
QMargins &knownFrameMargins()
{
    static QMargins margins;
    return margins;
}

class LearnFrameMargins : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QWindow *handle = qobject_cast<const QWindow *>(watched);
        if (event->type() == QEvent::Expose && handle && !handle->frameMargins().isNull()) {
            knownFrameMargins() = handle->frameMargins();
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

QMargins frameMargins(QWidget &window)
{
    window.winId(); // creates the window, whose frame some systems know before it is shown
    QWindow *handle = window.windowHandle();
    if (!handle)
        return knownFrameMargins();
    if (!handle->frameMargins().isNull())
        return knownFrameMargins() = handle->frameMargins();
    if (knownFrameMargins().isNull())
        handle->installEventFilter(new LearnFrameMargins(handle));
    return knownFrameMargins();
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
