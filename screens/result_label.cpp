// SPDX-License-Identifier: MIT
#include "result_label.h"

#include "result_announcer.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QToolTip>

namespace quantora {

ResultLabel::ResultLabel(QWidget &window, std::function<QString()> explain)
    : BorderedLabel(&window), m_explain(std::move(explain))
{
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::NoFocus);
    auto *copy = new QAction(QCoreApplication::translate("quantora::TheDisplayScreen", "Copy"), &window);
    copy->setObjectName(QStringLiteral("copyResult"));
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copy->setShortcutContext(Qt::WindowShortcut);
    connect(copy, &QAction::triggered, this, [this, &window] {
        QGuiApplication::clipboard()->setText(text());
        result_announcer::announceCopied(window, text());
    });
    window.addAction(copy);
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

bool ResultLabel::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return BorderedLabel::event(event);
    const QString explanation = m_explain();
    if (explanation.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(static_cast<const QHelpEvent &>(*event).globalPos(), explanation, this);
    return true;
}

} // namespace quantora
