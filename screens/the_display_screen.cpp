// SPDX-License-Identifier: MIT
#include "the_display_screen.h"

#include "accessibility.h"
#include "conversion.h"
#include "faces.h"
#include "factor_choice.h"
#include "focus_ring.h"
#include "frm_about.h"
#include "look.h"
#include "picture_widgets.h"
#include "result_announcer.h"
#include "result_label.h"
#include "result_text.h"
#include "same_window_double_clicks.h"
#include "translations.h"
#include "twips.h"
#include "unit_list.h"
#include "window_placement.h"
#include "wrapping_button.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>

namespace quantora {

namespace {

const QColor red{255, 0, 0};
const QColor blue{0, 0, 255};
const QColor resultBackground{255, 255, 128};
const QColor noteColour{0, 0, 64};

QListWidget *unitList(QWidget *parent, const char *name, QRect geometry)
{
    auto *list = design::place(new UnitList(parent), name, geometry);
    list->setFont(design::font(QStringLiteral("Times New Roman"), 12));
    design::setTextColour(*list, blue);
    return list;
}

} // namespace

TheDisplayScreen::TheDisplayScreen(const QuantityDef &quantity, const QImage &picture, QWidget *parent)
    : QDialog(parent), m_quantity(quantity), m_valueText(QStringLiteral("1")),
      m_quantityName(accessibleQuantityName(quantity))
{
    installAccessibleInterface<TheDisplayScreen, accessibleWithoutRing>();
    setObjectName(QStringLiteral("TheDisplayScreen"));
    installSameWindowDoubleClicks();
    setWindowTitle(tr("Enter Value To be Converted..."));
    design::makeFixedDialog(*this, design::size(7470, 4830));
    buildControls();
    nameControls();
    offerFactorChoice();

    // No units chosen yet, and the window's place.
    design::placeWindow(*this, 1400, 1000);
    m_decimalSeparator = QLocale().decimalPoint().toStdString();
    showQuantity(picture);
    FillInList();
}

void TheDisplayScreen::showQuantity(const QImage &picture)
{
    m_conversionPcr->setPicture(picture);
    // The title word goes in front of the title, where another language may put it elsewhere.
    m_lblTitle->setText(QCoreApplication::translate("quantora::InitialScreen", "%1%2",
                                                    "a quantity's title word, then the conversion screen's title")
                            .arg(catalogueText("Title", m_quantity.titleWord), tr("Conversion")));
    if (!m_quantity.note.empty())
        m_lblNote->setText(catalogueText("Note", m_quantity.note));
}

void TheDisplayScreen::FillInList()
{
    for (const UnitEntry &unit : m_quantity.units) {
        const QString name = catalogueText("Unit", unit.name);
        m_initialValueList->addItem(name);
        m_finalValueList->addItem(name);
    }
    // Each selection runs that list's handling at once: the from-unit first,
    // then the to-unit, whose result is the one the screen opens with.
    m_initialValueList->setCurrentRow(m_quantity.defaultUnit);
    m_finalValueList->setCurrentRow(m_quantity.defaultUnit);
}

void TheDisplayScreen::buildControls()
{
    // Created in the window's focus order.
    m_initialValueTxt =
        design::place(new QLineEdit(m_valueText, this), "InitialValueTxt", design::rect(720, 1440, 2655, 495));
    m_initialValueTxt->setFont(design::font(QStringLiteral("Arial"), 12.75));
    design::setTextColour(*m_initialValueTxt, red);

    m_initialValueList = unitList(this, "InitialValueList", design::rect(720, 2040, 2175, 2055));

    m_lblEqualTo = design::place(new ResultLabel(*this, [this] { return fullResult(); }), "LblEqualTo",
                                 design::rect(4080, 1440, 2655, 495));
    m_lblEqualTo->setFont(design::font(QStringLiteral("Arial"), 12.75));
    m_lblEqualTo->setTextFormat(Qt::PlainText);
    m_lblEqualTo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    design::setBackground(*m_lblEqualTo, resultBackground);
    design::setTextColour(*m_lblEqualTo, red);

    m_finalValueList = unitList(this, "FinalValueList", design::rect(4440, 2040, 2295, 2055));

    m_back = design::place(new WrappingButton(tr("Back To Main Menu"), this), "HideLengthScreen",
                           design::rect(3000, 2640, 1335, 1455));
    m_back->setFont(design::font(QStringLiteral("Times New Roman"), 14.25));
    m_back->setAutoDefault(false); // neither Enter nor Esc presses it
    m_back->setDefault(false);

    auto *label1 = design::place(new QLabel(QStringLiteral("="), this), "Label1", design::rect(3600, 1440, 285, 555));
    label1->setFont(design::font(QStringLiteral("MS Sans Serif"), 24));
    design::setTextColour(*label1, Qt::black);
    label1->adjustSize();

    m_conversionPcr = design::place(new PictureBox(this), "ConversionPcr", design::rect(6360, 120, 855, 975));
    design::setBackground(*m_conversionPcr, design::windowBackground);

    m_lblTitle = design::place(new QLabel(this), "lblTitle", design::rect(240, 120, 6135, 1335));
    m_lblTitle->setFont(design::font(QStringLiteral("Bookman Old Style"), 24, QFont::Light));
    m_lblTitle->setTextFormat(Qt::PlainText);
    m_lblTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_lblTitle->setWordWrap(true);
    design::setTextColour(*m_lblTitle, Qt::black);

    m_lblNote = design::place(new QLabel(this), "lblNote", design::rect(840, 4320, 6015, 375));
    m_lblNote->setFont(design::font(QStringLiteral("MS Sans Serif"), 12, QFont::Bold));
    m_lblNote->setTextFormat(Qt::PlainText);
    m_lblNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    design::setTextColour(*m_lblNote, noteColour);

    // Which factors the result is converted by, in the free space between the
    // unit lists above "Back To Main Menu".
    // A second line, "(not saved)", when the settings file cannot keep the choice.
    m_lblFactors = design::place(new QLabel(this), "lblFactors", design::rect(2895, 2160, 1545, 465));
    m_lblFactors->setFont(design::font(QStringLiteral("MS Sans Serif"), 8));
    m_lblFactors->setTextFormat(Qt::PlainText);
    m_lblFactors->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    design::setTextColour(*m_lblFactors, noteColour);

    setTabOrder(m_initialValueTxt, m_initialValueList);
    setTabOrder(m_initialValueList, m_finalValueList);
    setTabOrder(m_finalValueList, m_back);
    m_initialValueTxt->setFocus();

    connect(m_initialValueList, &QListWidget::currentRowChanged, this,
            [this](int row) { unitChanged(row, m_fromUnit); });
    connect(m_finalValueList, &QListWidget::currentRowChanged, this, [this](int row) { unitChanged(row, m_toUnit); });
    connect(m_initialValueTxt, &QLineEdit::textChanged, this, &TheDisplayScreen::valueEdited);
    connect(m_back, &QPushButton::clicked, this, &QDialog::accept);
}

void TheDisplayScreen::computeAndShow(const QString &announcement)
{
    // FillInList selects the from-unit first and the to-unit next; there is
    // a result to show once both are chosen.
    if (!m_fromUnit || !m_toUnit)
        return;
    ConversionResult result =
        conversionResult(m_valueText.toStdString(), *m_fromUnit, *m_toUnit,
                         {.decimalSeparator = m_decimalSeparator, .factors = m_factorChoice->factors()});
    m_result = result.value;
    m_lblEqualTo->setText(QString::fromStdString(result.text));
    describe(announcement);
}

void TheDisplayScreen::unitChanged(int row, const UnitEntry *&unit)
{
    // The lists hold the quantity's units in catalogue order. A list without a
    // selection keeps the unit it had.
    if (row >= 0 && static_cast<std::size_t>(row) < m_quantity.units.size())
        unit = &m_quantity.units[static_cast<std::size_t>(row)];
    computeAndShow();
}

void TheDisplayScreen::valueEdited(const QString &text)
{
    m_valueText = text;
    computeAndShow();
}

void TheDisplayScreen::nameControls()
{
    m_initialValueTxt->setAccessibleName(tr("Value in"));
    m_initialValueList->setAccessibleName(tr("From unit"));
    m_finalValueList->setAccessibleName(tr("To unit"));
    // The result's accessible name is its text, so that every new result is
    // announced as a change of name; the description says what it is.
    m_lblEqualTo->setAccessibleDescription(tr("Result"));
}

void TheDisplayScreen::offerFactorChoice()
{
    m_factorChoice = new FactorChoice(*this, *m_lblFactors);
    connect(m_factorChoice, &FactorChoice::changed, this, &TheDisplayScreen::computeAndShow);
    m_lblEqualTo->addAction(m_factorChoice->action());
    // The value box keeps its own menu (undo, cut, copy, paste...) with the
    // choice added at its end.
    m_initialValueTxt->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_initialValueTxt, &QWidget::customContextMenuRequested, this, &TheDisplayScreen::showValueBoxMenu);
}

