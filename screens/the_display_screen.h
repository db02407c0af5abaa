// SPDX-License-Identifier: MIT
#pragma once

#include "quantity.h"

#include <QDialog>

#include <string>

class QImage;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quantora {

class FactorChoice;
class PictureBox;
class ResultLabel;

// The conversion screen: one quantity at a time, with a live result. It is
// made afresh for every quantity the main menu opens, fills itself from that
// quantity, and is destroyed when the user goes back.
//
// It computes from its own state: the quantity, the unit chosen in each list
// and the typed text. Ctrl+Shift+C copies the result; Ctrl+Shift+E switches
// between the exact factors and the table's, and keeps the choice.
class TheDisplayScreen : public QDialog {
    Q_OBJECT
public:
    // The quantity is a catalogue record, which outlives every screen; the
    // picture is the quantity's own on the main menu.
    TheDisplayScreen(const QuantityDef &quantity, const QImage &picture, QWidget *parent = nullptr);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void showQuantity(const QImage &picture); // its title, note and picture
    void FillInList();                        // the units, and the first conversion
    void nameControls();
    void offerFactorChoice();
    void showValueBoxMenu(QPoint at);
    QString fullResult() const; // for the result's tooltip

    // Shows the result of the value and units in use, and tells screen readers
    // of it: as news of its own, or after `announcement` (a change of how the
    // screen converts).
    void computeAndShow(const QString &announcement = {});
    void describe(const QString &announcement);

    // A unit list's current row, chosen by click or key: that unit becomes that side's unit.
    void unitChanged(int row, const UnitEntry *&unit);
    void valueEdited(const QString &text);

    const QuantityDef &m_quantity;
    // The units chosen in InitialValueList and FinalValueList: none until
    // FillInList selects one in each.
    const UnitEntry *m_fromUnit = nullptr;
    const UnitEntry *m_toUnit = nullptr;
    QString m_valueText;            // as typed in InitialValueTxt
    std::string m_decimalSeparator; // the user's: written in the result, read in the value
    const QString m_quantityName;   // for screen readers
    double m_result = 0;            // the shown result, for its tooltip

    QLineEdit *m_initialValueTxt = nullptr;
    QListWidget *m_initialValueList = nullptr;
    ResultLabel *m_lblEqualTo = nullptr;
    QListWidget *m_finalValueList = nullptr;
    QPushButton *m_back = nullptr; // "Back To Main Menu"
    PictureBox *m_conversionPcr = nullptr;
    QLabel *m_lblTitle = nullptr;
    QLabel *m_lblNote = nullptr;
    QLabel *m_lblFactors = nullptr;
    FactorChoice *m_factorChoice = nullptr; // what a ratio conversion converts by
};

} // namespace quantora
