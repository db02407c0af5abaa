// SPDX-License-Identifier: MIT
// A long seeded random walk through the real windows, as a restless user takes
// it: quantities opened by picture and by caption, text typed, deleted and
// pasted (a megabyte at a time, control characters, other scripts, numbers far
// beyond a double), units picked by mouse and keyboard, the focus moved,
// backgrounds double-clicked, the About box and the constants screen opened and
// closed, back to the menu. After every action the windows must agree with the
// conversion core, and no window may be left over or missing.
//
// QUANTORA_SOAK_SEED picks another walk, QUANTORA_SOAK_ACTIONS a longer one;
// a failure, a crash or a hang names both, so that it can be replayed.
#include "catalogue.h"
#include "conversion.h"
#include "faces.h"
#include "frm_about.h"
#include "frm_constants.h"
#include "initial_screen.h"
#include "picture_widgets.h"
#include "screen_controls.h"
#include "the_display_screen.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <thread>

#ifndef Q_OS_WIN
#include <signal.h>
#include <unistd.h>
#endif

using namespace quantora;
using quantora::testing::ScreenControls;

namespace {

constexpr std::uint32_t defaultSeed = 20240611;
constexpr long defaultActions = 20000;
constexpr long actionsPerMegabytePaste = 3000;

// ---------------------------------------------------------------------------
// What the walk types and pastes.

struct Sample {
    QString text;
    bool bad; // not a plain number: the lenient reading must cope with it
};

QString repeated(const QString &piece, qsizetype length)
{
    QString text;
    text.reserve(length + piece.size());
    while (text.size() < length)
        text += piece;
    text.truncate(length);
    return text;
}

// Short enough to type key by key.
std::vector<Sample> typedSamples()
{
    // clang-format off
    static const char *const good[] = {
        "1", "0", "2.54", "-5", "+7", ".5", "5.", "1e3", "1E-3", "123456789", "0.000001", "&H1F", "&hff", "&O17",
        " 4 2 ", "-0", "6.02214076e23", "1e308", "-273.15", "459.67", "100"};
    static const char *const bad[] = {
        "", " ", "\t", "\n", "\r", "\001", "\177", "abc", "e", "1e", "1e+", "--5", "+-5", "...", ".", "-", "1.2.3",
        "1,5", "1e400", "-1e400", "1e-400", "4.9e-324", "&H", "&HZZ", "0x1F", "NaN", "inf", "-inf", "é", "中文",
        "😀", "1😀2", "\u00a05", "5\u00a05", "\u22125", "１２３", "٣", "½", "1\u20002", "\u200b7", "\ufeff1",
        "1\t2", "1\n2", "3\r4", "\0015", "5\1776", "&HFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"};
    // clang-format on
    std::vector<Sample> samples;
    for (const char *text : good)
        samples.push_back({QString::fromUtf8(text), false});
    for (const char *text : bad)
        samples.push_back({QString::fromUtf8(text), true});
    return samples;
}

// Pasted whole: the typed ones and some far too long to type.
std::vector<Sample> pastedSamples()
{
    std::vector<Sample> samples = typedSamples();
    const QString nines(400, QLatin1Char('9'));
    for (const QString &text :
         {nines, repeated(nines, 5000), QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1"),
          QStringLiteral("1") + QString(2000, QLatin1Char(' ')) + QStringLiteral("2"),
          QStringLiteral("-") + QString(1000, QLatin1Char('1')) + QStringLiteral("e-900"),
          QStringLiteral("&H") + QString(300, QLatin1Char('F')), QStringLiteral("&O") + QString(400, QLatin1Char('7')),
          repeated(QStringLiteral("é中😀\t\001"), 3001)})
        samples.push_back({text, true});
    return samples;
}

// A megabyte of text (in characters), of five kinds; the value box keeps what fits.
QString megabyte(long kind)
{
    constexpr qsizetype size = 1 << 20;
    switch (kind % 5) {
    case 0:
        return repeated(QStringLiteral("1234567890"), size);
    case 1:
        return QStringLiteral("0.") + QString(size - 3, QLatin1Char('0')) + QStringLiteral("1");
    case 2:
        return repeated(QStringLiteral(" \t\n\r"), size - 1) + QStringLiteral("7");
    case 3: // odd pieces, so that the box's limit may cut a surrogate pair
        return repeated(QStringLiteral("é中😀\t\001\177"), size);
    default:
        return QStringLiteral("-") + QString(size - 10, QLatin1Char('9')) + QStringLiteral("e-99999");
    }
}

// Keys typed one at a time into whatever has the focus.
// clang-format off
const QStringList singleCharacters = {
    "0", "1", "2", "5", "7", "9", ".", "-", "+", "e", "E", " ", "&", "H", "h", "O", ",", "x", "a", "z",
    "é", "中", "😀", "\u00a0", "\u2212", "\t", "\n", "\r", "\001", "\177"};
// clang-format on

// ---------------------------------------------------------------------------
// The windows.

enum class Window { Menu, Screen, About, Constants, Other };

const char *windowName(Window window)
{
    constexpr const char *names[] = {"main menu", "conversion screen", "About box", "constants screen",
                                     "unexpected window"};
    return names[static_cast<int>(window)];
}

// The window that takes input: the top modal one, else the main menu.
Window kindOf(const QWidget *modal)
{
    if (!modal)
        return Window::Menu;
    if (qobject_cast<const TheDisplayScreen *>(modal))
        return Window::Screen;
    if (qobject_cast<const frmAbout *>(modal))
        return Window::About;
    if (qobject_cast<const frmConstants *>(modal))
        return Window::Constants;
    return Window::Other;
}

int visibleModalWindows()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return static_cast<int>(
        std::count_if(windows.begin(), windows.end(), [](const QWidget *w) { return w->isVisible() && w->isModal(); }));
}

