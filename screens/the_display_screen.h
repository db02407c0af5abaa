// SPDX-License-Identifier: MIT
#pragma once

#include "quantity.h"

#include <QDialog>

#include <string>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quantora {

class PictureBox;

// The conversion screen: one quantity at a time, with a live result. It is
// created afresh for every quantity the main menu opens (its constructor is the
// load step), shown modally, and destroyed when the user goes back.
//
// It computes from its own state: the quantity, the unit chosen in each list
// and the typed text. The hidden list TheValue and the mode label Temperature
// are filled for the quantity, but nothing is read back out of them.
class TheDisplayScreen : public QDialog {
    Q_OBJECT
public:
    // The quantity is a catalogue record, which outlives every screen.
    explicit TheDisplayScreen(const QuantityDef &quantity, QWidget *parent = nullptr);

    // The controls the main menu's loading sequence fills.
    PictureBox *ConversionPcr() const { return m_conversionPcr; }
    QLabel *lblTitle() const { return m_lblTitle; }
    QLabel *lblNote() const { return m_lblNote; }
    QLabel *Temperature() const { return m_temperature; }
    QListWidget *InitialValueList() const { return m_initialValueList; }
    QListWidget *FinalValueList() const { return m_finalValueList; }
    QListWidget *TheValue() const { return m_theValue; }

    // Tells screen readers which quantity the value box converts.
    void setQuantityName(const QString &name);

    // Copies the result, as shown, to the clipboard (Ctrl+Shift+C, or Copy in
    // the result's context menu).
    void copyResult() const;

    // Converts by the exact factors or by the table's (Ctrl+Shift+E, or
    // "Exact Factors" in the context menus of the value box and the result),
    // shows the new result at once and keeps the choice for the next screen.
    void useExactFactors(bool exact);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void nameControlsAndOfferCopy();
    void offerFactorChoice();
    void showFactors(); // the factors' name, and whether the choice is saved
    void showValueBoxMenu(QPoint at);
    void describeResult();
    void describe(const QString &announcement);
    void showFullResult(QPoint at) const;
    void computeAndShow();
    void showResult(const QString &text);

    // A unit list's click: the unit at the selected row becomes that side's unit.
    void chooseUnit(int row, const UnitEntry *&unit) const;
    void InitialValueList_Click(int row);
    void FinalValueList_Click(int row);
    void InitialValueTxt_Change(const QString &text);
    void InitialValueTxt_LostFocus();

    const QuantityDef &m_quantity;
    // The units chosen in InitialValueList and FinalValueList: none until the
    // hand-over selects one in each.
    const UnitEntry *m_fromUnit = nullptr;
    const UnitEntry *m_toUnit = nullptr;
    QString m_valueText;            // as typed in InitialValueTxt
    std::string m_decimalSeparator; // the user's: written in the result, read in the value
    QString m_quantityName;         // for screen readers
    double m_result = 0;            // the shown result, for its tooltip
    FactorSet m_factors;            // what a ratio conversion converts by

    QLineEdit *m_initialValueTxt = nullptr;
    QListWidget *m_initialValueList = nullptr;
    QLabel *m_lblEqualTo = nullptr;
    QListWidget *m_finalValueList = nullptr;
    QPushButton *m_hideLengthScreen = nullptr;
    QListWidget *m_theValue = nullptr;
    QLabel *m_label1 = nullptr;
    PictureBox *m_conversionPcr = nullptr;
    QLabel *m_lblTitle = nullptr;
    QLabel *m_temperature = nullptr;
    QLabel *m_lblNote = nullptr;
    QLabel *m_lblFactors = nullptr; // which factors are in use
    QAction *m_exactFactors = nullptr;
};

} // namespace quantora
