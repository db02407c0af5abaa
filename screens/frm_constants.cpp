// SPDX-License-Identifier: MIT
#include "frm_constants.h"

#include "app_identity.h"
#include "constants_sheet_widget.h"
#include "faces.h"
#include "keyboard_focus.h"
#include "look.h"
#include "picture_above_caption_button.h"
#include "picture_widgets.h"
#include "pictures.h"
#include "twips.h"
#include "window_placement.h"

#include <QTimer>

namespace quantora {

frmConstants::frmConstants(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmConstants"));
    setWindowTitle(tr("Constants Screen - %1  %2").arg(QLatin1String(applicationTitle), QLatin1String(versionText)));
    design::makeFixedDialog(*this, design::size(9705, 7740));
    // The client area's top-left corner at its design place; an explicit
    // geometry also keeps QDialog from centring the window when shown.
    setGeometry(design::rect(1545, 1935, 9705, 7740));
    design::placeClientArea(*this, 1545, 1935);

    // Back to front: the sheet, the logo over its title row's left end, the button.
    design::place(new ConstantsSheetWidget(this), "Image1", design::rect(0, 0, 9660, 7665));
    design::place(new StretchedImage(QStringLiteral("logo"), this), "Image2", design::rect(0, 0, 1905, 1200));
    m_okButton =
        design::place(new PictureAboveCaptionButton(tr("Back To Main Menu"), pictureIcon(QStringLiteral("back")), this),
                      "OKButton", design::rect(7200, 120, 2295, 1095));
    m_okButton->setFont(design::font(QStringLiteral("Arial"), 12, QFont::Bold));
    m_okButton->setDefault(true);
    m_okButton->raise();
    m_okButton->setFocus();
    connect(m_okButton, &QPushButton::clicked, this, &frmConstants::OKButtonClicked);
}

void frmConstants::showModal()
{
    execReturningFocus(*this);
}

void frmConstants::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    // While hidden the window keeps its controls but gives back its window-system
    // side, drawing buffer included (1.3 MB); the next opening makes them anew.
    QTimer::singleShot(0, this, [this] {
        if (isHidden())
            destroy();
    });
}

void frmConstants::OKButtonClicked()
{
    hide(); // ends the modal display; the window is kept for the next opening
}

} // namespace quantora
