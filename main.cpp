// SPDX-License-Identifier: MIT
#include "accessibility.h"
#include "faces.h"
#include "initial_screen.h"
#include "look.h"
#include "pictures.h"
#include "program_options.h"
#include "translations.h"

#include <QApplication>

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char **argv)
{
    // --help and --version answer before Qt looks for a display.
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (const auto status = quantora::answerCommandLine(args, std::cout, std::cerr))
        return *status;

    quantora::dropUnusableQtSettings(std::cerr);
    QApplication app(argc, argv);
    // The user's language, before the first window: only that one is read.
    quantora::installTranslations();
    quantora::limitPixmapCache();
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quantora.Quantora"));
    quantora::design::addBundledFaces(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    quantora::design::installFontSubstitutions();
    quantora::design::installLook(quantora::styleGiven(args));
    QApplication::setWindowIcon(quantora::windowIcon());
    quantora::installAccessibleInterfaces();

    // The About box first; the menu is built while it is on screen and appears when it closes.
    quantora::InitialScreen menu(nullptr, quantora::InitialScreen::Controls::BuildWhileAboutBoxShows);
    menu.load();
    return QApplication::exec();
}
