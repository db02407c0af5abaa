// SPDX-License-Identifier: MIT
#include "keyboard_focus.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

namespace quantora {

int execReturningFocus(QDialog &dialog)
{
    const QPointer<QWidget> window = QApplication::activeWindow();
    const QPointer<QWidget> control = window ? window->focusWidget() : nullptr;
    const int result = dialog.exec();
    if (window && window->isVisible()) {
        activate(*window);
        if (control)
            control->setFocus(Qt::ActiveWindowFocusReason);
    }
    return result;
}

void activate(QWidget &window)
{
    window.raise();
    window.activateWindow();
}

} // namespace quantora
