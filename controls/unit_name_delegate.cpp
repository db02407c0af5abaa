// SPDX-License-Identifier: MIT
#include "unit_name_delegate.h"

#include <QApplication>
#include <QHelpEvent>
#include <QListWidget>
#include <QToolTip>

#include <algorithm>

namespace quantora {

void UnitNameDelegate::install(QListWidget &list)
{
    list.setItemDelegate(new UnitNameDelegate(&list));
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list.setTextElideMode(Qt::ElideRight);
    // Lay the names out again when the width changes (a vertical scroll bar comes or goes).
    list.setResizeMode(QListView::Adjust);
}

QSize UnitNameDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (const auto *view = qobject_cast<const QAbstractItemView *>(option.widget))
        size.setWidth(std::min(size.width(), view->viewport()->width()));
    return size;
}

bool UnitNameDelegate::fits(const QStyleOptionViewItem &option, const QModelIndex &index) const
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

bool UnitNameDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                                 const QModelIndex &index)
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

} // namespace quantora