// What the conversion screen shows; an About box opened over it must leave it so.
struct ScreenState {
    QString value;
    int from;
    int to;
    QString result;
    bool operator==(const ScreenState &) const = default;
};

// ---------------------------------------------------------------------------
// Watching the run: Qt's warnings, hangs and crashes.

// The walk's seed and the number of the action being taken, for the reports
// of a hang or a crash.
std::uint32_t walkSeed = 0;
std::atomic<long> currentAction{0};

// Qt's own warnings, counted rather than printed thousands of times.
std::map<QString, long> warningCounts;

void countMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        ++warningCounts[message];
    if (type == QtFatalMsg)
        std::abort();
}

// Aborts the test with the seed and the last action when the walk stops moving:
// a handler that never returns, or a modal window that nobody drives.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit)
        : m_thread([this, limit] {
              std::unique_lock lock(m_mutex);
              long last = -1;
              auto since = std::chrono::steady_clock::now();
              while (!m_stop) {
                  m_wake.wait_for(lock, std::chrono::milliseconds(200));
                  if (const long now = currentAction.load(); now != last) {
                      last = now;
                      since = std::chrono::steady_clock::now();
                  } else if (std::chrono::steady_clock::now() - since > limit) {
                      std::fprintf(stderr,
                                   "soak: no progress for %lld s after action %ld; hung. Replay with "
                                   "QUANTORA_SOAK_SEED=%u QUANTORA_SOAK_ACTIONS=%ld\n",
                                   static_cast<long long>(limit.count()), now, walkSeed, now);
                      std::abort();
                  }
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    std::thread m_thread;
};

#ifdef Q_OS_WIN
// Windows has no POSIX signals: a crash there is reported by Qt Test alone, and the
// report printed at the start names the seed to replay.
struct CrashReport {};
#else
// Names the action and the seed when the program crashes, then hands the
// signal on to Qt Test's own handler, which prints the stack.
class CrashReport {
public:
    CrashReport()
    {
        struct sigaction ours = {};
        ours.sa_sigaction = &CrashReport::handle;
        ours.sa_flags = SA_SIGINFO;
        sigemptyset(&ours.sa_mask);
        for (const int signo : caught)
            sigaction(signo, &ours, &previous()[static_cast<std::size_t>(signo)]);
    }
    ~CrashReport()
    {
        for (const int signo : caught)
            sigaction(signo, &previous()[static_cast<std::size_t>(signo)], nullptr);
    }

private:
    static constexpr int caught[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
    static std::array<struct sigaction, NSIG> &previous()
    {
        static std::array<struct sigaction, NSIG> handlers{};
        return handlers;
    }

    // Only async-signal-safe calls here: the digits by hand, then write().
    static void append(char *&out, const char *text)
    {
        while (*text)
            *out++ = *text++;
    }
    static void append(char *&out, unsigned long number)
    {
        char digits[24];
        int n = 0;
        do {
            digits[n++] = static_cast<char>('0' + number % 10);
            number /= 10;
        } while (number);
        while (n)
            *out++ = digits[--n];
    }
    static void handle(int signo, siginfo_t *info, void *context)
    {
        char text[200];
        char *out = text;
        const auto done = static_cast<unsigned long>(currentAction.load());
        append(out, "soak: signal ");
        append(out, static_cast<unsigned long>(signo));
        append(out, " during action ");
        append(out, done);
        append(out, ". Replay with QUANTORA_SOAK_SEED=");
        append(out, walkSeed);
        append(out, " QUANTORA_SOAK_ACTIONS=");
        append(out, done);
        append(out, "\n");
        [[maybe_unused]] const auto written = write(STDERR_FILENO, text, static_cast<std::size_t>(out - text));
        const struct sigaction &next = previous()[static_cast<std::size_t>(signo)];
        sigaction(signo, &next, nullptr);
        if (next.sa_flags & SA_SIGINFO)
            next.sa_sigaction(signo, info, context);
        else if (next.sa_handler != SIG_DFL && next.sa_handler != SIG_IGN)
            next.sa_handler(signo);
        else
            raise(signo);
    }
};
#endif

// ---------------------------------------------------------------------------
// The walk. One action per tick. A tick is posted before its action runs, so
// that when the action opens a modal window, the next action runs inside that
// window's event loop.

class SoakDriver : public QObject {
public:
    SoakDriver(InitialScreen &menu, std::uint32_t seed, long actions);

    // Starts the program as main() does, the walk driving the opening About box.
    void start();

    long actionsDone() const { return m_done; }
    const QString &failure() const { return m_failure; }
    bool finished() const { return m_finished; }
    void printReport() const;

private:
    // One kind of user action, taken on the window it belongs to.
    struct Step {
        Window window;
        const char *name;
        int weight;
        void (SoakDriver::*run)(QWidget *modal);
    };
    static const std::vector<Step> steps;

    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_rng); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_rng); }
    template <typename T> const T &pick(const std::vector<T> &items)
    {
        return items[static_cast<std::size_t>(uniform(0, static_cast<int>(items.size()) - 1))];
    }
    QPoint pointIn(const QRect &rect)
    {
        return {uniform(rect.left(), rect.right()), uniform(rect.top(), rect.bottom())};
    }

    void postTick() { QTimer::singleShot(0, this, &SoakDriver::tick); }
    void resumeIfDeferred();
    void tick();
    void take(const Step &step, QWidget *modal);
    void unwind(Window top, QWidget *modal);
    void fail(const QString &what);

    // Main menu.
    void openByPicture(QWidget *) { openQuantity(false); }
    void openByCaption(QWidget *) { openQuantity(true); }
    void openQuantity(bool byCaption);
    void constantsByPicture(QWidget *) { open(Window::Constants, m_menu.findChild<QWidget *>("CmdConstants")); }
    void constantsByCaption(QWidget *) { open(Window::Constants, m_menu.findChild<QWidget *>("LblConstants")); }
    void logoClick(QWidget *) { open(Window::About, m_menu.findChild<QWidget *>("Image1")); }
    void open(Window window, QWidget *byClickOn);
    void menuBackgroundDoubleClick(QWidget *);
    void menuDoubleClickNotBackground(QWidget *);
    void menuKeys(QWidget *);
    // Conversion screen.
    void typeSample(QWidget *modal);
    void typeKey(QWidget *modal);
    void editKey(QWidget *modal);
    void paste(QWidget *modal);
    void clearValue(QWidget *modal);
    void unitByMouse(QWidget *modal);
    void unitByKeyboard(QWidget *modal);
    void scrollList(QWidget *modal);
    void focusMove(QWidget *modal);
    void screenBackgroundDoubleClick(QWidget *modal);
    void screenDoubleClickNotBackground(QWidget *modal);
    void escapeOrEnter(QWidget *modal);
    void back(QWidget *modal);
    // About box and constants screen.
    void closeAbout(QWidget *modal);
    void aboutKeys(QWidget *modal) { key(modal, chance(0.5) ? Qt::Key_Tab : Qt::Key_Backtab); }
    void closeConstants(QWidget *modal);
    void constantsClick(QWidget *modal)
    {
        clickSomewhere(modal->findChild<QWidget *>(chance(0.5) ? "Image1" : "Image2"));
    }

    // Input, as the window system delivers it.
    void click(QWidget *widget, QPoint at, Qt::KeyboardModifiers modifiers = {});
    void clickSomewhere(QWidget *widget);
    void doubleClick(QWidget *widget, QPoint at);
    QPoint backgroundPoint(QWidget *window);
    static void key(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = {});
    static void typeCharacter(QWidget *window, const QString &character);
    void focusValueBox(const ScreenControls &c, double probability);
    bool tabTo(QWidget *window, QWidget *target);

    // Invariants.
    bool check(bool settled);
    QString windowFault(QWidget *modal, bool settled);
    QString screenFault(const ScreenControls &c);

    InitialScreen &m_menu;
    const std::uint32_t m_seed;
    const long m_total;
    std::mt19937 m_rng;
    const std::vector<Sample> m_typed = typedSamples();
    const std::vector<Sample> m_pasted = pastedSamples();
    std::map<Window, std::pair<std::vector<const Step *>, std::discrete_distribution<std::size_t>>> m_choices;

    std::vector<Window> m_expected;      // the windows that should be open, main menu first
    const QuantityDef *m_open = nullptr; // the quantity on the conversion screen
    std::optional<ScreenState> m_beforeAbout;
    QPointer<QWidget> m_constants; // the one constants screen, once seen

    long m_done = 0; // actions taken
    const Step *m_current = nullptr;
    int m_blocked = 0; // actions waiting in a modal window's loop
    bool m_deferred = false;
    bool m_loaded = false;
    bool m_finished = false;
    QString m_failure;
    std::deque<QString> m_recent; // the last few actions, for a failure report

    // What the walk did.
    std::map<const Step *, long> m_counts;
    qint64 m_elapsed = 0;
    QElapsedTimer m_clock;
    long m_checks = 0, m_badTyped = 0, m_badPasted = 0, m_megabytePastes = 0, m_keysTyped = 0;
    long m_outOfRangeShown = 0, m_numberShown = 0;
    qsizetype m_longestValue = 0;
    std::array<long, 31> m_openedByQuantity{};
};

