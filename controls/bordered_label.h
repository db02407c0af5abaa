// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace quantora {

// A label with a single-line border in the window-frame colour (black),
// whatever the colour of its text; a plain QFrame border would take the
// text's colour.
class BorderedLabel : public QLabel {
    Q_OBJECT
public:
    explicit BorderedLabel(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace quantora
