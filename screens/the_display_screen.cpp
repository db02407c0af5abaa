// SPDX-License-Identifier: MIT
#include "the_display_screen.h"

#include "accessibility.h"
#include "bordered_label.h"
#include "conversion.h"
#include "design.h"
#include "factor_choice.h"
#include "frm_about.h"
#include "picture_widgets.h"
#include "result_announcer.h"
#include "result_text.h"
#include "same_window_double_clicks.h"
#include "unit_name_delegate.h"
#include "wrapping_button.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QSignalBlocker>
#include <QToolTip>

namespace quantora {

namespace {

const QColor red{255, 0, 0};
const QColor blue{0, 0, 255};
const QColor resultBackground{255, 255, 128};
const QColor noteColour{0, 0, 64};

template <typename Widget> Widget *place(Widget *widget, const char *name, QRect geometry)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

QListWidget *unitList(QWidget *parent, const char *name, QRect geometry)
{
    auto *list = place(new QListWidget(parent), name, geometry);
    list->setFont(design::font(QStringLiteral("Times New Roman"), 12));
    design::setTextColour(*list, blue);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    UnitNameDelegate::install(*list);
    // Ctrl+click, Ctrl+Space or a click below the last unit would clear the
    // highlight while the result still converts by the current unit; the unit
    // in use stays highlighted instead. A unit selected without becoming the
    // current one (as a screen reader's select action does) becomes the unit
    // in use, unless a modal window blocks the screen: then the selection is
    // undone and the unit in use stays.
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [list] {
        const QList<QListWidgetItem *> selected = list->selectedItems();
        if (blockedByModalWindow(*list) && list->currentItem() && selected != QList{list->currentItem()}) {
            const QSignalBlocker quiet(list);
            list->clearSelection();
            list->currentItem()->setSelected(true);
            return;
        }
        if (selected.isEmpty() && list->currentItem())
            list->currentItem()->setSelected(true);
        for (QListWidgetItem *item : selected) {
            if (item != list->currentItem())
                return list->setCurrentItem(item);
        }
    });
    return list;
}

} // namespace

TheDisplayScreen::TheDisplayScreen(const QuantityDef &quantity, QWidget *parent)
    : QDialog(parent), m_quantity(quantity), m_valueText(QStringLiteral("1")),
      m_factors(factor_choice::savedFactorSet())
{
    setObjectName(QStringLiteral("TheDisplayScreen"));
    installSameWindowDoubleClicks();
    setWindowTitle(tr("Enter Value To be Converted..."));
    design::makeFixedDialog(*this, design::size(7470, 4830));
    buildControls();
    nameControlsAndOfferCopy();
    offerFactorChoice();

    // The load step: no units chosen yet, and the window's place.
    design::placeWindow(*this, 1400, 1000);
    m_decimalSeparator = QLocale().decimalPoint().toStdString();
}

