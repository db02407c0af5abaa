// SPDX-License-Identifier: MIT
#pragma once

#include "bordered_label.h"

#include <functional>

namespace quantora {

// A conversion's result as the screen shows it: text that can be selected with
// the mouse while the keyboard focus stays where it was, and copied whole with
// Copy in its context menu or Ctrl+Shift+C anywhere in its window (Ctrl+C stays
// the focused control's). Its tooltip says what `explain` gives, asked only
// when the tooltip is.
class ResultLabel : public BorderedLabel {
public:
    ResultLabel(QWidget &window, std::function<QString()> explain);

protected:
    bool event(QEvent *event) override;

private:
    std::function<QString()> m_explain;
};

} // namespace quantora
