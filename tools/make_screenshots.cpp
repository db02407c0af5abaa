// SPDX-License-Identifier: MIT
// Draws the README's screenshots with the program's own windows:
//   make_screenshots OUTPUT_DIR [LOCALE]
// With a locale ("de_DE"), the windows are in its language and each file name
// ends in its language ("main-menu-de.png").
// Run it on the offscreen platform (scripts/screenshots does).
#include "faces.h"
#include "initial_screen.h"
#include "look.h"
#include "picture_widgets.h"
#include "pictures.h"
#include "translations.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

using namespace quantora;

namespace {

// Runs `inside` on the next modal window from a timer, then closes it.
void onNextModal(std::function<void(QWidget *)> inside)
{
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, inside] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            inside(modal);
            modal->close();
        }
    });
    timer->start(10);
}

QString suffix; // "-de" for a screenshot in German

bool save(QWidget *window, const QDir &dir, QString name)
{
    name.insert(name.lastIndexOf(QLatin1Char('.')), suffix);
    const QString path = dir.filePath(name);
    const bool saved = window->grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

void pick(QListWidget *list, int row)
{
    list->setCurrentRow(row);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: make_screenshots OUTPUT_DIR [LOCALE]\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (argc == 3) {
        const QLocale locale(QString::fromLocal8Bit(argv[2]));
        QLocale::setDefault(locale);
        if (installTranslations(locale).isEmpty()) {
            std::fprintf(stderr, "make_screenshots: no translation for %s\n", argv[2]);
            return 2;
        }
        suffix = QLatin1Char('-') + locale.name().section(QLatin1Char('_'), 0, 0);
    }
    design::installFontSubstitutions();
    design::installLook();
    QApplication::setWindowIcon(windowIcon());
    bool ok = true;

    InitialScreen menu;
    onNextModal([&](QWidget *about) { ok &= save(about, dir, QStringLiteral("about-box.png")); });
    menu.load();
    ok &= save(&menu, dir, QStringLiteral("main-menu.png"));

    onNextModal([&](QWidget *screen) {
        pick(screen->findChild<QListWidget *>(QStringLiteral("InitialValueList")), 2); // lbf/ft²
        pick(screen->findChild<QListWidget *>(QStringLiteral("FinalValueList")), 10);  // bar
        auto *value = screen->findChild<QLineEdit *>(QStringLiteral("InitialValueTxt"));
        value->setText(QStringLiteral("2500"));
        ok &= save(screen, dir, QStringLiteral("conversion-screen.png"));
    });
    QTest::mouseClick(menu.findChild<PictureBox *>(QStringLiteral("PressureCmd")), Qt::LeftButton);

    onNextModal([&](QWidget *constants) { ok &= save(constants, dir, QStringLiteral("constants-screen.png")); });
    QTest::mouseClick(menu.findChild<PictureBox *>(QStringLiteral("CmdConstants")), Qt::LeftButton);
    return ok ? 0 : 1;
}
