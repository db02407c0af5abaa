// SPDX-License-Identifier: MIT
#include "constants_sheet_widget.h"

#include "accessibility.h"
#include "constants_sheet.h"
#include "constants_sheet_painter.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>

namespace quantora {

namespace {

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

} // namespace

ConstantsSheetWidget::ConstantsSheetWidget(QWidget *parent) : QWidget(parent)
{
    installAccessibleInterface<ConstantsSheetWidget, newAccessible<AccessibleConstantsSheet>>();
    // The sheet is a picture; its context menu copies what it says as text.
    auto *copy = new QAction(tr("Copy"), this);
    copy->setObjectName(QStringLiteral("copyConstants"));
    connect(copy, &QAction::triggered, this,
            [] { QGuiApplication::clipboard()->setText(constants_sheet::plainText()); });
    addAction(copy);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void ConstantsSheetWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintConstantsSheet(painter, QRectF(rect()));
}

} // namespace quantora
