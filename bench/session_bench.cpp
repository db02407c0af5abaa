// SPDX-License-Identifier: MIT
// The peak memory of a whole session, run as the program runs: the start with
// its About box, every quantity once, the constants screen and the About box
// again. Each window closes as soon as it has painted itself. Prints
// "session PEAK MB" (ru_maxrss). Run it on the platform to measure (xcb under
// Xvfb in scripts/startup-floor). Links no test library, so that its memory is
// the program's.
#include "catalogue.h"
#include "faces.h"
#include "initial_screen.h"
#include "picture_widgets.h"
#include "pictures.h"

#include <QApplication>
#include <QHash>
#include <QMouseEvent>
#include <QSet>
#include <QTimer>
#include <QWindow>

#include <sys/resource.h>

#include <cstdio>

using namespace quantora;

namespace {

// Closes each of the named windows once it has painted itself.
class CloseWhenPainted : public QObject {
public:
    explicit CloseWhenPainted(QSet<QString> names) : m_names(std::move(names)) { qApp->installEventFilter(this); }

    int closed(const QString &name) const { return m_closed.value(name); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_names.contains(watched->objectName()) && watched->isWidgetType()) {
            auto *window = static_cast<QWidget *>(watched);
            QTimer::singleShot(0, window, [this, window] {
                if (window->isVisible() && window->close())
                    ++m_closed[window->objectName()];
            });
        }
        return false;
    }

private:
    QSet<QString> m_names;
    QHash<QString, int> m_closed;
};

// A left click in the middle of a control; returns when its handler has run.
void click(QWidget *control)
{
    const QPointF at(control->width() / 2.0, control->height() / 2.0);
    const QPointF global = control->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &release);
}

} // namespace

int main(int argc, char **argv)
{
    // The start as main.cpp does it.
    QApplication app(argc, argv);
    limitPixmapCache();
    design::installFontSubstitutions();
    QApplication::setWindowIcon(windowIcon());

    const CloseWhenPainted closer(
        {QStringLiteral("frmAbout"), QStringLiteral("TheDisplayScreen"), QStringLiteral("frmConstants")});
    InitialScreen menu(nullptr, InitialScreen::Controls::BuildWhileAboutBoxShows);
    menu.load();
    while (!menu.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);

    for (const QuantityDef &quantity : catalogue())
        click(menu.findChild<PictureBox *>(QString::fromStdString(quantity.button)));
    click(menu.findChild<PictureBox *>(QStringLiteral("CmdConstants")));
    click(menu.findChild<StretchedImage *>(QStringLiteral("Image1")));

    const auto quantities = static_cast<int>(catalogue().size());
    if (closer.closed(QStringLiteral("frmAbout")) != 2 || closer.closed(QStringLiteral("frmConstants")) != 1 ||
        closer.closed(QStringLiteral("TheDisplayScreen")) != quantities) {
        std::fprintf(stderr, "session_bench: not every window was shown\n");
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("session %.1f MB\n", double(usage.ru_maxrss) / 1024);
    return 0;
}
