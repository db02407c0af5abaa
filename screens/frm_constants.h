// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QPushButton;

namespace quantora {

// The constants screen: the sheet of standard constants and a button back to the
// main menu. It is created once and kept; the button (or the close button of the
// title bar) only hides it, and every later opening shows the same window.
class frmConstants : public QDialog {
    Q_OBJECT
public:
    explicit frmConstants(QWidget *parent = nullptr);

    // Shows the window modally; returns when it is hidden again.
    void showModal();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void OKButtonClicked();

    QPushButton *m_okButton;
};

} // namespace quantora
