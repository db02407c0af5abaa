// SPDX-License-Identifier: MIT
#include "keyboard_focus.h"

#include "focus_ring.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

#include <limits>
#include <tuple>

namespace quantora {

namespace {

// The window a closed dialog leaves on top: the modal window it was opened
// from, or else its parent's window, or else the program's main window.
QWidget *windowBeneath(const QDialog &closed)
{
    if (QWidget *modal = QApplication::activeModalWidget(); modal && modal != &closed)
        return modal;
    if (QWidget *parent = closed.parentWidget(); parent && parent->window()->isVisible())
        return parent->window();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != &closed && window->isVisible() && window->windowType() == Qt::Window)
            return window;
    }
    return nullptr;
}

bool isPlainKey(const QKeyEvent &key)
{
    return !(key.modifiers() & ~Qt::KeypadModifier);
}

// Enter on a focused push button presses it. A dialog's own handling would
// press only its default button, and a plain window's none.
class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto &key = static_cast<const QKeyEvent &>(*event);
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button || !button->hasFocus() || !button->isEnabled() || !isPlainKey(key) ||
            (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter))
            return false;
        // A held key would press it again as soon as what it opened closes.
        if (!key.isAutoRepeat())
            button->click();
        return true;
    }
};

// Where a widget stands in its window.
QRect placeIn(const QWidget &window, const QWidget &widget)
{
    return QRect(widget.mapTo(&window, QPoint(0, 0)), widget.size());
}

class ArrowsMoveFocus : public QObject {
public:
    explicit ArrowsMoveFocus(QWidget &window) : QObject(&window), m_window(window) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto &key = static_cast<const QKeyEvent &>(*event);
        auto *from = qobject_cast<QWidget *>(watched);
        if (!from || !from->hasFocus() || !isPlainKey(key))
            return false;
        switch (key.key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (QWidget *to = nearest(*from, Qt::Key(key.key())))
                to->setFocus(Qt::OtherFocusReason);
            return true;
        default:
            return false;
        }
    }

    void watchControls()
    {
        const QList<QWidget *> widgets = m_window.findChildren<QWidget *>();
        for (QWidget *widget : widgets)
            if (widget->focusPolicy() & Qt::TabFocus)
                widget->installEventFilter(this);
    }

private:
    QWidget *nearest(const QWidget &from, Qt::Key direction) const
    {
        const QRect origin = placeIn(m_window, from);
        const bool across = direction == Qt::Key_Left || direction == Qt::Key_Right;
        const int sign = direction == Qt::Key_Right || direction == Qt::Key_Down ? 1 : -1;
        QWidget *best = nullptr;
        auto bestScore = std::make_tuple(true, std::numeric_limits<int>::max());
        const QList<QWidget *> widgets = m_window.findChildren<QWidget *>();
        for (QWidget *candidate : widgets) {
            if (candidate == &from || !(candidate->focusPolicy() & Qt::TabFocus) || !candidate->isEnabled() ||
                !candidate->isVisibleTo(&m_window))
                continue;
            const QRect place = placeIn(m_window, *candidate);
            const QPoint step = place.center() - origin.center();
            const int ahead = sign * (across ? step.x() : step.y());
            const int aside = std::abs(across ? step.y() : step.x());
            if (ahead <= 0)
                continue;
            const bool level = across ? place.top() <= origin.bottom() && origin.top() <= place.bottom()
                                      : place.left() <= origin.right() && origin.left() <= place.right();
            // Level ones first, then the nearest, a step aside counting double.
            const auto score = std::make_tuple(!level, ahead + 2 * aside);
            if (score < bestScore) {
                bestScore = score;
                best = candidate;
            }
        }
        return best;
    }

    QWidget &m_window;
};

} // namespace

int execReturningFocus(QDialog &dialog)
{
    const int result = dialog.exec();
    // The window keeps the control that had its focus, and gives the focus
    // back to it when it is active again.
    if (QWidget *window = windowBeneath(dialog))
        window->activateWindow();
    return result;
}

void installKeyboardBehaviour()
{
    static const bool installed = [] {
        qApp->installEventFilter(new EnterPressesButton(qApp));
        FocusRing::followFocus();
        return true;
    }();
    Q_UNUSED(installed);
}

void moveFocusWithArrows(QWidget &window)
{
    (new ArrowsMoveFocus(window))->watchControls();
}

} // namespace quantora
