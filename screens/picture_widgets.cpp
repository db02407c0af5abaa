// SPDX-License-Identifier: MIT
#include "picture_widgets.h"

#include "pictures.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace quantora {

namespace {

// A click is a left press and release both inside the control.
bool isClickRelease(const QWidget &widget, const QMouseEvent &event)
{
    return event.button() == Qt::LeftButton && widget.rect().contains(event.position().toPoint());
}

} // namespace

void ClickableWidget::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void ClickableWidget::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (isClickRelease(*this, *event))
        emit clicked();
}

void ClickableWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

PictureBox::PictureBox(QWidget *parent) : ClickableWidget(parent)
{
    setAutoFillBackground(true);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

StretchedImage::StretchedImage(const QString &svgResource, QWidget *parent)
    : ClickableWidget(parent), m_renderer(sharedRenderer(svgResource))
{
}

void StretchedImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
    m_renderer->render(&painter, QRectF(rect()));
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (isClickRelease(*this, *event))
        emit clicked();
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

} // namespace quantora
