// SPDX-License-Identifier: MIT
#include "initial_screen.h"

#include "accessibility.h"
#include "after_first_paint.h"
#include "app_identity.h"
#include "catalogue.h"
#include "faces.h"
#include "focus_ring.h"
#include "frm_about.h"
#include "frm_constants.h"
#include "keyboard_focus.h"
#include "look.h"
#include "main_menu_layout.h"
#include "modal_gate.h"
#include "picture_above_caption_button.h"
#include "picture_widgets.h"
#include "pictures.h"
#include "same_window_double_clicks.h"
#include "the_display_screen.h"
#include "titled_frame.h"
#include "translations.h"
#include "twips.h"
#include "window_placement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QScopeGuard>

#include <algorithm>
#include <map>

namespace quantora {

namespace {

const QColor frameTitleColour{128, 0, 0};

// The frames stand at the left edge of the window, from top to bottom.
struct FrameLayout {
    MenuFrame frame;
    TwipsRect rect;
};
const FrameLayout frameLayouts[] = {
    {MenuFrame::Frame1, {0, 0, 6855, 1335}},
    {MenuFrame::FlowRelated, {0, 1440, 9975, 1695}},
    {MenuFrame::Frame2, {0, 3240, 6495, 1815}},
    {MenuFrame::Frame3, {0, 5160, 4815, 1695}},
};

QRect toPixels(const TwipsRect &r)
{
    return design::rect(r.left, r.top, r.width, r.height);
}

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

QString utf8(const std::string &text)
{
    return QString::fromStdString(text);
}

// A caption label under a picture: Comic Sans MS 8.25 pt on a transparent background.
ClickableLabel *captionLabel(QWidget *parent, const QString &name, const QString &caption, const TwipsRect &rect,
                             CaptionLayout layout, const QColor &colour)
{
    auto *label = design::place(new ClickableLabel(caption, parent), name, toPixels(rect));
    label->setTextFormat(Qt::PlainText);
    label->setFont(design::font(QStringLiteral("Comic Sans MS"), 8.25));
    design::setTextColour(*label, colour);
    switch (layout) {
    case CaptionLayout::AutoSize:
        label->adjustSize();
        break;
    case CaptionLayout::Centred:
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        break;
    case CaptionLayout::Left:
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        break;
    }
    // A substitute face may be wider than the designed one and wrap onto one
    // more line; the box then grows downwards rather than cut the caption off.
    if (label->wordWrap())
        label->resize(label->width(), std::max(label->height(), label->heightForWidth(label->width())));
    return label;
}

PictureBox *pictureButton(QWidget *parent, const QString &name, const TwipsRect &rect, const QImage &picture)
{
    auto *button = design::place(new PictureBox(parent), name, toPixels(rect));
    design::setBackground(*button, design::windowBackground);
    button->setPicture(picture);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

InitialScreen::InitialScreen(QWidget *parent, Controls controls) : QWidget(parent)
{
    installAccessibleInterface<InitialScreen, accessibleWithoutRing>();
    setObjectName(QStringLiteral("InitialScreen"));
    installSameWindowDoubleClicks();
    installKeyboardBehaviour();
    setWindowTitle(tr("%1 %2 By Orvandel").arg(latin1(applicationTitle), latin1(versionText)));
    design::makeFixedDialog(*this, design::size(10110, 7020));
    // The main window: a window of its own with a taskbar entry, yet the same fixed frame.
    setWindowFlags((windowFlags() & ~Qt::Dialog) | Qt::Window);
    if (controls == Controls::BuildNow)
        buildControls();
}

void InitialScreen::buildControls()
{
    if (m_image1)
        return; // built already
    // The program's icon (a plain windowIcon() here would be QWidget's getter).
    setWindowIcon(quantora::windowIcon());

    // The logo first, so that Frame2 is drawn over its left edge where they overlap.
    m_image1 =
        design::place(new StretchedImage(QStringLiteral("logo"), this), "Image1", design::rect(6360, 3480, 3600, 3360));
    connect(m_image1, &StretchedImage::clicked, this, &InitialScreen::showAboutBox);
    // The logo is a button for the keyboard too, the last stop of the Tab order.
    m_image1->setFocusPolicy(Qt::TabFocus);
    m_image1->setAccessibleName(tr("About %1").arg(latin1(applicationTitle)));

    buildFrames();
    TabStops tabStops;
    buildQuantityEntries(tabStops);
    buildOtherControls(tabStops);
    // Keyboard focus moves in the design's tab order, and starts at its first stop.
    for (auto it = tabStops.begin(); std::next(it) != tabStops.end(); ++it)
        setTabOrder(it->second, std::next(it)->second);
    setTabOrder(tabStops.rbegin()->second, m_image1);
    tabStops.begin()->second->setFocus();
    moveFocusWithArrows(*this);
}

InitialScreen::~InitialScreen() = default;

void InitialScreen::buildFrames()
{
    for (const FrameLayout &layout : frameLayouts) {
        auto *frame =
            design::place(new TitledFrame(catalogueText("Frame", std::string(frameCaption(layout.frame))), this),
                          utf8(std::string(frameName(layout.frame))), toPixels(layout.rect));
        frame->setFont(design::font(QStringLiteral("Comic Sans MS"), 12));
        design::setBackground(*frame, design::windowBackground);
        design::setTextColour(*frame, frameTitleColour);
        m_frames[static_cast<int>(layout.frame)] = frame;
    }
}

void InitialScreen::buildQuantityEntries(TabStops &tabStops)
{
    const QColor black = Qt::black;
    const QColor windowText = design::plainQtPalette().color(QPalette::WindowText);
    for (const QuantityDef &q : catalogue()) {
        const QuantityDef *quantity = &q;
        const MenuEntryLayout *entry = menuEntryLayout(q);
        if (!entry)
            continue; // a quantity without a place on the menu (a test keeps every one placed)
        QGroupBox *frame = m_frames[static_cast<int>(quantity->frame)];
        auto *button = pictureButton(frame, utf8(quantity->button), entry->buttonRect,
                                     picture(latin1(entry->picture), entry->pictureSize));
        button->setAccessibleName(accessibleQuantityName(*quantity));
        auto *label =
            captionLabel(frame, utf8(quantity->label), catalogueText("Caption", quantity->caption), entry->labelRect,
                         entry->layout, entry->colour == CaptionColour::Desktop ? windowText : black);

        connect(button, &PictureBox::clicked, this, [this, quantity, button] { openQuantity(*quantity, *button); });
        // A caption does exactly what its picture does.
        connect(label, &ClickableLabel::clicked, button, &PictureBox::clicked);
        tabStops[entry->tabIndex] = button;
    }
}

void InitialScreen::buildOtherControls(TabStops &tabStops)
{
    auto *constants = pictureButton(this, QStringLiteral("CmdConstants"), {5040, 5520, 465, 480},
                                    picture(QStringLiteral("constants"), {32, 32}));
    auto *constantsLabel = captionLabel(this, QStringLiteral("LblConstants"), tr("Standard Constants"),
                                        {5040, 6120, 885, 465}, CaptionLayout::Left, Qt::black);
    constants->setAccessibleName(tr("Standard Constants"));
    connect(constants, &PictureBox::clicked, this, &InitialScreen::CmdConstants_Click);
    connect(constantsLabel, &ClickableLabel::clicked, constants, &PictureBox::clicked);
    tabStops[69] = constants;

    m_endProgram =
        design::place(new PictureAboveCaptionButton(tr("Exit Program"), pictureIcon(QStringLiteral("exit")), this),
                      "EndProgram", design::rect(7080, 120, 2775, 1215));
    m_endProgram->setFont(design::font(QStringLiteral("Comic Sans MS"), 12));
    connect(m_endProgram, &QPushButton::clicked, this, &InitialScreen::EndProgram_Click);
    tabStops[15] = m_endProgram;
}

void InitialScreen::load()
{
    {
        const AfterFirstPaint buildMenu(frmAbout::staticMetaObject, [this] { buildControls(); });
        frmAbout::showModal();
    }
    buildControls(); // if the About box closed before it was painted
    design::placeWindow(*this, 1000, 1000);
    show();
    activateWindow(); // takes the keys even with no window manager
}

bool InitialScreen::windowOpenOverMenu() const
{
    return m_displayScreen || blockedByModalWindow(*this);
}

void InitialScreen::openQuantity(const QuantityDef &quantity, const PictureBox &button)
{
    if (windowOpenOverMenu())
        return;
    // A new conversion screen for every opening: nothing carries over. It
    // belongs to this call, so nothing else can free it while it is shown.
    TheDisplayScreen screen(quantity, button.picture());
    m_displayScreen = &screen;
    const auto forget = qScopeGuard([this] { m_displayScreen = nullptr; });
    execReturningFocus(screen);
}

void InitialScreen::showAboutBox()
{
    if (!windowOpenOverMenu())
        frmAbout::showModal();
}

void InitialScreen::CmdConstants_Click()
{
    if (windowOpenOverMenu())
        return;
    if (!m_constants)
        m_constants = std::make_unique<frmConstants>();
    m_constants->showModal();
}

void InitialScreen::EndProgram_Click()
{
    close(); // closing the main menu ends the program
}

void InitialScreen::closeEvent(QCloseEvent *event)
{
    event->accept();
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

void InitialScreen::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Only the window's own background opens the About box, not a frame or a control.
    if (!childAt(event->position().toPoint()))
        showAboutBox();
}

} // namespace quantora
