// SPDX-License-Identifier: MIT
#include "focus_ring.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QImage>
#include <QPainter>

namespace quantora {

namespace {

class WindowWithoutRing : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return int(controls().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> found = controls();
        return index >= 0 && index < found.size() ? QAccessible::queryAccessibleInterface(found.at(index)) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(controls().indexOf(child->object())) : -1;
    }

private:
    QList<QWidget *> controls() const
    {
        QList<QWidget *> found = widget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        found.removeIf(
            [](const QWidget *control) { return control->isWindow() || qobject_cast<const FocusRing *>(control); });
        return found;
    }
};

} // namespace

QAccessibleInterface *accessibleWithoutRing(QWidget *window)
{
    return new WindowWithoutRing(window, qobject_cast<QDialog *>(window) ? QAccessible::Dialog : QAccessible::Window);
}

FocusRing::FocusRing(QWidget &window) : QWidget(&window)
{
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

FocusRing *FocusRing::of(const QWidget &window)
{
    return window.findChild<FocusRing *>(QString(), Qt::FindDirectChildrenOnly);
}

void FocusRing::followFocus()
{
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget *old, QWidget *now) {
        if (old && old->window() != (now ? now->window() : nullptr))
            if (FocusRing *ring = of(*old->window()))
                ring->ring(nullptr);
        if (!now || now->isWindow() || now->inherits("QMenu"))
            return;
        FocusRing *ring = of(*now->window());
        if (!ring)
            ring = new FocusRing(*now->window());
        ring->ring(now);
    });
}

void FocusRing::ring(QWidget *control)
{
    if (m_control)
        m_control->removeEventFilter(this);
    m_control = control;
    if (!control)
        return hide();
    control->installEventFilter(this);
    hide(); // the window is looked at without the ring
    const QRect place(control->mapTo(window(), QPoint(0, 0)), control->size());
    const QRect outside = place.adjusted(-width, -width, width, width);
    setGeometry(onlyBackgroundAround(place) ? outside : place);
    raise();
    setVisible(control->isVisible());
}

bool FocusRing::onlyBackgroundAround(QRect control) const
{
    // The window drawn where the ring would stand outside the control.
    const QRect around = control.adjusted(-width, -width, width, width) & window()->rect();
    const QImage drawn = window()->grab(around).toImage();
    const QRgb background = window()->palette().color(QPalette::Window).rgb();
    const qreal ratio = drawn.devicePixelRatio();
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QPoint at = around.topLeft() + QPoint(int(x / ratio), int(y / ratio));
            if (!control.contains(at) && drawn.pixel(x, y) != background)
                return false;
        }
    }
    return true;
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    // The ring follows its control when it moves, grows, hides or loses focus.
    if (watched == m_control) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            ring(m_control);
            break;
        case QEvent::FocusOut:
            hide();
            break;
        case QEvent::FocusIn:
            ring(m_control);
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int half = width / 2;
    // Black outside, white inside, each a band of half the ring's width.
    painter.setPen(QPen(Qt::black, half, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(rect()).adjusted(half / 2.0, half / 2.0, -half / 2.0, -half / 2.0));
    painter.setPen(QPen(Qt::white, half, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(rect()).adjusted(half * 1.5, half * 1.5, -half * 1.5, -half * 1.5));
}

} // namespace quantora