// How often each window's actions are taken. Back is rare enough that a
// conversion screen sees a few dozen actions before it closes.
// clang-format off
const std::vector<SoakDriver::Step> SoakDriver::steps = {
    {Window::Menu, "open quantity by picture", 6, &SoakDriver::openByPicture},
    {Window::Menu, "open quantity by caption", 4, &SoakDriver::openByCaption},
    {Window::Menu, "constants by picture", 1, &SoakDriver::constantsByPicture},
    {Window::Menu, "constants by caption", 1, &SoakDriver::constantsByCaption},
    {Window::Menu, "menu background dbl-click", 1, &SoakDriver::menuBackgroundDoubleClick},
    {Window::Menu, "logo click", 1, &SoakDriver::logoClick},
    {Window::Menu, "menu dbl-click not bkg", 1, &SoakDriver::menuDoubleClickNotBackground},
    {Window::Menu, "menu keys", 1, &SoakDriver::menuKeys},
    {Window::Screen, "type sample", 10, &SoakDriver::typeSample},
    {Window::Screen, "type key", 8, &SoakDriver::typeKey},
    {Window::Screen, "edit key", 7, &SoakDriver::editKey},
    {Window::Screen, "paste", 5, &SoakDriver::paste},
    {Window::Screen, "clear value", 2, &SoakDriver::clearValue},
    {Window::Screen, "unit by mouse", 7, &SoakDriver::unitByMouse},
    {Window::Screen, "unit by keyboard", 5, &SoakDriver::unitByKeyboard},
    {Window::Screen, "scroll list", 2, &SoakDriver::scrollList},
    {Window::Screen, "focus move", 4, &SoakDriver::focusMove},
    {Window::Screen, "screen bkg dbl-click", 1, &SoakDriver::screenBackgroundDoubleClick},
    {Window::Screen, "screen dbl-click not bkg", 2, &SoakDriver::screenDoubleClickNotBackground},
    {Window::Screen, "Esc or Enter", 1, &SoakDriver::escapeOrEnter},
    {Window::Screen, "back to main menu", 2, &SoakDriver::back},
    {Window::About, "close About", 4, &SoakDriver::closeAbout},
    {Window::About, "About keys", 1, &SoakDriver::aboutKeys},
    {Window::Constants, "close constants", 4, &SoakDriver::closeConstants},
    {Window::Constants, "constants click", 1, &SoakDriver::constantsClick},
};
// clang-format on

