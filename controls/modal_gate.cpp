// SPDX-License-Identifier: MIT
#include "modal_gate.h"

#include <QApplication>
#include <QWidget>

namespace quantora {

bool blockedByModalWindow(const QWidget &control)
{
    const QWidget *modal = QApplication::activeModalWidget();
    return modal && control.window() != modal;
}

} // namespace quantora
