// SPDX-License-Identifier: MIT
#pragma once

#include <QStyledItemDelegate>

class QListWidget;

namespace quantora {

// Draws a unit list's names within the list's width: a name too long for it
// ends in "…" and shows whole in a tooltip, so the list never scrolls sideways.
class UnitNameDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Gives the list this delegate and the settings it needs.
    static void install(QListWidget &list);

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

private:
    bool fits(const QStyleOptionViewItem &option, const QModelIndex &index) const;
};

} // namespace quantora