SoakDriver::SoakDriver(InitialScreen &menu, std::uint32_t seed, long actions)
    : m_menu(menu), m_seed(seed), m_total(actions), m_rng(seed)
{
    for (const Window window : {Window::Menu, Window::Screen, Window::About, Window::Constants}) {
        std::vector<const Step *> choices;
        std::vector<int> weights;
        for (const Step &step : steps)
            if (step.window == window) {
                choices.push_back(&step);
                weights.push_back(step.weight);
            }
        m_choices[window] = {choices, std::discrete_distribution<std::size_t>(weights.begin(), weights.end())};
    }
}

void SoakDriver::start()
{
    m_expected = {Window::Menu, Window::About};
    m_clock.start();
    postTick();
    ++m_blocked; // load() runs the About box's modal loop
    m_menu.load();
    --m_blocked;
    m_loaded = true;
    resumeIfDeferred();
}

void SoakDriver::resumeIfDeferred()
{
    if (m_deferred) {
        m_deferred = false;
        postTick();
    }
}

void SoakDriver::tick()
{
    if (m_finished)
        return;
    // A window that has just closed ends its loop only when the action that
    // closed it returns; the next action waits for the window below it.
    if (m_blocked > visibleModalWindows()) {
        m_deferred = true;
        return;
    }
    QWidget *modal = QApplication::activeModalWidget();
    const Window top = kindOf(modal);
    if (!check(true) || m_done >= m_total || top == Window::Other)
        return unwind(top, modal);

    auto &[choices, distribution] = m_choices[top];
    const Step &step = *choices[distribution(m_rng)];
    ++m_done;
    currentAction = m_done;
    m_current = &step;
    m_recent.push_back(QStringLiteral("%1 %2").arg(m_done).arg(QLatin1String(step.name)));
    if (m_recent.size() > 12)
        m_recent.pop_front();
    postTick();
    take(step, modal);
    check(false);
    resumeIfDeferred();
}

// Takes one action; while it runs, a modal window it opens runs the next ones.
void SoakDriver::take(const Step &step, QWidget *modal)
{
    ++m_counts[&step];
    ++m_blocked;
    (this->*step.run)(modal);
    --m_blocked;
}

// Closes the window on top the plain way; on the main menu, "Exit Program" ends the walk.
void SoakDriver::unwind(Window top, QWidget *modal)
{
    if (top == Window::Menu) {
        if (!m_loaded)
            return postTick();
        m_finished = true;
        m_elapsed = m_clock.nsecsElapsed();
        return click(m_menu.findChild<QAbstractButton *>("EndProgram"), {10, 10});
    }
    postTick();
    m_expected.pop_back();
    if (top == Window::Screen)
        return click(modal->findChild<QPushButton *>("HideLengthScreen"), {10, 10});
    if (top == Window::About)
        return click(modal->findChild<QPushButton *>("cmdOK"), {10, 10});
    if (top == Window::Constants)
        return click(modal->findChild<QPushButton *>("OKButton"), {10, 10});
    modal->close();
}

void SoakDriver::fail(const QString &what)
{
    if (!m_failure.isEmpty())
        return;
    const QStringList recent(m_recent.begin(), m_recent.end());
    // One pass of arg(), so that a "%1" in a typed value stays as it is.
    m_failure = QStringLiteral("after action %1 (%2): %3\n   Replay with QUANTORA_SOAK_SEED=%4 "
                               "QUANTORA_SOAK_ACTIONS=%1\n   The last actions: %5")
                    .arg(QString::number(m_done), QLatin1String(m_current ? m_current->name : "start"), what,
                         QString::number(m_seed), recent.join(QStringLiteral(", ")));
    std::fprintf(stderr, "soak: %s\n", qPrintable(m_failure));
}

// ---------------------------------------------------------------------------
// Input helpers.

void SoakDriver::click(QWidget *widget, QPoint at, Qt::KeyboardModifiers modifiers)
{
    if (!widget)
        return fail(QStringLiteral("a control to click is missing"));
    QTest::mouseClick(widget, Qt::LeftButton, modifiers, at);
}

void SoakDriver::clickSomewhere(QWidget *widget)
{
    if (!widget)
        return fail(QStringLiteral("a control to click is missing"));
    click(widget, pointIn(widget->rect()));
}

