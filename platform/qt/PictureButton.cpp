#include "PictureButton.h"

#include <QKeyEvent>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace vellory {

PictureButton::PictureButton(QWidget *parent)
    : QToolButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setToolButtonStyle(Qt::ToolButtonTextOnly);
    setAutoRaise(false);
}

void PictureButton::setPicture(const QPixmap &picture)
{
    setIcon(QIcon(picture));
    // Pictures are shown at their own size; the button never scales them.
    setIconSize(picture.size());
    setToolButtonStyle(picture.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonTextUnderIcon);
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        click();
        return;
    }
    QToolButton::keyPressEvent(event);
}

QRect PictureButton::contentRect() const
{
    QStyleOptionToolButton option;
    initStyleOption(&option);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    return rect().adjusted(frame, frame, -frame, -frame);
}

QRect PictureButton::captionRect() const
{
    const QRect content = contentRect();
    const int lineHeight = fontMetrics().height();
    const int pictureHeight = iconSize().height();
    if (pictureHeight + lineHeight <= content.height()) {
        // Both fit: picture and caption as one block, centred.
        const int top = content.top() + (content.height() - pictureHeight - lineHeight) / 2;
        return QRect(content.left(), top + pictureHeight, content.width(), lineHeight);
    }
    return QRect(content.left(), content.bottom() + 1 - lineHeight, content.width(), lineHeight);
}

QRect PictureButton::pictureArea() const
{
    const QRect content = contentRect();
    return QRect(content.left(), content.top(), content.width(), captionRect().top() - content.top());
}

QRect PictureButton::pictureRect() const
{
    const QRect area = pictureArea();
    const QSize size = iconSize();
    // Bottom-aligned on the caption when it fits, centred in the room left when it does not.
    const int top = size.height() <= area.height() ? area.bottom() + 1 - size.height()
                                                   : area.top() + (area.height() - size.height()) / 2;
    return QRect(area.left() + (area.width() - size.width()) / 2, top, size.width(), size.height());
}

void PictureButton::paintEvent(QPaintEvent *event)
{
    if (toolButtonStyle() != Qt::ToolButtonTextUnderIcon) {
        QToolButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    // The bevel and focus frame from the style; picture and caption are placed here.
    QStyleOptionToolButton bevel = option;
    bevel.text.clear();
    bevel.icon = QIcon();
    painter.drawComplexControl(QStyle::CC_ToolButton, bevel);

    QPoint shift;
    if (option.state & (QStyle::State_Sunken | QStyle::State_On))
        shift = QPoint(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
            style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    painter.save();
    painter.setClipRect(pictureArea().translated(shift));
    painter.drawPixmap(pictureRect().topLeft() + shift, icon().pixmap(iconSize(), devicePixelRatio(), mode));
    painter.restore();
    painter.drawItemText(captionRect().translated(shift), Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic,
        palette(), isEnabled(), text(), QPalette::ButtonText);
}

}  // namespace vellory
