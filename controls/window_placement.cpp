// SPDX-License-Identifier: MIT
#include "window_placement.h"

#include "twips.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace quantora::design {

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
// kind of frame).
QMargins &knownFrameMargins()
{
    static QMargins margins;
    return margins;
}

enum class Anchor { Frame, ClientArea };

// Puts the window's frame, or its client area, at a design position, with the
// frame kept on the screen by fitOnScreen.
void place(QWidget &window, QPoint designed, Anchor anchor, QMargins margins)
{
    const QPoint corner(margins.left(), margins.top());
    const QRect frame(anchor == Anchor::Frame ? designed : designed - corner, window.size().grownBy(margins));
    const QRect fitted = fitOnScreen(frame, availableArea(designed));
    if (anchor == Anchor::Frame)
        window.move(fitted.topLeft()); // Qt places a top-level's frame by move()
    else
        window.setGeometry(QRect(fitted.topLeft() + corner, window.size()));
}

// Places a window again once it is shown, if its frame then turns out to be
// other than the one it was placed with (the program's first window under a
// window manager, which adds the frame only as it maps the window). Without a
// window manager there is no frame and the window stays where it is.
class PlaceAgainOnceFramed : public QObject {
public:
    PlaceAgainOnceFramed(QWidget &window, QPoint designed, Anchor anchor, QMargins used)
        : QObject(window.windowHandle()), m_window(&window), m_designed(designed), m_anchor(anchor), m_used(used)
    {
        window.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *handle = qobject_cast<QWindow *>(watched);
        if (event->type() != QEvent::Expose || !handle || !handle->isExposed())
            return false;
        handle->removeEventFilter(this);
        deleteLater();
        const QMargins frame = handle->frameMargins();
        if (frame.isNull() || frame == m_used || !m_window)
            return false;
        knownFrameMargins() = frame;
        // After the exposure, not inside it.
        QTimer::singleShot(0, m_window, [window = m_window, designed = m_designed, anchor = m_anchor, frame] {
            if (window)
                place(*window, designed, anchor, frame);
        });
        return false;
    }

private:
    QPointer<QWidget> m_window;
    QPoint m_designed;
    Anchor m_anchor;
    QMargins m_used;
};

void placeTopLevel(QWidget &window, QPoint designed, Anchor anchor)
{
    window.winId(); // creates the window, whose frame some systems know before it is shown
    QWindow *handle = window.windowHandle();
    QMargins margins = knownFrameMargins();
    if (handle && !handle->frameMargins().isNull())
        margins = knownFrameMargins() = handle->frameMargins();
    else if (handle)
        new PlaceAgainOnceFramed(window, designed, anchor, margins);
    place(window, designed, anchor, margins);
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

void assumeFrameMargins(QMargins margins)
{
    knownFrameMargins() = margins;
}

void placeWindow(QWidget &window, int leftTwips, int topTwips)
{
    placeTopLevel(window, QPoint(px(leftTwips), px(topTwips)), Anchor::Frame);
}

void placeClientArea(QWidget &window, int leftTwips, int topTwips)
{
    placeTopLevel(window, QPoint(px(leftTwips), px(topTwips)), Anchor::ClientArea);
}

} // namespace quantora::design
