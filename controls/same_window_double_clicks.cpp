// SPDX-License-Identifier: MIT
#include "same_window_double_clicks.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace quantora {

namespace {

class SameWindowDoubleClicks : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool press = event->type() == QEvent::MouseButtonPress;
        if ((!press && event->type() != QEvent::MouseButtonDblClick) || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (press || widget->window() == m_firstClickWindow) {
            // A press is the first click of a double-click that may follow (Qt
            // sends a double-click instead of the second press).
            m_firstClickWindow = widget->window();
            return false;
        }
        // The first click went to another window: this is a first click here.
        const auto *mouse = static_cast<const QMouseEvent *>(event);
        QMouseEvent ordinary(QEvent::MouseButtonPress, mouse->position(), mouse->scenePosition(),
                             mouse->globalPosition(), mouse->button(), mouse->buttons(), mouse->modifiers(),
                             mouse->pointingDevice());
        ordinary.setTimestamp(mouse->timestamp());
        QApplication::sendEvent(widget, &ordinary);
        // Handled: the double-click must not go on to the widget's parents.
        event->accept();
        return true;
    }

private:
    QPointer<QWidget> m_firstClickWindow;
};

} // namespace

void installSameWindowDoubleClicks()
{
    static QPointer<SameWindowDoubleClicks> filter;
    if (filter || !qApp)
        return;
    filter = new SameWindowDoubleClicks(qApp);
    qApp->installEventFilter(filter);
}

} // namespace quantora
