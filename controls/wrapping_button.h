// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

namespace quantora {

// A command button whose caption wraps at word boundaries onto as many lines as
// the button needs, centred, as the design's narrow "Back To Main Menu" button
// shows it. text() stays the caption as given.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace quantora
