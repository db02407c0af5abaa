// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

class QWidget;

namespace quantora {

// Whether a modal window blocks the control's window. Qt refuses clicks and
// keys there, and the program refuses an accessibility client's actions too.
bool blockedByModalWindow(const QWidget &control);

// An accessible control that a modal window blocks takes no action.
class GatedAccessibleWidget : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    void doAction(const QString &actionName) override
    {
        if (!blockedByModalWindow(*widget()))
            QAccessibleWidget::doAction(actionName);
    }
};

} // namespace quantora
