// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quantora {

class PictureBox;

// The conversion screen: one quantity at a time, with a live result. It is
// created afresh for every quantity the main menu opens (its constructor is the
// load step), shown modally, and destroyed when the user goes back.
class TheDisplayScreen : public QDialog {
    Q_OBJECT
public:
    explicit TheDisplayScreen(QWidget *parent = nullptr);

    // Converts the typed value through Celsius by the selected positions of the
    // two unit lists and shows the result (temperature mode).
    void calculateTemperature();

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

    // The two factor slots: the factors of the from- and to-unit in ratio mode,
    // the Celsius value and the result in temperature mode.
    double InitialFactor = 1;
    double FinalFactor = 1;

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void nameControlsAndOfferCopy();
    void describeResult();
    void showFullResult(QPoint at) const;
    bool isRatioMode() const;
    void computeAndShow();

    // A unit list's click: its own factor slot takes the selected unit's factor.
    void unitListClicked(const QListWidget &list, double &factorSlot);
    void InitialValueList_Click();
    void FinalValueList_Click();
    void InitialValueTxt_Change();
    void InitialValueTxt_LostFocus();

    std::string m_decimalSeparator; // the user's: written in the result, read in the value
    QString m_quantityName;         // for screen readers
    double m_ratioResult = 0;       // the shown ratio result, for its tooltip

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
};

} // namespace quantora
