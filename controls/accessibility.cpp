// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include "accessible_text_box.h"
#include "modal_gate.h"
#include "picture_widgets.h"
#include "quantity.h"
#include "translations.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace quantora {

namespace {

// Runs a control's click once the accessibility client's call has returned, as
// a push button's press does: a click may open a modal window, whose event loop
// must not run inside the call. Whether a modal window blocks the control is
// asked then, when the click would take effect, so that a press queued behind
// one that opened a modal window is refused too.
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
    explicit AccessiblePushButton(QWidget *button) : GatedAccessibleWidget(button, QAccessible::Button) {}

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
        clickLater(button(), &QAbstractButton::click);
    }

private:
    QAbstractButton *button() const { return static_cast<QAbstractButton *>(widget()); }
};

// A picture control: a button with a press action when the keyboard reaches
// it, otherwise a plain graphic.
class AccessiblePicture : public GatedAccessibleWidget {
public:
    explicit AccessiblePicture(QWidget *picture) : GatedAccessibleWidget(picture) {}

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
        clickLater(picture(), &ClickableWidget::clicked);
    }

private:
    ClickableWidget *picture() const { return static_cast<ClickableWidget *>(widget()); }
};

} // namespace

void installAccessibleInterfaces()
{
    installAccessibleInterface<QLineEdit, accessibleTextBox>();
    installAccessibleInterface<QPushButton, newAccessible<AccessiblePushButton>>();
    installAccessibleInterface<ClickableWidget, newAccessible<AccessiblePicture>>();
}

QString accessibleQuantityName(const QuantityDef &quantity)
{
    return catalogueText("Quantity", quantity.fullName);
}

} // namespace quantora
