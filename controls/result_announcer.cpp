// SPDX-License-Identifier: MIT
#include "result_announcer.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QVersionNumber>
#include <QWidget>

namespace quantora::result_announcer {

namespace {

// The announcements' translation context, shared by every window that announces.
struct ResultAnnouncer {
    Q_DECLARE_TR_FUNCTIONS(ResultAnnouncer)
};

// Never shown and without a parent: a screen reader speaks its name when it
// "appears", and, having no window, nothing else with it (a notification in
// the dialog would also have the dialog's title spoken each time).
class Notification : public QWidget {
public:
    QString text;
};

class AccessibleNotification : public QAccessibleWidget {
public:
    explicit AccessibleNotification(Notification *widget) : QAccessibleWidget(widget, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        // Read from the widget rather than set as its accessible name, which
        // would also send a name change.
        return t == QAccessible::Name ? static_cast<Notification *>(widget())->text : QAccessibleWidget::text(t);
    }
};

// Each announcement is a notification of its own: a screen reader that keeps
// what it once read of an object (Orca 48 does) would otherwise say the text
// before. The one before stays until the next, for a reader slow to ask.
struct Notifications {
    Notification *previous = nullptr;
    Notification *latest = nullptr;
};

Notifications &notifications()
{
    static Notifications made = [] {
        // Dropped before the application object; each interface goes with its widget.
        qAddPostRoutine([] {
            delete notifications().previous;
            delete notifications().latest;
            notifications() = {};
        });
        return Notifications{};
    }();
    return made;
}

void speak(const QString &text)
{
    Notifications &made = notifications();
    delete made.previous;
    made.previous = made.latest;
    made.latest = new Notification;
    made.latest->text = text;
    // Registered by hand: an unshown, parentless widget is in no window's tree.
    QAccessible::registerAccessibleInterface(new AccessibleNotification(made.latest));
    QAccessibleEvent shown(made.latest, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

// The last result one window announced, kept as its child.
// (A QObject that findChild finds by its type.)
class LastResult : public QObject {
    Q_OBJECT

public:
    explicit LastResult(QWidget &window) : QObject(&window) { setObjectName(objectNameText()); }

    static QString objectNameText() { return QStringLiteral("lastAnnouncedResult"); }

    static LastResult *of(QWidget &window)
    {
        return window.findChild<LastResult *>(objectNameText(), Qt::FindDirectChildrenOnly);
    }

    // Records the window's result, made on the first one.
    static void record(QWidget &window, const QString &text)
    {
        LastResult *last = of(window);
        (last ? last : new LastResult(window))->text = text;
    }

    QString text;
};

bool shouldSpeak(const QWidget &window)
{
    return QAccessible::isActive() && window.isActiveWindow();
}

} // namespace

bool bridgeSpeaksDescriptionChanges()
{
    // Qt 6.4's bridge sends an object reference where the new text belongs;
    // later bridges send the text.
    static const bool sound = QLibraryInfo::version() >= QVersionNumber(6, 5, 0);
    return sound;
}

QString resultText(const QString &result)
{
    return ResultAnnouncer::tr("result %1").arg(result);
}

void announceResult(QWidget &window, const QString &text)
{
    const LastResult *last = LastResult::of(window);
    const bool first = !last;
    if (last && last->text == text)
        return;
    LastResult::record(window, text);
    if (first)
        return;
    if (!shouldSpeak(window))
        return;
    // A focused control outside a list speaks its own changed description on
    // a sound bridge; a notification too would say the result twice.
    const QWidget *focus = QApplication::focusWidget();
    if (bridgeSpeaksDescriptionChanges() && focus && !qobject_cast<const QAbstractItemView *>(focus) &&
        focus->accessibleDescription().endsWith(text))
        return;
    speak(resultText(text));
}

void announceChange(QWidget &window, const QString &what, const QString &text)
{
    LastResult::record(window, text);
    if (shouldSpeak(window))
        speak(ResultAnnouncer::tr("%1, %2", "a change, then the result it gives").arg(what, resultText(text)));
}

void announceCopied(const QWidget &window, const QString &text)
{
    if (shouldSpeak(window))
        speak(ResultAnnouncer::tr("Copied %1").arg(text));
}

} // namespace quantora::result_announcer

#include "result_announcer.moc"
