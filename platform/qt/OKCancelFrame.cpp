#include "OKCancelFrame.h"

#include "Fonts.h"
#include "PictureButton.h"
#include "WindowKit.h"

#include <QGroupBox>

namespace vellory {

namespace {

constexpr int kButtonWidth = 1215;
constexpr int kButtonHeight = 495;

}  // namespace

OKCancelButtons AddOKCancelFrame(QWidget *window, const OKCancelLayout &layout)
{
    const QRect &box = layout.frameTwips;
    QGroupBox *frame = AddFrame(window, layout.frameName, QString(), box.x(), box.y(), box.width(), box.height());
    QWidget *container = layout.buttonsOnWindow ? window : static_cast<QWidget *>(frame);
    const QFont font = UiFont(QString::fromUtf8(layout.font), 8.25);

    const auto addButton = [&](const char *name, const QString &caption, const QString &toolTip, QPoint place) {
        PictureButton *button
            = AddPictureButton(container, name, caption, toolTip, place.x(), place.y(), kButtonWidth, kButtonHeight);
        button->setFont(font);
        button->raise();
        QObject::connect(button, &PictureButton::clicked, window, &QWidget::close);
        return button;
    };
    OKCancelButtons buttons {frame, nullptr, nullptr};
    buttons.btnOK = addButton("btnOK", QString::fromUtf8(layout.okCaption), QStringLiteral("OK"), layout.okTwips);
    buttons.btnCancel = addButton("btnCancel", QStringLiteral("Cancel"), QStringLiteral("Cancel"), layout.cancelTwips);
    SetCancelButton(window, buttons.btnCancel);
    return buttons;
}

}  // namespace vellory
