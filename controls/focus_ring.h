// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
#include <QPointer>
#include <QWidget>

namespace quantora {

// A ring round the control that has the keyboard focus: two pixels of black
// outside two of white, so that one of them contrasts well with any colour
// around it. It stands just outside the control where only the window's
// background is there, and else just inside the control's edge, so that it never
// covers another control's drawing. One ring per window, drawn above the
// window's controls and transparent to the mouse; hidden while no control of the
// window has focus.
class FocusRing : public QWidget {
    Q_OBJECT
public:
    static constexpr int width = 4; // both colours

    // Makes every window ring its focused control from now on.
    static void followFocus();

    // The ring of a window, if it has one.
    static FocusRing *of(const QWidget &window);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FocusRing(QWidget &window);
    void ring(QWidget *control);
    bool onlyBackgroundAround(QRect control) const;

    QPointer<QWidget> m_control;
};

// The accessible interface of a window (a dialog where it is a QDialog) whose
// ring is none of its accessible children: the ring only draws where the focus
// is, which the focused control itself tells a screen reader.
QAccessibleInterface *accessibleWithoutRing(QWidget *window);

} // namespace quantora
