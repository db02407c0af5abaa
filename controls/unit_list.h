// SPDX-License-Identifier: MIT
#pragma once

#include <QListWidget>

namespace quantora {

// A list of units to choose one from: its current unit is the one in use, and
// always the one highlighted. A name too long for the list ends in "…" and
// shows whole in a tooltip, so that the list never scrolls sideways. While a
// modal window blocks the list, its unit cannot change.
class UnitList : public QListWidget {
public:
    explicit UnitList(QWidget *parent = nullptr);
};

} // namespace quantora
