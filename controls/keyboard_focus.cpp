// SPDX-License-Identifier: MIT
#include "keyboard_focus.h"

#include <QApplication>
#include <QDialog>

namespace quantora {

namespace {

// The window a closed dialog leaves on top: the modal window it was opened
// from, or else the program's main window.
QWidget *windowBeneath(const QDialog &closed)
{
    if (QWidget *modal = QApplication::activeModalWidget(); modal && modal != &closed)
        return modal;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != &closed && window->isVisible() && window->windowType() == Qt::Window)
            return window;
    }
    return nullptr;
}

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

} // namespace quantora
