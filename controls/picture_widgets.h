// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

namespace quantora {

// A control that takes every mouse press, release and double-click, so that
// none reaches the window behind it, and tells of a click: a left press and
// release both inside it.
template <typename Control> class TakesClicks : public Control {
public:
    using Control::Control;

protected:
    virtual void mouseClicked() = 0;

    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        event->accept();
        if (event->button() == Qt::LeftButton && this->rect().contains(event->position().toPoint()))
            mouseClicked();
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override { event->accept(); }
};

// A control that reports a mouse click. Given a Tab focus policy it is a
// button for the keyboard too: Enter and Space click it, and it shows a focus
// frame while it has the focus.
class ClickableWidget : public TakesClicks<QWidget> {
    Q_OBJECT
public:
    using TakesClicks::TakesClicks;

    // Whether the keyboard reaches it (and a screen reader calls it a button).
    bool isKeyboardButton() const { return focusPolicy() & Qt::TabFocus; }

signals:
    void clicked();

protected:
    void mouseClicked() override { emit clicked(); }
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

    // Draws the style's focus frame round the control while it has the focus.
    void paintFocusFrame(QPainter &painter) const;
};

// A picture box: shows its picture unscaled from the top-left corner, cut off at
// the box, on the box's background colour. It reacts to a mouse click only (no
// pressed look, no key) and swallows double-clicks, so they never reach the window.
class PictureBox : public ClickableWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};

// An image control: a picture of the artwork stretched to fill the control
// independently in x and y. It paints no background, so the window colour
// shows through.
class StretchedImage : public ClickableWidget {
    Q_OBJECT
public:
    explicit StretchedImage(const QString &pictureName, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_pictureName;
};

// A label that reports a mouse click.
class ClickableLabel : public TakesClicks<QLabel> {
    Q_OBJECT
public:
    using TakesClicks::TakesClicks;

signals:
    void clicked();

protected:
    void mouseClicked() override { emit clicked(); }
};

} // namespace quantora