void TheDisplayScreen::buildControls()
{
    // Created in the window's focus order.
    m_initialValueTxt = place(new QLineEdit(m_valueText, this), "InitialValueTxt", design::rect(720, 1440, 2655, 495));
    m_initialValueTxt->setFont(design::font(QStringLiteral("Arial"), 12.75));
    design::setTextColour(*m_initialValueTxt, red);

    m_initialValueList = unitList(this, "InitialValueList", design::rect(720, 2040, 2175, 2055));

    m_lblEqualTo = place(new BorderedLabel(this), "LblEqualTo", design::rect(4080, 1440, 2655, 495));
    m_lblEqualTo->setFont(design::font(QStringLiteral("Arial"), 12.75));
    m_lblEqualTo->setTextFormat(Qt::PlainText);
    m_lblEqualTo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    design::setBackground(*m_lblEqualTo, resultBackground);
    design::setTextColour(*m_lblEqualTo, red);

    m_finalValueList = unitList(this, "FinalValueList", design::rect(4440, 2040, 2295, 2055));

    m_hideLengthScreen = place(new WrappingButton(tr("Back To Main Menu"), this), "HideLengthScreen",
                               design::rect(3000, 2640, 1335, 1455));
    m_hideLengthScreen->setFont(design::font(QStringLiteral("Times New Roman"), 14.25));
    m_hideLengthScreen->setAutoDefault(false); // neither Enter nor Esc presses it
    m_hideLengthScreen->setDefault(false);

    m_theValue = place(new QListWidget(this), "TheValue", design::rect(0, 1920, 615, 1980));
    m_theValue->hide();

    m_label1 = place(new QLabel(QStringLiteral("="), this), "Label1", design::rect(3600, 1440, 285, 555));
    m_label1->setFont(design::font(QStringLiteral("MS Sans Serif"), 24));
    design::setTextColour(*m_label1, Qt::black);
    m_label1->adjustSize();

    m_conversionPcr = place(new PictureBox(this), "ConversionPcr", design::rect(6360, 120, 855, 975));
    design::setBackground(*m_conversionPcr, design::windowBackground);

    m_lblTitle = place(new QLabel(tr("Conversion"), this), "lblTitle", design::rect(240, 120, 6135, 1335));
    m_lblTitle->setFont(design::font(QStringLiteral("Bookman Old Style"), 24, QFont::Light));
    m_lblTitle->setTextFormat(Qt::PlainText);
    m_lblTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_lblTitle->setWordWrap(true);
    design::setTextColour(*m_lblTitle, Qt::black);

    m_temperature = place(new QLabel(QStringLiteral("F"), this), "Temperature", design::rect(120, 1080, 615, 375));
    m_temperature->hide();

    m_lblNote = place(new QLabel(this), "lblNote", design::rect(840, 4320, 6015, 375));
    m_lblNote->setFont(design::font(QStringLiteral("MS Sans Serif"), 12, QFont::Bold));
    m_lblNote->setTextFormat(Qt::PlainText);
    m_lblNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    design::setTextColour(*m_lblNote, noteColour);

    // Which factors the result is converted by, in the free space between the
    // unit lists above "Back To Main Menu".
    // A second line, "(not saved)", when the settings file cannot keep the choice.
    m_lblFactors = place(new QLabel(this), "lblFactors", design::rect(2895, 2160, 1545, 465));
    m_lblFactors->setFont(design::font(QStringLiteral("MS Sans Serif"), 8));
    m_lblFactors->setTextFormat(Qt::PlainText);
    m_lblFactors->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    design::setTextColour(*m_lblFactors, noteColour);

    setTabOrder(m_initialValueTxt, m_initialValueList);
    setTabOrder(m_initialValueList, m_finalValueList);
    setTabOrder(m_finalValueList, m_hideLengthScreen);
    m_initialValueTxt->setFocus();

    connect(m_initialValueList, &QListWidget::currentRowChanged, this, &TheDisplayScreen::InitialValueList_Click);
    connect(m_finalValueList, &QListWidget::currentRowChanged, this, &TheDisplayScreen::FinalValueList_Click);
    connect(m_initialValueTxt, &QLineEdit::textChanged, this, &TheDisplayScreen::InitialValueTxt_Change);
    m_initialValueTxt->installEventFilter(this);
    m_lblEqualTo->installEventFilter(this);
    connect(m_hideLengthScreen, &QPushButton::clicked, this, &QDialog::accept);
}

void TheDisplayScreen::computeAndShow()
{
    // The hand-over selects the from-unit first and the to-unit next; there is
    // a result to show once both are chosen.
    if (!m_fromUnit || !m_toUnit)
        return;
    ConversionResult result = conversionResult(m_valueText.toStdString(), *m_fromUnit, *m_toUnit,
                                               {.decimalSeparator = m_decimalSeparator, .factors = m_factors});
    m_result = result.value;
    showResult(QString::fromStdString(result.text));
}

void TheDisplayScreen::showResult(const QString &text)
{
    m_lblEqualTo->setText(text);
}

void TheDisplayScreen::chooseUnit(int row, const UnitEntry *&unit) const
{
    // The lists hold the quantity's units in catalogue order. A list without a
    // selection keeps the unit it had.
    if (row >= 0 && static_cast<std::size_t>(row) < m_quantity.units.size())
        unit = &m_quantity.units[static_cast<std::size_t>(row)];
}

void TheDisplayScreen::InitialValueList_Click(int row)
{
    chooseUnit(row, m_fromUnit);
    computeAndShow();
}

void TheDisplayScreen::FinalValueList_Click(int row)
{
    chooseUnit(row, m_toUnit);
    computeAndShow();
}

void TheDisplayScreen::InitialValueTxt_Change(const QString &text)
{
    m_valueText = text;
    computeAndShow();
}

void TheDisplayScreen::InitialValueTxt_LostFocus()
{
    computeAndShow();
}

