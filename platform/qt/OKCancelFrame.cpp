#include "OKCancelFrame.h"

#include "Fonts.h"
#include "PictureButton.h"
#include "WindowKit.h"

#include <QGroupBox>

namespace vellory {

namespace {

constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 495;

PictureButton *AddCloseButton(QWidget *window, QGroupBox *frame, const char *name, const QString &caption,
    const QString &toolTip, QPoint placeTwips)
{
    PictureButton *button
        = AddPictureButton(frame, name, caption, toolTip, placeTwips.x(), placeTwips.y(), kButtonWidth, kButtonHeight);
    button->setFont(ComicSans());
    QObject::connect(button, &PictureButton::clicked, window, &QWidget::close);
    return button;
}

}  // namespace

OKCancelButtons AddOKCancelFrame(
    QWidget *window, const char *frameName, QRect frameTwips, QPoint okTwips, QPoint cancelTwips)
{
    OKCancelButtons buttons {};
    buttons.frame = AddFrame(
        window, frameName, QString(), frameTwips.x(), frameTwips.y(), frameTwips.width(), frameTwips.height());
    // The leading blank of " OK" is part of the caption.
    buttons.btnOK
        = AddCloseButton(window, buttons.frame, "btnOK", QStringLiteral(" OK"), QStringLiteral("OK"), okTwips);
    buttons.btnCancel = AddCloseButton(
        window, buttons.frame, "btnCancel", QStringLiteral("Cancel"), QStringLiteral("Cancel"), cancelTwips);
    SetCancelButton(window, buttons.btnCancel);
    return buttons;
}

}  // namespace vellory
