// SPDX-License-Identifier: MIT
#include "frm_about.h"

#include "app_identity.h"
#include "faces.h"
#include "keyboard_focus.h"
#include "look.h"
#include "picture_widgets.h"
#include "start_sys_info.h"
#include "system_registry.h"
#include "twips.h"
#include "window_placement.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <string>
#include <string_view>
#include <utility>

namespace quantora {

namespace {

const QColor lineGrey{128, 128, 128};
const QColor lineWhite{255, 255, 255};

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, QRect geometry, qreal points)
{
    auto *label = design::place(new QLabel(text, parent), name, geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(design::font(QStringLiteral("MS Sans Serif"), points));
    design::setBackground(*label, design::windowBackground);
    design::setTextColour(*label, Qt::black);
    return label;
}

QWidget *makeLine(QWidget *parent, const char *name, QRect geometry, const QColor &colour)
{
    auto *line = design::place(new QWidget(parent), name, geometry);
    design::setBackground(*line, colour);
    return line;
}

// Makes a button's caption keep the room inside the button that the style
// gives every button's caption: where the caption is too wide for the button's
// fixed width in its font, the font shrinks in quarter points until it fits.
void keepCaptionPadding(QPushButton &button)
{
    // The style's room around a caption, measured on one wider than any minimum
    // width the style gives a button.
    QStyleOptionButton option;
    option.initFrom(&button);
    if (button.autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    constexpr int wide = 1000;
    const QSize contents(wide, button.fontMetrics().height());
    const int padding =
        button.style()->sizeFromContents(QStyle::CT_PushButton, &option, contents, &button).width() - wide;

    // Without its access-key marks ("&&" counts one too many, which errs on the roomy side).
    const QString caption = button.text().remove(u'&');
    QFont font = button.font();
    while (QFontMetricsF(font).horizontalAdvance(caption) + padding > button.width() && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    button.setFont(font);
}

// The lookup's text is UTF-8 on every system (the Windows registry is read in UTF-16).
QString fromSystemText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The lookup knows no translations: its one message is listed here for the
// translation tools, and a test checks that it is the lookup's own.
[[maybe_unused]] constexpr const char *sysInfoMessages[] = {
    QT_TRANSLATE_NOOP("quantora::frmAbout", "System Information Is Unavailable At This Time")};

// Which programs would do, so that the user knows what to install.
QString lookedForPrograms()
{
    const QString names = QString::fromStdString(sysinfo::lookedForPrograms());
#ifdef Q_OS_WIN
    return frmAbout::tr("%1 looks for %2, the system-information program named in the registry.")
        .arg(QString::fromUtf8(applicationTitle), names);
#else
    return frmAbout::tr("%1 looks for one of these programs on the PATH: %2.")
        .arg(QString::fromUtf8(applicationTitle), names);
#endif
}

} // namespace

frmAbout::frmAbout(QWidget *parent) : frmAbout(systemOperations(), parent) {}

frmAbout::frmAbout(SysInfoOperations operations, QWidget *parent) : QDialog(parent), m_operations(std::move(operations))
{
    const SysInfoOperations system = systemOperations();
    if (!m_operations.registry)
        m_operations.registry = system.registry;
    if (!m_operations.fileExists)
        m_operations.fileExists = system.fileExists;
    if (!m_operations.startProgram)
        m_operations.startProgram = system.startProgram;
    if (!m_operations.showMessage)
        m_operations.showMessage = system.showMessage;

    setObjectName(QStringLiteral("frmAbout"));
    installKeyboardBehaviour();
    design::makeFixedDialog(*this, design::size(5730, 3555));
    // The design position is that of the client area.
    design::placeClientArea(*this, 2340, 1935);
    createControls();
    load();
}

void frmAbout::createControls()
{
    // Siblings stack in creation order: the labels and lines in their drawing
    // order, then the picture box and the buttons above them all.
    Label1 = makeLabel(this, "Label1", QStringLiteral("Orvandel"), design::rect(3600, 2520, 1845, 225), 9.75);
    // The etched separator from 90 (grey) and 105 (white) to 5654 twips: the
    // two-pixel white line is drawn over the grey one on the same top row, so
    // of the grey only its left end shows.
    const int lineTop = design::px(2880);
    const int lineEnd = design::px(5654);
    makeLine(this, "Line1_1", QRect(design::px(90), lineTop, lineEnd - design::px(90) + 1, 1), lineGrey);
    lblDescription = makeLabel(
        this, "lblDescription",
        tr("A Quantora that  makes conversion between various engineering units easy .  The program is constructed "
           "in such away that it gives the equivalent measurement  by moving the pointer to the required unit...."),
        design::rect(240, 1560, 5085, 1290), 9.75);
    lblDescription->setWordWrap(true);
    lblTitle = makeLabel(this, "lblTitle", QStringLiteral("Title"), design::rect(3120, 360, 915, 555), 24);
    lblTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    makeLine(this, "Line1_0", QRect(design::px(105), lineTop, lineEnd - design::px(105) + 1, 2), lineWhite);
    lblVersion = makeLabel(this, "lblVersion", QStringLiteral("V"), design::rect(2640, 1200, 2445, 225), 9.75);

    picIcon = design::place(new PictureBox(this), "picIcon", design::rect(360, 240, 1305, 1290));
    design::setBackground(*picIcon, design::windowBackground);
    // The box holds the logo at its own size, anchored at its top-left corner;
    // that corner of the logo is empty, so the box shows only its background
    // and needs no picture.

    cmdOK = design::place(new QPushButton(tr("OK"), this), "cmdOK", design::rect(2760, 3000, 1260, 465));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::accept);

    cmdSysInfo =
        design::place(new QPushButton(tr("&System Info..."), this), "cmdSysInfo", design::rect(4260, 3000, 1245, 465));
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
    // The longer caption sets the font of both buttons, which share the window's.
    keepCaptionPadding(*cmdSysInfo);
    cmdOK->setFont(cmdSysInfo->font());

    // The picture box shows nothing and does nothing: it takes no focus.
    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();
}

void frmAbout::load()
{
    const QString title = QString::fromUtf8(applicationTitle);
    setWindowTitle(tr("About %1").arg(title));
    lblVersion->setText(tr("Version %1.%2.%3").arg(versionMajor).arg(versionMinor).arg(versionRevision));
    lblTitle->setText(title);
    // The title label keeps its left edge and takes the width of its text.
    lblTitle->resize(lblTitle->sizeHint().width(), lblTitle->height());
}

void frmAbout::reject()
{
    cmdOK->click();
}

void frmAbout::showModal()
{
    frmAbout box;
    execReturningFocus(box);
}

SysInfoOperations frmAbout::systemOperations()
{
    SysInfoOperations operations;
    operations.registry = sysinfo::systemRegistry();
    // Only a regular file counts, not a folder of that name.
    operations.fileExists = [](const QString &path) { return QFileInfo(path).isFile(); };
    operations.startProgram = [](const QString &program) { return QProcess::startDetached(program, {}); };
    operations.showMessage = [](QWidget *parent, const QString &caption, const QString &text,
                                const QString &informative) {
        QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
        box.setInformativeText(informative);
        execReturningFocus(box);
    };
    return operations;
}

void frmAbout::StartSysInfo()
{
    const sysinfo::SysInfoActions actions{
        [this](const std::string &path) { return m_operations.fileExists(fromSystemText(path)); },
        [this](const std::string &program) { return m_operations.startProgram(fromSystemText(program)); },
        [this](std::string_view text) {
            // Which programs would do, so that the user knows what to install.
            m_operations.showMessage(this, QString::fromUtf8(applicationTitle), tr(std::string(text).c_str()),
                                     lookedForPrograms());
        },
    };
    sysinfo::StartSysInfo(*m_operations.registry, actions);
}

} // namespace quantora
