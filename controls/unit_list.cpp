// SPDX-License-Identifier: MIT
#include "unit_list.h"

#include "modal_gate.h"

#include <QApplication>
#include <QHelpEvent>
#include <QStyledItemDelegate>
#include <QToolTip>

#include <algorithm>

namespace quantora {

namespace {

// Draws the names within the list's width, and shows a name cut short whole in a tooltip.
class UnitNameDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (const auto *view = qobject_cast<const QAbstractItemView *>(option.widget))
            size.setWidth(std::min(size.width(), view->viewport()->width()));
        return size;
    }

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        if (event->type() != QEvent::ToolTip || !index.isValid())
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        if (fits(option, index)) {
            QToolTip::hideText();
            return false;
        }
        QToolTip::showText(event->globalPos(), index.data(Qt::DisplayRole).toString(), view->viewport(),
                           view->visualRect(index));
        return true;
    }

private:
    bool fits(const QStyleOptionViewItem &option, const QModelIndex &index) const
    {
        QStyleOptionViewItem item(option);
        initStyleOption(&item, index);
        const QWidget *widget = option.widget;
        const QStyle *style = widget ? widget->style() : QApplication::style();
        const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
        // The margin the style leaves on either side of an item's text.
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        return item.fontMetrics.horizontalAdvance(item.text) <= textRect.width() - 2 * margin;
    }
};

// Refuses every change of the selection and of the current unit while a modal
// window blocks the list, whoever asks for it (a screen reader's select action).
class GatedSelection : public QItemSelectionModel {
public:
    explicit GatedSelection(QListWidget &list) : QItemSelectionModel(list.model(), &list), m_list(list) {}

    using QItemSelectionModel::select;
    void select(const QItemSelection &selection, SelectionFlags command) override
    {
        if (!blockedByModalWindow(m_list))
            QItemSelectionModel::select(selection, command);
    }
    void setCurrentIndex(const QModelIndex &index, SelectionFlags command) override
    {
        if (!blockedByModalWindow(m_list))
            QItemSelectionModel::setCurrentIndex(index, command);
    }

private:
    const QListWidget &m_list;
};

} // namespace

UnitList::UnitList(QWidget *parent) : QListWidget(parent)
{
    QItemSelectionModel *ungated = selectionModel();
    setSelectionModel(new GatedSelection(*this));
    delete ungated;
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new UnitNameDelegate(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideRight);
    // Lay the names out again when the width changes (a vertical scroll bar comes or goes).
    setResizeMode(QListView::Adjust);
    // Ctrl+click, Ctrl+Space or a click below the last unit would clear the
    // highlight while the result still converts by the current unit; the unit
    // in use stays highlighted instead. A unit selected without becoming the
    // current one (as a screen reader's select action does) becomes the unit
    // in use.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> selected = selectedItems();
        if (selected.isEmpty() && currentItem())
            currentItem()->setSelected(true);
        for (QListWidgetItem *item : selected) {
            if (item != currentItem())
                return setCurrentItem(item);
        }
    });
}

} // namespace quantora
