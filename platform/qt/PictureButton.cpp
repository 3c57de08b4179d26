#include "PictureButton.h"

#include <QKeyEvent>

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

}  // namespace vellory
