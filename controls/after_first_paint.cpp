// SPDX-License-Identifier: MIT
#include "after_first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace quantora {

AfterFirstPaint::AfterFirstPaint(const QMetaObject &windowClass, std::function<void()> work)
    : m_windowClass(windowClass), m_work(std::move(work))
{
    QCoreApplication::instance()->installEventFilter(this);
}

AfterFirstPaint::~AfterFirstPaint()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool AfterFirstPaint::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow() &&
        watched->metaObject()->inherits(&m_windowClass)) {
        QCoreApplication::instance()->removeEventFilter(this);
        // The paint event starts the window's first frame; the work runs once
        // that frame has reached the screen.
        QTimer::singleShot(0, this, m_work);
    }
    return false;
}

} // namespace quantora
