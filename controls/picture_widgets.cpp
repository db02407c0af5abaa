// SPDX-License-Identifier: MIT
#include "picture_widgets.h"

#include "pictures.h"

#include <QKeyEvent>
#include <QPainter>

namespace quantora {

void ClickableWidget::keyPressEvent(QKeyEvent *event)
{
    const bool activates =
        event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!activates || event->modifiers() & ~Qt::KeypadModifier)
        return QWidget::keyPressEvent(event);
    event->accept();
    // A held key would open the quantity again as soon as its screen closes.
    if (!event->isAutoRepeat())
        emit clicked();
}

void ClickableWidget::focusInEvent(QFocusEvent *event)
{
    update();
    QWidget::focusInEvent(event);
}

void ClickableWidget::focusOutEvent(QFocusEvent *event)
{
    update();
    QWidget::focusOutEvent(event);
}

void ClickableWidget::paintFocusFrame(QPainter &painter) const
{
    if (!hasFocus())
        return;
    // The style's one-pixel frame is faint on the blue background; a black
    // dotted frame two pixels wide stands out round every picture.
    painter.save();
    painter.setPen(QPen(Qt::black, 2, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    painter.restore();
}

PictureBox::PictureBox(QWidget *parent) : ClickableWidget(parent)
{
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_picture.isNull())
        painter.drawImage(0, 0, m_picture);
    paintFocusFrame(painter);
}

StretchedImage::StretchedImage(const QString &pictureName, QWidget *parent)
    : ClickableWidget(parent), m_pictureName(pictureName)
{
}

void StretchedImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintPicture(painter, m_pictureName, rect());
    paintFocusFrame(painter);
}

} // namespace quantora
