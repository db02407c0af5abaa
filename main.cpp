// SPDX-License-Identifier: MIT
#include "accessibility.h"
#include "design.h"
#include "initial_screen.h"
#include "pictures.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quantora.Quantora"));
    quantora::design::installFontSubstitutions();
    QApplication::setWindowIcon(quantora::windowIcon());
    quantora::installAccessibleInterfaces();

    quantora::InitialScreen menu;
    menu.load(); // the About box first; the menu appears when it closes
    return QApplication::exec();
}
