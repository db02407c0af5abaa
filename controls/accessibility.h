// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
#include <QString>
#include <QWidget>

namespace quantora {

struct QuantityDef;

// Registers how the program's own controls present themselves to screen
// readers (through AT-SPI on Linux): the value box with its text, push buttons
// and picture buttons as buttons with a press action, none of which acts while
// a modal window blocks it. Call once, after the application object exists.
void installAccessibleInterfaces();

// Gives every Widget from now on the accessible interface that make() returns
// for it; registered once however often it is called. A window registers its
// own this way, as it is made.
template <typename Widget, QAccessibleInterface *(*make)(QWidget *)> void installAccessibleInterface()
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
            if (className != QLatin1String(Widget::staticMetaObject.className()))
                return nullptr;
            return make(static_cast<QWidget *>(object));
        });
        return true;
    }();
    Q_UNUSED(installed);
}

// A make() for installAccessibleInterface: the interface made of the widget alone.
template <typename Interface> QAccessibleInterface *newAccessible(QWidget *widget)
{
    return new Interface(widget);
}

// The name a screen reader gives a quantity: its full name, where the caption
// under its picture is cut short or runs words together.
QString accessibleQuantityName(const QuantityDef &quantity);

} // namespace quantora
