// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

namespace quantora {

// A command button in the design's graphical style: its picture centred above
// its caption, on the designed button colour (design::buttonFace) whatever the
// style would tint it to. Being a QPushButton it can be a dialog's default
// button, pressed by Enter.
class PictureAboveCaptionButton : public QPushButton {
    Q_OBJECT
public:
    PictureAboveCaptionButton(const QString &caption, const QIcon &picture, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace quantora
