// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace quantora {

// The image control that shows the constants sheet stretched to fill it. It
// paints no background, so the window colour shows through. Its context menu
// copies the ten constants as plain text.
class ConstantsSheetWidget : public QWidget {
    Q_OBJECT
public:
    explicit ConstantsSheetWidget(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace quantora