void TheDisplayScreen::showValueBoxMenu(QPoint at)
{
    QMenu *menu = m_initialValueTxt->createStandardContextMenu();
    menu->setObjectName(QStringLiteral("valueBoxMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    menu->addAction(m_factorChoice->action());
    menu->popup(m_initialValueTxt->mapToGlobal(at));
}

void TheDisplayScreen::describe(const QString &announcement)
{
    // Screen readers speak a change of the focused control's description, but
    // not a change elsewhere in the window: the value box and the unit lists
    // carry the result in theirs.
    // Only a screen reader reads these; without one, typing costs nothing more.
    // (The next change after a screen reader starts fills them in.)
    if (!QAccessible::isActive())
        return;
    const QString result = result_announcer::resultText(m_lblEqualTo->text());
    m_initialValueTxt->setAccessibleDescription(
        m_quantityName.isEmpty() ? result : tr("%1, %2", "a quantity, then its result").arg(m_quantityName, result));
    m_initialValueList->setAccessibleDescription(result);
    m_finalValueList->setAccessibleDescription(result);
    if (announcement.isEmpty())
        result_announcer::announceResult(*this, m_lblEqualTo->text());
    else
        result_announcer::announceChange(*this, announcement, m_lblEqualTo->text());
}

QString TheDisplayScreen::fullResult() const
{
    // The pattern keeps ten decimals; the tooltip shows what it rounded away
    // ("1E-13" for "0."), and by which factors. A temperature result already
    // shows its 15 digits, and converts by no factors.
    const QString full = m_quantity.mode == ConversionMode::Ratio
                             ? QString::fromStdString(formatFullResult(m_result, m_decimalSeparator))
                             : QString();
    return full.isEmpty() ? full : full + QLatin1Char('\n') + m_factorChoice->name();
}

void TheDisplayScreen::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Only the window's own background opens the About box, not its controls.
    if (!childAt(event->position().toPoint()))
        frmAbout::showModal();
}

void TheDisplayScreen::keyPressEvent(QKeyEvent *event)
{
    // The screen has no cancel button: Esc does not close it.
    if (event->key() == Qt::Key_Escape)
        return event->accept();
    QDialog::keyPressEvent(event);
}

} // namespace quantora
