// SPDX-License-Identifier: MIT
#include "design.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTimer>
#include <QToolTip>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace quantora::design {

QFont font(const QString &family, qreal pointSize, int weight)
{
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setWeight(static_cast<QFont::Weight>(weight));
    return f;
}

void installFontSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                                         QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(
        QStringLiteral("Comic Sans MS"),
        {QStringLiteral("Comic Neue"), QStringLiteral("Comic Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"),
        {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
#ifdef Q_OS_WIN
    // The URW Bookman Light that the program brings, under a Windows family of its
    // own: as plain "URW Bookman" Windows may take its Demi face.
    QFont::insertSubstitution(QStringLiteral("Bookman Old Style"), QStringLiteral("URW Bookman Light"));
#endif
    QFont::insertSubstitutions(QStringLiteral("Bookman Old Style"),
                               {QStringLiteral("URW Bookman"), QStringLiteral("URW Bookman L"),
                                QStringLiteral("Bookman"), QStringLiteral("DejaVu Serif")});
#ifdef Q_OS_WIN
    // Linux's font configuration knows "Sans Serif" as its default sans-serif
    // face; Windows knows no such family, and the program brings DejaVu Sans.
    QFont::insertSubstitutions(QStringLiteral("Sans Serif"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Arial")});
#endif
}

QPalette palette()
{
    // Qt's light palette as it stands without a desktop theme (a theme changes
    // what even the Fusion style's standardPalette() gives).
    // clang-format off
    static const struct {
        QPalette::ColorRole role;
        QRgb active, disabled, inactive;
    } plain[] = {
        {QPalette::WindowText,      0xff000000, 0xffbebebe, 0xff000000},
        {QPalette::Button,          0xffefefef, 0xffefefef, 0xffefefef},
        {QPalette::Light,           0xffffffff, 0xffffffff, 0xffffffff},
        {QPalette::Midlight,        0xffcacaca, 0xffcacaca, 0xffcacaca},
        {QPalette::Dark,            0xff9f9f9f, 0xffbebebe, 0xff9f9f9f},
        {QPalette::Mid,             0xffb8b8b8, 0xffb8b8b8, 0xffb8b8b8},
        {QPalette::Text,            0xff000000, 0xffbebebe, 0xff000000},
        {QPalette::BrightText,      0xffffffff, 0xffffffff, 0xffffffff},
        {QPalette::ButtonText,      0xff000000, 0xffbebebe, 0xff000000},
        {QPalette::Base,            0xffffffff, 0xffefefef, 0xffffffff},
        {QPalette::Window,          0xffefefef, 0xffefefef, 0xffefefef},
        {QPalette::Shadow,          0xff767676, 0xffb1b1b1, 0xff767676},
        {QPalette::Highlight,       0xff308cc6, 0xff919191, 0xff308cc6},
        {QPalette::HighlightedText, 0xffffffff, 0xffffffff, 0xffffffff},
        {QPalette::Link,            0xff0000ff, 0xff0000ff, 0xff0000ff},
        {QPalette::LinkVisited,     0xffff00ff, 0xffff00ff, 0xffff00ff},
        {QPalette::AlternateBase,   0xfff7f7f7, 0xfff7f7f7, 0xfff7f7f7},
        {QPalette::ToolTipBase,     0xffffffdc, 0xffffffdc, 0xffffffdc},
        {QPalette::ToolTipText,     0xff000000, 0xff000000, 0xff000000},
        {QPalette::PlaceholderText, 0x80000000, 0x80000000, 0x80000000},
    };
    // clang-format on
    static const QPalette designed = [] {
        // Set explicitly, every role is what a widget keeps, and passes on to its
        // children, over the application's palette and a theme's per-class ones.
        QPalette colours;
        for (const auto &[role, active, disabled, inactive] : plain) {
            colours.setColor(QPalette::Active, role, QColor::fromRgba(active));
            colours.setColor(QPalette::Disabled, role, QColor::fromRgba(disabled));
            colours.setColor(QPalette::Inactive, role, QColor::fromRgba(inactive));
        }
        return colours;
    }();
    return designed;
}

QFont defaultFont()
{
    QFont face = font(QStringLiteral("Sans Serif"), 9);
    face.setStyleHint(QFont::SansSerif);
    face.setStyle(QFont::StyleNormal);
    return face;
}

void installLook([[maybe_unused]] bool styleGiven)
{
#ifndef Q_OS_WIN
    // A desktop theme (KDE's, qt6ct) would choose its own style; Windows' own
    // style follows no theme.
    if (!styleGiven)
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
#endif
    QApplication::setPalette(palette());
    QApplication::setFont(defaultFont());
    // Tooltips are windows of their own, with a palette and font of their own.
    QToolTip::setPalette(palette());
    QToolTip::setFont(defaultFont());
}

void addBundledFaces([[maybe_unused]] const QString &folder)
{
#ifdef Q_OS_WIN
    // The design's families and the free faces that stand in for them; only
    // the faces of families the system lacks are read.
    const struct {
        const char *family;
        const char *file;
    } faces[] = {
        {"Bookman Old Style", "URWBookman-Light.otf"},
        {"Sans Serif", "DejaVuSans.ttf"},
    };
    for (const auto &face : faces) {
        if (!QFontDatabase::hasFamily(QLatin1String(face.family)))
            QFontDatabase::addApplicationFont(folder + u'/' + QLatin1String(face.file));
    }
#endif
}

void makeFixedDialog(QWidget &window, QSize clientSize)
{
    window.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window.setFixedSize(clientSize);
    // The window's own palette and font, so that its controls keep them whatever
    // the application's become (a desktop theme sets them, and can change them).
    window.setPalette(palette());
    window.setFont(defaultFont());
    setBackground(window, windowBackground);
}

namespace {

int fitAxis(int start, int length, int areaStart, int areaLength)
{
    if (length >= areaLength)
        return areaStart;
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

QRect availableArea(QPoint at)
{
    const QScreen *screen = QGuiApplication::screenAt(at);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The frame of the program's windows, as far as the system has told it. Some
// systems (X11) tell a window's frame only once it is shown; then the frame of
// a window shown before stands in (all windows of the program have the same
// kind of frame).
QMargins &knownFrameMargins()
{
    static QMargins margins;
    return margins;
}

enum class Anchor { Frame, ClientArea };

// Puts the window's frame, or its client area, at a design position, with the
// frame kept on the screen by fitOnScreen.
void place(QWidget &window, QPoint designed, Anchor anchor, QMargins margins)
{
    const QPoint corner(margins.left(), margins.top());
    const QRect frame(anchor == Anchor::Frame ? designed : designed - corner, window.size().grownBy(margins));
    const QRect fitted = fitOnScreen(frame, availableArea(designed));
    if (anchor == Anchor::Frame)
        window.move(fitted.topLeft()); // Qt places a top-level's frame by move()
    else
        window.setGeometry(QRect(fitted.topLeft() + corner, window.size()));
}

// Places a window again once it is shown, if its frame then turns out to be
// other than the one it was placed with (the program's first window under a
// window manager, which adds the frame only as it maps the window). Without a
// window manager there is no frame and the window stays where it is.
class PlaceAgainOnceFramed : public QObject {
public:
    PlaceAgainOnceFramed(QWidget &window, QPoint designed, Anchor anchor, QMargins used)
        : QObject(window.windowHandle()), m_window(&window), m_designed(designed), m_anchor(anchor), m_used(used)
    {
        window.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *handle = qobject_cast<QWindow *>(watched);
        if (event->type() != QEvent::Expose || !handle || !handle->isExposed())
            return false;
        handle->removeEventFilter(this);
        deleteLater();
        const QMargins frame = handle->frameMargins();
        if (frame.isNull() || frame == m_used || !m_window)
            return false;
        knownFrameMargins() = frame;
        // After the exposure, not inside it.
        QTimer::singleShot(0, m_window, [window = m_window, designed = m_designed, anchor = m_anchor, frame] {
            if (window)
                place(*window, designed, anchor, frame);
        });
        return false;
    }

private:
    QPointer<QWidget> m_window;
    QPoint m_designed;
    Anchor m_anchor;
    QMargins m_used;
};

void placeTopLevel(QWidget &window, QPoint designed, Anchor anchor)
{
    window.winId(); // creates the window, whose frame some systems know before it is shown
    QWindow *handle = window.windowHandle();
    QMargins margins = knownFrameMargins();
    if (handle && !handle->frameMargins().isNull())
        margins = knownFrameMargins() = handle->frameMargins();
    else if (handle)
        new PlaceAgainOnceFramed(window, designed, anchor, margins);
    place(window, designed, anchor, margins);
}

} // namespace

QRect fitOnScreen(QRect frame, QRect available)
{
    if (available.isEmpty())
        return frame;
    return {QPoint(fitAxis(frame.left(), frame.width(), available.left(), available.width()),
                   fitAxis(frame.top(), frame.height(), available.top(), available.height())),
            frame.size()};
}

void assumeFrameMargins(QMargins margins)
{
    knownFrameMargins() = margins;
}

void placeWindow(QWidget &window, int leftTwips, int topTwips)
{
    placeTopLevel(window, QPoint(px(leftTwips), px(topTwips)), Anchor::Frame);
}

void placeClientArea(QWidget &window, int leftTwips, int topTwips)
{
    placeTopLevel(window, QPoint(px(leftTwips), px(topTwips)), Anchor::ClientArea);
}

void keepCaptionPadding(QPushButton &button)
{
    // The style's room around a caption, measured on one wider than any minimum
    // width the style gives a button.
    QStyleOptionButton option;
    option.initFrom(&button);
    if (button.autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    constexpr int wide = 1000;
    const QSize contents(wide, button.fontMetrics().height());
    const int padding =
        button.style()->sizeFromContents(QStyle::CT_PushButton, &option, contents, &button).width() - wide;

    // Without its access-key marks ("&&" counts one too many, which errs on the roomy side).
    const QString caption = button.text().remove(u'&');
    QFont font = button.font();
    while (QFontMetricsF(font).horizontalAdvance(caption) + padding > button.width() && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    button.setFont(font);
}

void setBackground(QWidget &widget, const QColor &colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void setTextColour(QWidget &widget, const QColor &colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget.setPalette(palette);
}

} // namespace quantora::design
