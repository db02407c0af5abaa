// SPDX-License-Identifier: MIT
#pragma once

#include "quantity.h"

#include <QWidget>

#include <map>
#include <memory>

class QGroupBox;
class QPushButton;

namespace quantora {

class PictureBox;
class StretchedImage;
class TheDisplayScreen;
class frmConstants;

// The main menu: the program's first and last window. Each of the 31 quantities
// is a picture with a caption beneath it, grouped in four frames; a click opens
// the quantity on a conversion screen of its own.
class InitialScreen : public QWidget {
    Q_OBJECT
public:
    // When the menu's controls are built: at once, or, at program start, while
    // the About box is on screen, so that the box appears without waiting for them.
    enum class Controls { BuildNow, BuildWhileAboutBoxShows };

    explicit InitialScreen(QWidget *parent = nullptr, Controls controls = Controls::BuildNow);
    ~InitialScreen() override;

    // The start: shows the About box modally, and when it closes places the menu
    // at its design position and shows it.
    void load();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    using TabStops = std::map<int, QWidget *>; // by tab index
    void buildControls();
    void buildFrames();
    void buildQuantityEntries(TabStops &tabStops);
    void buildOtherControls(TabStops &tabStops);

    // Whether a modal window blocks the menu, or the conversion screen it opened
    // is still there (hidden, its loop not yet returned). The menu then opens
    // nothing more, whichever way a request arrives (a screen reader's press, a
    // shortcut, a double-click, a queued timer).
    bool windowOpenOverMenu() const;

    // Opens a quantity, by its picture or its caption: makes its conversion
    // screen, which lives until this call returns, and shows it modally.
    void openQuantity(const QuantityDef &quantity, const PictureBox &button);
    void showAboutBox();
    void CmdConstants_Click();
    void EndProgram_Click();

    QGroupBox *m_frames[4] = {};
    QPushButton *m_endProgram = nullptr;
    StretchedImage *m_image1 = nullptr;
    TheDisplayScreen *m_displayScreen = nullptr; // the screen openQuantity owns while it runs
    std::unique_ptr<frmConstants> m_constants;
};

} // namespace quantora
