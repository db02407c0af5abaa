// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>

namespace quantora {

// A titled frame drawn as the main menu's design draws it, not as the style
// draws a group box: the inside in the frame's background colour, a thin
// etched border whose top line runs through the middle of the title, and the
// title on that line in the frame's text colour. Controls inside stand where
// the program puts them.
class TitledFrame : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

    // The row of the border's top line (grey; the white line lies below it).
    int borderTop() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace quantora