// A double-click as the window receives it: press, release, double-click,
// release (a double-click whose first click went to another window is an
// ordinary click). An About box it opens runs to its end inside.
void SoakDriver::doubleClick(QWidget *widget, QPoint at)
{
    QPointer<QWidget> guard(widget);
    QTest::mousePress(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    if (guard)
        QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

// A point of the widget's own background, not on any child.
QPoint SoakDriver::backgroundPoint(QWidget *window)
{
    for (int attempt = 0; attempt < 200; ++attempt)
        if (const QPoint at = pointIn(window->rect()); !window->childAt(at))
            return at;
    return {1, 1};
}

// A key press and release, sent where the keyboard sends it: to the focus.
void SoakDriver::key(QWidget *window, Qt::Key code, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, code, modifiers);
}

// One character as the keyboard sends it: control characters as their keys,
// everything else with its text.
void SoakDriver::typeCharacter(QWidget *window, const QString &character)
{
    const char32_t c = character.toUcs4().value(0);
    Qt::Key code = Qt::Key_unknown;
    QString text = character;
    if (c == U'\t') {
        code = Qt::Key_Tab;
    } else if (c == U'\n' || c == U'\r') {
        code = Qt::Key_Return;
        text = QStringLiteral("\r");
    } else if (c == 0x7f) {
        code = Qt::Key_Delete;
    } else if (c == U' ') {
        code = Qt::Key_Space;
    } else if (c > 0x20 && c < 0x7f) {
        code = static_cast<Qt::Key>(QChar(static_cast<char16_t>(c)).toUpper().unicode());
    }
    QTest::sendKeyEvent(QTest::Click, window->focusWidget() ? window->focusWidget() : window, code, text,
                        Qt::NoModifier);
}

// Puts the focus in the value box with a click, with the given probability, or
// always when "Back To Main Menu" has it (a blank typed there would press it).
void SoakDriver::focusValueBox(const ScreenControls &c, double probability)
{
    QWidget *focus = c.window->focusWidget();
    if (!focus || focus == c.back || (focus != c.value && chance(probability)))
        clickSomewhere(c.value);
}

// Presses Tab until the target has the focus; false when it never gets it.
bool SoakDriver::tabTo(QWidget *window, QWidget *target)
{
    for (int i = 0; i < 6 && window->focusWidget() != target; ++i)
        key(window, Qt::Key_Tab);
    return window->focusWidget() == target;
}

// ---------------------------------------------------------------------------
// Main menu actions.

void SoakDriver::openQuantity(bool byCaption)
{
    const auto quantities = catalogue();
    const int index = uniform(0, static_cast<int>(quantities.size()) - 1);
    const QuantityDef &quantity = quantities[static_cast<std::size_t>(index)];
    m_open = &quantity;
    ++m_openedByQuantity[static_cast<std::size_t>(index)];
    open(Window::Screen,
         m_menu.findChild<QWidget *>(QString::fromStdString(byCaption ? quantity.label : quantity.button)));
}

// Returns when the window opened has closed again.
void SoakDriver::open(Window window, QWidget *byClickOn)
{
    m_expected.push_back(window);
    clickSomewhere(byClickOn);
}

void SoakDriver::menuBackgroundDoubleClick(QWidget *)
{
    m_expected.push_back(Window::About);
    doubleClick(&m_menu, backgroundPoint(&m_menu));
}

// A frame's own empty corner, a caption or a picture: none is the background.
void SoakDriver::menuDoubleClickNotBackground(QWidget *)
{
    const QuantityDef &quantity = catalogue()[static_cast<std::size_t>(uniform(0, 30))];
    const QList<QGroupBox *> frames = m_menu.findChildren<QGroupBox *>();
    QWidget *target = nullptr;
    QPoint at;
    switch (uniform(0, 2)) {
    case 0:
        target = frames.value(uniform(0, static_cast<int>(frames.size()) - 1));
        at = backgroundPoint(target);
        break;
    case 1:
        target = m_menu.findChild<QWidget *>(QString::fromStdString(quantity.label));
        at = pointIn(target->rect());
        break;
    default:
        target = m_menu.findChild<QWidget *>(QString::fromStdString(quantity.button));
        at = pointIn(target->rect());
    }
    QTest::mouseDClick(target, Qt::LeftButton, {}, at);
}

// Tab, arrows, Space and Enter: Space and Enter click the picture that has the
// focus, which opens its window. "Exit Program" gets only Tab and arrows, as
// Space (or Enter) would press it.
void SoakDriver::menuKeys(QWidget *)
{
    static const Qt::Key keys[] = {Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Left,   Qt::Key_Right,
                                   Qt::Key_Down, Qt::Key_Space,   Qt::Key_Return, Qt::Key_Enter};
    Qt::Key code = keys[uniform(0, 7)];
    const bool presses = code == Qt::Key_Space || code == Qt::Key_Return || code == Qt::Key_Enter;
    const QString focus = m_menu.focusWidget() ? m_menu.focusWidget()->objectName() : QString();
    if (presses && focus == QLatin1String("EndProgram"))
        code = Qt::Key_Tab;
    else if (presses && focus == QLatin1String("Image1"))
        m_expected.push_back(Window::About);
    else if (presses && focus == QLatin1String("CmdConstants"))
        m_expected.push_back(Window::Constants);
    else if (presses) {
        const auto quantities = catalogue();
        for (std::size_t i = 0; i < quantities.size(); ++i) {
            if (focus == QString::fromStdString(quantities[i].button)) {
                m_open = &quantities[i];
                ++m_openedByQuantity[i];
                m_expected.push_back(Window::Screen);
            }
        }
    }
    key(&m_menu, code);
}

// ---------------------------------------------------------------------------
// Conversion screen actions.

void SoakDriver::typeSample(QWidget *modal)
{
    const ScreenControls c(modal);
    focusValueBox(c, 0.7);
    // Half the time the sample replaces the value, so that numbers stay common.
    if (chance(0.5))
        key(c.window, Qt::Key_A, Qt::ControlModifier);
    const Sample &sample = pick(m_typed);
    m_badTyped += sample.bad;
    for (qsizetype i = 0; i < sample.text.size();) {
        // A tab may have taken the focus to "Back To Main Menu": stop typing there.
        if (c.window->focusWidget() == c.back)
            break;
        const qsizetype length = sample.text[i].isHighSurrogate() && i + 1 < sample.text.size() ? 2 : 1;
        typeCharacter(c.window, sample.text.mid(i, length));
        ++m_keysTyped;
        i += length;
    }
}

void SoakDriver::typeKey(QWidget *modal)
{
    const ScreenControls c(modal);
    focusValueBox(c, 0.3);
    const QString &character = singleCharacters[uniform(0, static_cast<int>(singleCharacters.size()) - 1)];
    const char32_t code = character.toUcs4().value(0);
    m_badTyped += code < 0x20 || code >= 0x7f;
    typeCharacter(c.window, character);
    ++m_keysTyped;
}

void SoakDriver::editKey(QWidget *modal)
{
    struct Edit {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const auto shift = Qt::ShiftModifier;
    const auto ctrl = Qt::ControlModifier;
    // clang-format off
    static const Edit edits[] = {
        {Qt::Key_Backspace, {}}, {Qt::Key_Backspace, {}}, {Qt::Key_Delete, {}}, {Qt::Key_Left, {}},
        {Qt::Key_Right, {}}, {Qt::Key_Home, {}}, {Qt::Key_End, {}}, {Qt::Key_Insert, {}},
        {Qt::Key_Left, shift}, {Qt::Key_Right, shift}, {Qt::Key_Home, shift}, {Qt::Key_End, shift},
        {Qt::Key_A, ctrl}, {Qt::Key_Z, ctrl}, {Qt::Key_Z, ctrl | shift}, {Qt::Key_Y, ctrl}, {Qt::Key_X, ctrl},
        {Qt::Key_C, ctrl}, {Qt::Key_Backspace, ctrl}, {Qt::Key_Delete, ctrl}, {Qt::Key_Left, ctrl}};
    // clang-format on
    focusValueBox(ScreenControls(modal), 0.5);
    const Edit &edit = edits[uniform(0, static_cast<int>(std::size(edits)) - 1)];
    key(modal, edit.key, edit.modifiers);
}

void SoakDriver::paste(QWidget *modal)
{
    const ScreenControls c(modal);
    QString text;
    // A megabyte now and then, at the same actions however long the walk.
    const bool megabytePaste = m_megabytePastes <= m_done / actionsPerMegabytePaste;
    if (megabytePaste) {
        text = megabyte(m_megabytePastes++);
        ++m_badPasted;
        clickSomewhere(c.value); // replacing what is there, so the megabyte meets an empty box
        key(modal, Qt::Key_A, Qt::ControlModifier);
    } else {
        const Sample &sample = pick(m_pasted);
        text = sample.text;
        if (chance(0.2))
            text += pick(m_pasted).text;
        m_badPasted += sample.bad;
        focusValueBox(c, 0.8);
        if (chance(0.4))
            key(modal, Qt::Key_A, Qt::ControlModifier);
    }
    QGuiApplication::clipboard()->setText(text);
    if (chance(0.7))
        key(modal, Qt::Key_V, Qt::ControlModifier);
    else
        key(modal, Qt::Key_Insert, Qt::ShiftModifier);
}

void SoakDriver::clearValue(QWidget *modal)
{
    clickSomewhere(ScreenControls(modal).value);
    key(modal, Qt::Key_A, Qt::ControlModifier);
    key(modal, chance(0.5) ? Qt::Key_Delete : Qt::Key_Backspace);
}

void SoakDriver::unitByMouse(QWidget *modal)
{
    const ScreenControls c(modal);
    QListWidget *list = chance(0.5) ? c.from : c.to;
    QWidget *viewport = list->viewport();
    const QRect lastRow = list->visualItemRect(list->item(list->count() - 1));
    // Neither a click below the last unit nor a Ctrl+click on the selected one
    // may take the highlight away.
    if (chance(0.05) && lastRow.bottom() + 2 < viewport->height())
        return click(viewport,
                     pointIn({0, lastRow.bottom() + 1, viewport->width(), viewport->height() - lastRow.bottom() - 1}));
    QListWidgetItem *item = list->item(uniform(0, list->count() - 1));
    list->scrollToItem(item); // as the user scrolls to it
    click(viewport, pointIn(list->visualItemRect(item).intersected(viewport->rect())),
          chance(0.08) ? Qt::ControlModifier : Qt::NoModifier);
}

void SoakDriver::unitByKeyboard(QWidget *modal)
{
    const ScreenControls c(modal);
    if (!tabTo(modal, chance(0.5) ? c.from : c.to))
        return fail(QStringLiteral("Tab never reaches a unit list"));
    static const Qt::Key keys[] = {Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Home, Qt::Key_End,
                                   Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Down, Qt::Key_Up};
    const int kind = uniform(0, 9);
    if (kind < 8)
        key(modal, keys[kind]);
    else if (kind == 8) // keyboard search by a unit's first letter
        typeCharacter(modal, QString(QChar(static_cast<char16_t>(u'a' + uniform(0, 25)))));
    else // Ctrl+Space, like Ctrl+click, must not take the highlight away
        key(modal, Qt::Key_Space, chance(0.5) ? Qt::ControlModifier : Qt::NoModifier);
}

void SoakDriver::scrollList(QWidget *modal)
{
    const ScreenControls c(modal);
    QWidget *viewport = (chance(0.5) ? c.from : c.to)->viewport();
    const QPoint at = pointIn(viewport->rect());
    QWheelEvent wheel(at, viewport->mapToGlobal(at), {}, {0, 120 * (chance(0.5) ? 1 : -1) * uniform(1, 3)},
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
}

void SoakDriver::focusMove(QWidget *modal)
{
    const ScreenControls c(modal);
    switch (uniform(0, 5)) {
    case 0:
    case 1:
        return key(modal, Qt::Key_Tab);
    case 2:
        return key(modal, Qt::Key_Backtab);
    case 3:
        return clickSomewhere(c.value);
    case 4:
        return clickSomewhere(chance(0.5) ? static_cast<QWidget *>(c.result) : c.title);
    default:
        return click(modal, backgroundPoint(modal));
    }
}

void SoakDriver::screenBackgroundDoubleClick(QWidget *modal)
{
    const ScreenControls c(modal);
    m_beforeAbout = ScreenState{c.value->text(), c.from->currentRow(), c.to->currentRow(), c.result->text()};
    m_expected.push_back(Window::About);
    doubleClick(modal, backgroundPoint(modal));
}

void SoakDriver::screenDoubleClickNotBackground(QWidget *modal)
{
    const ScreenControls c(modal);
    QWidget *const controls[] = {c.value,
                                 c.from->viewport(),
                                 c.to->viewport(),
                                 c.result,
                                 c.title,
                                 modal->findChild<QWidget *>("ConversionPcr"),
                                 modal->findChild<QWidget *>("Label1")};
    QWidget *control = controls[uniform(0, static_cast<int>(std::size(controls)) - 1)];
    QTest::mouseDClick(control, Qt::LeftButton, {}, pointIn(control->rect()));
}

// Neither key closes the conversion screen.
void SoakDriver::escapeOrEnter(QWidget *modal)
{
    static const Qt::Key keys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter};
    const Qt::Key pressed = keys[uniform(0, 2)];
    // Enter presses "Back To Main Menu" when it has the focus; Esc never closes the screen.
    if (pressed != Qt::Key_Escape && modal->focusWidget() == ScreenControls(modal).back)
        m_expected.pop_back();
    key(modal, pressed);
}

void SoakDriver::back(QWidget *modal)
{
    const ScreenControls c(modal);
    m_expected.pop_back();
    switch (uniform(0, 3)) {
    case 0:
        if (tabTo(modal, c.back))
            return key(modal, Qt::Key_Space);
        [[fallthrough]];
    case 1:
    case 2:
        return clickSomewhere(c.back);
    default:
        modal->close(); // the title bar's close button
    }
}

// ---------------------------------------------------------------------------
// About box and constants screen actions.

void SoakDriver::closeAbout(QWidget *modal)
{
    m_expected.pop_back();
    auto *ok = modal->findChild<QPushButton *>("cmdOK");
    const bool onSysInfo = modal->focusWidget() == modal->findChild<QPushButton *>("cmdSysInfo");
    switch (uniform(0, 4)) {
    case 0:
        return clickSomewhere(ok);
    case 1: // Enter presses the focused button; on "System Info..." it would start the tool
        return key(modal, onSysInfo ? Qt::Key_Escape : Qt::Key_Return);
    case 2:
        return key(modal, Qt::Key_Escape);
    case 3:
        if (modal->focusWidget() == ok)
            return key(modal, Qt::Key_Space);
        return clickSomewhere(ok);
    default:
        modal->close();
    }
}

void SoakDriver::closeConstants(QWidget *modal)
{
    m_expected.pop_back();
    switch (uniform(0, 3)) {
    case 0:
        return clickSomewhere(modal->findChild<QPushButton *>("OKButton"));
    case 1:
        return key(modal, Qt::Key_Return);
    case 2:
        return key(modal, Qt::Key_Escape);
    default:
        modal->close();
    }
}

// ---------------------------------------------------------------------------
// Invariants.

// settled: the tick runs in the loop of the window on top, so a window that
// was closed is also destroyed by now, not only hidden.
bool SoakDriver::check(bool settled)
{
    if (!m_failure.isEmpty())
        return false;
    ++m_checks;
    QWidget *modal = QApplication::activeModalWidget();
    QString fault = windowFault(modal, settled);
    if (fault.isEmpty() && kindOf(modal) == Window::Screen)
        fault = screenFault(ScreenControls(modal));
    if (!fault.isEmpty())
        fail(fault);
    return fault.isEmpty();
}

// The window on top is the one the actions opened; each window exists at most once.
QString SoakDriver::windowFault(QWidget *modal, bool settled)
{
    const Window top = kindOf(modal);
    if (top != m_expected.back())
        return QStringLiteral("the %1 takes input where the %2 should")
            .arg(QLatin1String(windowName(top)), QLatin1String(windowName(m_expected.back())));
    int screens = 0, abouts = 0, constants = 0;
    for (const QWidget *widget : QApplication::topLevelWidgets()) {
        screens += qobject_cast<const TheDisplayScreen *>(widget) != nullptr;
        abouts += qobject_cast<const frmAbout *>(widget) != nullptr;
        constants += qobject_cast<const frmConstants *>(widget) != nullptr;
    }
    if (screens > 1 || abouts > 1 || constants > 1)
        return QStringLiteral("%1 conversion screens, %2 About boxes and %3 constants screens exist")
            .arg(screens)
            .arg(abouts)
            .arg(constants);
    if (const int shown = visibleModalWindows(); shown != static_cast<int>(m_expected.size()) - 1)
        return QStringLiteral("%1 modal windows are shown, not %2").arg(shown).arg(m_expected.size() - 1);
    if (top == Window::Menu && m_loaded) {
        if (!m_menu.isVisible())
            return QStringLiteral("the main menu is not visible");
        if (settled && screens != 0)
            return QStringLiteral("a conversion screen is left over after going back");
    }
    if (top == Window::Constants) {
        if (!m_constants)
            m_constants = modal;
        else if (modal != m_constants)
            return QStringLiteral("a second constants screen was created");
    }
    return {};
}

// The screen shows the opened quantity, and its result is the core's result
// for the value and the units shown.
QString SoakDriver::screenFault(const ScreenControls &c)
{
    if (!c.complete())
        return QStringLiteral("a control of the conversion screen is missing");
    if (!m_open)
        return QStringLiteral("a conversion screen is open though no quantity was opened");
    const QuantityDef &q = *m_open;
    const int count = static_cast<int>(q.units.size());
    if (c.from->count() != count || c.to->count() != count)
        return QStringLiteral("the unit lists hold %1 and %2 units, not the %3 of %4")
            .arg(c.from->count())
            .arg(c.to->count())
            .arg(count)
            .arg(QString::fromStdString(q.button));
    for (int i = 0; i < count; ++i) {
        const QString name = QString::fromStdString(q.units[static_cast<std::size_t>(i)].name);
        if (c.from->item(i)->text() != name || c.to->item(i)->text() != name)
            return QStringLiteral("unit %1 reads %2 / %3, not %4")
                .arg(i)
                .arg(c.from->item(i)->text(), c.to->item(i)->text(), name);
    }
    if (c.title->text() != QString::fromStdString(q.titleWord) + QStringLiteral("Conversion"))
        return QStringLiteral("the title reads %1").arg(c.title->text());

    const int from = c.from->currentRow();
    const int to = c.to->currentRow();
    if (from < 0 || to < 0)
        return QStringLiteral("no unit is current (from %1, to %2)").arg(from).arg(to);
    // The unit converted by is the one highlighted: a list never shows no unit
    // (or another one) while the result uses its current one.
    for (const QListWidget *list : {c.from, c.to}) {
        const QList<QListWidgetItem *> selected = list->selectedItems();
        if (selected.size() != 1 || list->row(selected.front()) != list->currentRow())
            return QStringLiteral("%1 converts by unit %2 (%3) but highlights %4")
                .arg(list->objectName())
                .arg(list->currentRow())
                .arg(list->currentItem()->text(), selected.isEmpty()
                                                      ? QStringLiteral("no unit")
                                                      : QStringLiteral("row %1").arg(list->row(selected.front())));
    }

    const QString value = c.value->text();
    m_longestValue = std::max(m_longestValue, value.size());
    const std::string typed = value.toStdString();
    const std::string expected =
        conversionResult(typed, q.units[static_cast<std::size_t>(from)], q.units[static_cast<std::size_t>(to)]).text;
    const QString shown = c.result->text();
    if (shown != QString::fromStdString(expected))
        return QStringLiteral("%1 shows %2 for the value \"%3\" from %4 to %5; the core gives %6")
            .arg(QString::fromStdString(q.button), shown, value.left(60), c.from->item(from)->text(),
                 c.to->item(to)->text(), QString::fromStdString(expected));
    if (shown == QLatin1String("Out of range"))
        ++m_outOfRangeShown;
    else if (shown != QLatin1String("0.") && shown != QLatin1String("0"))
        ++m_numberShown;

    // Back from an About box opened over it, the screen is as it was.
    if (m_beforeAbout && m_expected.back() == Window::Screen) {
        const bool same = *m_beforeAbout == ScreenState{value, from, to, shown};
        m_beforeAbout.reset();
        if (!same)
            return QStringLiteral("the About box changed the conversion screen");
    }
    return {};
}

void SoakDriver::printReport() const
{
    const double seconds = static_cast<double>(m_elapsed) / 1e9;
    std::printf("soak: seed %u: %ld actions in %.2f s, %ld checks\n", m_seed, m_done, seconds, m_checks);
    for (const Step &step : steps)
        if (const auto it = m_counts.find(&step); it != m_counts.end())
            std::printf("soak: %-26s %7ld\n", step.name, it->second);
    std::printf("soak: bad inputs tried: %ld (%ld typed, %ld pasted, among them %ld pastes of 1 MB); %ld keys typed\n",
                m_badTyped + m_badPasted, m_badTyped, m_badPasted, m_megabytePastes, m_keysTyped);
    const auto opened = std::count_if(m_openedByQuantity.begin(), m_openedByQuantity.end(), [](long n) { return n; });
    std::printf("soak: %ld of 31 quantities opened; results checked: %ld non-zero numbers, %ld \"Out of range\"; "
                "longest value %lld characters\n",
                static_cast<long>(opened), m_numberShown, m_outOfRangeShown, static_cast<long long>(m_longestValue));
    for (const auto &[message, count] : warningCounts)
        std::printf("soak: Qt warned %ld times: %s\n", count, qPrintable(message));
    std::fflush(stdout);
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c()); // results with "." as the core writes them by default
        design::installFontSubstitutions();
    }
    void randomWalkKeepsTheWindowsRight();
};

