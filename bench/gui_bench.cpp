// SPDX-License-Identifier: MIT
// Times the real windows on the offscreen platform. Each mode prints one line
// "name value unit" (the median of its repetitions):
//   gui_bench keystroke   one keystroke in the value box until the result shows it
//   gui_bench keystrokes  the same in Pressure (lbf/in² to kPa) by the table's and
//                         by the exact factors, in turns, in one run
// The windows keep their choice of factors in a configuration folder of the
// benchmark's own.
//   gui_bench open        a picture click until the conversion screen shows its first result
//   gui_bench startup     process start until the About box is shown (runs itself as a child)
//   gui_bench memory      peak memory of a session that opens every quantity once (as a child)
#include "catalogue.h"
#include "faces.h"
#include "initial_screen.h"
#include "picture_widgets.h"
#include "pictures.h"
#include "the_display_screen.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

using namespace quantora;

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Calls `atShow` when a window of the given objectName is shown.
class ShowWatcher : public QObject {
public:
    ShowWatcher(QString name, std::function<void(QWidget *)> atShow) : m_name(std::move(name)), m_atShow(atShow)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == m_name && watched->isWidgetType())
            QTimer::singleShot(0, static_cast<QWidget *>(watched),
                               [this, w = static_cast<QWidget *>(watched)] { m_atShow(w); });
        return false;
    }

private:
    QString m_name;
    std::function<void(QWidget *)> m_atShow;
};

// The main menu as the program shows it, without waiting for the About box.
std::unique_ptr<InitialScreen> shownMenu()
{
    auto menu = std::make_unique<InitialScreen>();
    menu->show();
    return menu;
}

void openWith(InitialScreen &menu, const char *button)
{
    QTest::mouseClick(menu.findChild<PictureBox *>(QString::fromLatin1(button)), Qt::LeftButton);
}

// Times `count` keystrokes into the screen's value box, each until the result
// shows it, onto `nanoseconds`.
void typeInto(QWidget *screen, int count, std::vector<double> &nanoseconds)
{
    auto *value = screen->findChild<QLineEdit *>(QStringLiteral("InitialValueTxt"));
    auto *result = screen->findChild<QLabel *>(QStringLiteral("LblEqualTo"));
    value->clear();
    QElapsedTimer timer;
    for (int i = 0; i < count; ++i) {
        const char key = "1234567890.e5"[i % 13];
        timer.start();
        QTest::keyClick(value, key);
        const QString shown = result->text();
        nanoseconds.push_back(double(timer.nsecsElapsed()));
        if (shown.isEmpty())
            return;
        if (value->text().size() > 12)
            value->clear();
    }
}

int keystroke()
{
    auto menu = shownMenu();
    std::vector<double> nanoseconds;
    ShowWatcher watcher(QStringLiteral("TheDisplayScreen"), [&](QWidget *screen) {
        typeInto(screen, 4000, nanoseconds);
        screen->close();
    });
    openWith(*menu, "Lengthcmd");
    std::printf("keystroke %.1f us\n", median(nanoseconds) / 1000);
    return 0;
}

int keystrokes()
{
    auto menu = shownMenu();
    std::vector<double> table, exact;
    ShowWatcher watcher(QStringLiteral("TheDisplayScreen"), [&](QWidget *screen) {
        screen->findChild<QListWidget *>(QStringLiteral("InitialValueList"))->setCurrentRow(8); // lbf/in²
        screen->findChild<QListWidget *>(QStringLiteral("FinalValueList"))->setCurrentRow(14);  // kPa
        auto *exactFactors = screen->findChild<QAction *>(QStringLiteral("exactFactors"));
        // Turns of 500 keys each, so that both sets see the same machine.
        for (int turn = 0; turn < 8; ++turn) {
            exactFactors->setChecked(turn % 2 == 1);
            typeInto(screen, 500, turn % 2 == 1 ? exact : table);
        }
        screen->close();
    });
    openWith(*menu, "PressureCmd");
    std::printf("keystroke-table %.1f us\nkeystroke-exact %.1f us\n", median(table) / 1000, median(exact) / 1000);
    return 0;
}

int open()
{
    auto menu = shownMenu();
    std::vector<double> nanoseconds;
    QElapsedTimer timer;
    ShowWatcher watcher(QStringLiteral("TheDisplayScreen"), [&](QWidget *screen) { screen->close(); });
    // The time to shown: taken by an event filter at the Show event itself.
    struct ShownAt : QObject {
        QElapsedTimer *timer;
        std::vector<double> *samples;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("TheDisplayScreen"))
                samples->push_back(double(timer->nsecsElapsed()));
            return false;
        }
    } shownAt;
    shownAt.timer = &timer;
    shownAt.samples = &nanoseconds;
    qApp->installEventFilter(&shownAt);
    for (int round = 0; round < 5; ++round)
        for (const QuantityDef &quantity : catalogue()) {
            timer.start();
            openWith(*menu, quantity.button.c_str());
        }
    std::printf("open %.2f ms\n", median(nanoseconds) / 1e6);
    return 0;
}

// The program's own start (as main.cpp does it), ending when the About box shows.
int startupChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    design::installFontSubstitutions();
    QApplication::setWindowIcon(windowIcon());
    ShowWatcher watcher(QStringLiteral("frmAbout"), [](QWidget *about) {
        std::printf("about-shown\n");
        std::fflush(stdout);
        about->close();
        QCoreApplication::exit(0);
        std::_Exit(0);
    });
    InitialScreen menu(nullptr, InitialScreen::Controls::BuildWhileAboutBoxShows);
    menu.load();
    return 0;
}

int startup(const char *self)
{
    std::vector<double> milliseconds;
    for (int i = 0; i < 21; ++i) {
        QProcess child;
        QElapsedTimer timer;
        timer.start();
        child.start(QString::fromLocal8Bit(self), {QStringLiteral("startup-child")});
        if (!child.waitForReadyRead(10000))
            return std::fprintf(stderr, "startup: no About box\n"), 1;
        milliseconds.push_back(double(timer.nsecsElapsed()) / 1e6);
        child.waitForFinished(10000);
    }
    std::printf("startup %.1f ms\n", median(milliseconds));
    return 0;
}

// A whole session: start, every quantity once, end; prints the peak memory.
int memoryChild()
{
    auto menu = shownMenu();
    ShowWatcher watcher(QStringLiteral("TheDisplayScreen"), [](QWidget *screen) { screen->close(); });
    for (const QuantityDef &quantity : catalogue())
        openWith(*menu, quantity.button.c_str());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("memory %.1f MB\n", double(usage.ru_maxrss) / 1024);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const char *mode = argc > 1 ? argv[1] : "";
    if (std::strcmp(mode, "startup-child") == 0)
        return startupChild(argc, argv);
    if (std::strcmp(mode, "startup") == 0)
        return startup(argv[0]);

    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    design::installFontSubstitutions();
    QApplication::setWindowIcon(windowIcon());
    if (std::strcmp(mode, "keystroke") == 0)
        return keystroke();
    if (std::strcmp(mode, "keystrokes") == 0)
        return keystrokes();
    if (std::strcmp(mode, "open") == 0)
        return open();
    if (std::strcmp(mode, "memory") == 0)
        return memoryChild();
    std::fprintf(stderr, "usage: gui_bench keystroke|keystrokes|open|startup|memory\n");
    return 2;
}
