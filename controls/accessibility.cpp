// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include "accessible_text_box.h"
#include "constants_sheet.h"
#include "modal_gate.h"
#include "picture_widgets.h"
#include "quantity.h"
#include "translations.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace quantora {

namespace {

// Runs a control's click once the accessibility client's call has returned, as
// a push button's press does: a click may open a modal window, whose event loop
// must not run inside the call. A modal window that opened meanwhile (a second
// press queued behind the first) still blocks it then.
template <typename Control, typename Click> void clickLater(Control *control, Click click)
{
    QTimer::singleShot(0, control, [control = QPointer<Control>(control), click] {
        if (control && control->isEnabled() && !blockedByModalWindow(*control))
            (control->*click)();
    });
}

// A caption as read aloud: "&Save" is "Save", "&&" a plain "&", and a soft
// hyphen, where a long word may break, is not there.
QString withoutMnemonic(const QString &caption)
{
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        if (caption[i] != QChar(0x00AD))
            text += caption[i];
    }
    return text;
}

// A push button: pressed by its press action, named by its caption.
class AccessiblePushButton : public GatedAccessibleWidget {
public:
    explicit AccessiblePushButton(QAbstractButton *button) : GatedAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && button()->accessibleName().isEmpty())
            return withoutMnemonic(button()->text());
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->isDown();
        if (const auto *push = qobject_cast<const QPushButton *>(button()))
            state.defaultButton = push->isDefault();
        return state;
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString &actionName) override
    {
        if (actionName != pressAction())
            return GatedAccessibleWidget::doAction(actionName);
        if (button()->isEnabled() && !blockedByModalWindow(*button()))
            clickLater(button(), &QAbstractButton::click);
    }

private:
    QAbstractButton *button() const { return static_cast<QAbstractButton *>(widget()); }
};

// A picture control: a button with a press action when the keyboard reaches
// it, otherwise a plain graphic.
class AccessiblePicture : public GatedAccessibleWidget {
public:
    explicit AccessiblePicture(ClickableWidget *picture) : GatedAccessibleWidget(picture) {}

    QAccessible::Role role() const override
    {
        return picture()->isKeyboardButton() ? QAccessible::Button : QAccessible::Graphic;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (picture()->isKeyboardButton())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &actionName) override
    {
        if (actionName != pressAction() || !picture()->isKeyboardButton())
            return GatedAccessibleWidget::doAction(actionName);
        if (!blockedByModalWindow(*picture()))
            clickLater(picture(), &ClickableWidget::clicked);
    }

private:
    ClickableWidget *picture() const { return static_cast<ClickableWidget *>(widget()); }
};

// A window whose hidden controls (the lists and labels that only carry data
// between windows) are left out: a screen reader never meets them.
class AccessibleWindow : public QAccessibleWidget {
public:
    AccessibleWindow(QWidget *window, QAccessible::Role role) : QAccessibleWidget(window, role) {}

    int childCount() const override { return int(shownChildren().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> children = shownChildren();
        return index >= 0 && index < children.size() ? QAccessible::queryAccessibleInterface(children.at(index))
                                                     : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(shownChildren().indexOf(child->object())) : -1;
    }

private:
    QList<QWidget *> shownChildren() const
    {
        QList<QWidget *> children;
        for (QObject *object : widget()->children()) {
            auto *child = qobject_cast<QWidget *>(object);
            if (child && !child->isWindow() && !child->isHidden() && !child->inherits("quantora::FocusRing"))
                children.append(child);
        }
        return children;
    }
};

// The painted constants sheet, read as text: the ten constants, one a line.
// The text can be read but has no caret and no selection.
class AccessibleConstantsSheet : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleConstantsSheet(QWidget *sheet)
        : QAccessibleWidget(sheet, QAccessible::StaticText), m_text(constants_sheet::plainText())
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? QCoreApplication::translate("quantora::ConstantsSheetWidget", "Constants")
                                      : QAccessibleWidget::text(t);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(int startOffset, int endOffset) const override
    {
        if (endOffset < 0 || endOffset > m_text.size())
            endOffset = int(m_text.size());
        startOffset = std::clamp(startOffset, 0, endOffset);
        return m_text.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(m_text.size()); }

    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    const QString m_text;
};

QAccessibleInterface *quantoraAccessible(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("QLineEdit"))
        return accessibleTextBox(static_cast<QLineEdit *>(widget));
    if (className == QLatin1String("QPushButton"))
        return new AccessiblePushButton(static_cast<QPushButton *>(widget));
    if (className == QLatin1String("quantora::ClickableWidget"))
        return new AccessiblePicture(static_cast<ClickableWidget *>(widget));
    if (className == QLatin1String("quantora::InitialScreen"))
        return new AccessibleWindow(widget, QAccessible::Window);
    if (className == QLatin1String("quantora::TheDisplayScreen"))
        return new AccessibleWindow(widget, QAccessible::Dialog);
    if (className == QLatin1String("quantora::ConstantsSheetWidget"))
        return new AccessibleConstantsSheet(widget);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(quantoraAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

QString accessibleQuantityName(const QuantityDef &quantity)
{
    return catalogueText("Quantity", quantity.fullName);
}

} // namespace quantora