bool TheDisplayScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_initialValueTxt && event->type() == QEvent::FocusOut)
        InitialValueTxt_LostFocus();
    if (watched == m_lblEqualTo && event->type() == QEvent::ToolTip) {
        showFullResult(static_cast<const QHelpEvent &>(*event).globalPos());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TheDisplayScreen::nameControlsAndOfferCopy()
{
    m_initialValueTxt->setAccessibleName(tr("Value in"));
    m_initialValueList->setAccessibleName(tr("From unit"));
    m_finalValueList->setAccessibleName(tr("To unit"));
    // The result's accessible name is its text, so that every new result is
    // announced as a change of name; the description says what it is.
    m_lblEqualTo->setAccessibleDescription(tr("Result"));

    // The result can be selected with the mouse, and copied whole from its
    // context menu or with Ctrl+Shift+C: Ctrl+C stays the value box's.
    // Selecting leaves the keyboard focus where it was, in the value box.
    m_lblEqualTo->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_lblEqualTo->setFocusPolicy(Qt::NoFocus);
    auto *copy = new QAction(tr("Copy"), this);
    copy->setObjectName(QStringLiteral("copyResult"));
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copy->setShortcutContext(Qt::WindowShortcut);
    connect(copy, &QAction::triggered, this, &TheDisplayScreen::copyResult);
    addAction(copy);
    m_lblEqualTo->addAction(copy);
    m_lblEqualTo->setContextMenuPolicy(Qt::ActionsContextMenu);

    // Screen readers speak a change of the focused control's description, but
    // not a change elsewhere in the window: the value box and the unit lists
    // carry the result in theirs. Connected after the handlers that compute
    // it, these run when the new result is shown.
    connect(m_initialValueTxt, &QLineEdit::textChanged, this, &TheDisplayScreen::describeResult);
    connect(m_initialValueList, &QListWidget::currentRowChanged, this, &TheDisplayScreen::describeResult);
    connect(m_finalValueList, &QListWidget::currentRowChanged, this, &TheDisplayScreen::describeResult);
}

void TheDisplayScreen::offerFactorChoice()
{
    m_exactFactors = new QAction(tr("Exact Factors"), this);
    m_exactFactors->setObjectName(QStringLiteral("exactFactors"));
    m_exactFactors->setCheckable(true);
    m_exactFactors->setChecked(m_factors == FactorSet::Exact);
    m_exactFactors->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    m_exactFactors->setShortcutContext(Qt::WindowShortcut);
    connect(m_exactFactors, &QAction::toggled, this, &TheDisplayScreen::useExactFactors);
    addAction(m_exactFactors);
    m_lblEqualTo->addAction(m_exactFactors);
    // The value box keeps its own menu (undo, cut, copy, paste...) with the
    // choice added at its end.
    m_initialValueTxt->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_initialValueTxt, &QWidget::customContextMenuRequested, this, &TheDisplayScreen::showValueBoxMenu);
    showFactors();
}

void TheDisplayScreen::showFactors()
{
    const QString name = factor_choice::factorSetName(m_factors);
    const QString notSaved = factor_choice::notSavedNote();
    m_lblFactors->setText(notSaved.isEmpty() ? name : name + QLatin1Char('\n') + notSaved);
    m_lblFactors->setToolTip(factor_choice::unsavedReason());
}

void TheDisplayScreen::showValueBoxMenu(QPoint at)
{
    QMenu *menu = m_initialValueTxt->createStandardContextMenu();
    menu->setObjectName(QStringLiteral("valueBoxMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    menu->addAction(m_exactFactors);
    menu->popup(m_initialValueTxt->mapToGlobal(at));
}

void TheDisplayScreen::useExactFactors(bool exact)
{
    const FactorSet factors = exact ? FactorSet::Exact : FactorSet::Table;
    if (factors == m_factors)
        return;
    m_factors = factors;
    factor_choice::saveFactorSet(factors);
    showFactors();
    computeAndShow();
    const QString notSaved = factor_choice::notSavedNote();
    const QString name = factor_choice::factorSetName(factors);
    describe(notSaved.isEmpty() ? name : name + QLatin1Char(' ') + notSaved);
}

void TheDisplayScreen::setQuantityName(const QString &name)
{
    m_quantityName = name;
    describeResult();
}

void TheDisplayScreen::describeResult()
{
    describe({});
}

void TheDisplayScreen::describe(const QString &announcement)
{
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

void TheDisplayScreen::showFullResult(QPoint at) const
{
    // The pattern keeps ten decimals; the tooltip shows what it rounded away
    // ("1E-13" for "0."), and by which factors. Made only when asked for, not
    // at every keystroke. A temperature result already shows its 15 digits,
    // and converts by no factors.
    const QString full = m_quantity.mode == ConversionMode::Ratio
                             ? QString::fromStdString(formatFullResult(m_result, m_decimalSeparator))
                             : QString();
    if (full.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(at, full + QLatin1Char('\n') + factor_choice::factorSetName(m_factors), m_lblEqualTo);
}

void TheDisplayScreen::copyResult() const
{
    QGuiApplication::clipboard()->setText(m_lblEqualTo->text());
    result_announcer::announceCopied(*this, m_lblEqualTo->text());
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
