// SPDX-License-Identifier: MIT
#include "picture_above_caption_button.h"

#include "look.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace quantora {

PictureAboveCaptionButton::PictureAboveCaptionButton(const QString &caption, const QIcon &picture, QWidget *parent)
    : QPushButton(picture, caption, parent)
{
    setIconSize(QSize(32, 32));
    QPalette face = palette();
    face.setColor(QPalette::Button, design::buttonFace);
    setPalette(face);
}

void PictureAboveCaptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QIcon picture = option.icon;
    const QString caption = option.text;
    option.icon = QIcon();
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    // Styles tint the face (Fusion pales it, native themes ignore it): fill
    // it inside the frame in the window's button colour, darker while pressed.
    const QColor face = palette().color(QPalette::Button);
    painter.fillRect(rect().adjusted(2, 2, -2, -2), isDown() ? face.darker(115) : face);

    QRect content = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown())
        content.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                          style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    constexpr int gap = 2;
    const int textFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
    const QRect textBounds = fontMetrics().boundingRect(content, textFlags, caption);
    const int top = content.top() + (content.height() - iconSize().height() - gap - textBounds.height()) / 2;

    const QRect iconRect(QPoint(content.center().x() - iconSize().width() / 2 + 1, top), iconSize());
    picture.paint(&painter, iconRect, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);

    const QRect textRect(content.left(), top + iconSize().height() + gap, content.width(), textBounds.height());
    painter.drawItemText(textRect, textFlags, palette(), isEnabled(), caption, QPalette::ButtonText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace quantora