void SoakTest::randomWalkKeepsTheWindowsRight()
{
    bool ok = false;
    std::uint32_t seed = qEnvironmentVariable("QUANTORA_SOAK_SEED").toUInt(&ok);
    if (!ok)
        seed = defaultSeed;
    long actions = qEnvironmentVariable("QUANTORA_SOAK_ACTIONS").toLong(&ok);
    if (!ok || actions < 0)
        actions = defaultActions;
    std::printf("soak: seed %u, %ld actions\n", seed, actions);
    std::fflush(stdout);

    InitialScreen menu;
    SoakDriver driver(menu, seed, actions);
    walkSeed = seed;
    currentAction = 0;
    const Watchdog watchdog(std::chrono::seconds(30));
    [[maybe_unused]] const CrashReport crashReport;
    warningCounts.clear();
    const QtMessageHandler previous = qInstallMessageHandler(countMessage);
    driver.start();
    int status = 0;
    if (!driver.finished())
        status = QCoreApplication::exec(); // until the walk presses "Exit Program"
    qInstallMessageHandler(previous);
    driver.printReport();

    QVERIFY2(driver.failure().isEmpty(), qPrintable(driver.failure()));
    QCOMPARE(driver.actionsDone(), actions);
    QVERIFY(driver.finished());
    QCOMPARE(status, 0);
    QVERIFY(!menu.isVisible());
}

QTEST_MAIN(SoakTest)
#include "soak_qtest.moc"
