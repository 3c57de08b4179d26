#include "frmDesktopBackground.h"

#include "background/Wallpapers.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/OKCancelFrame.h"
#include "platform/qt/PictureButton.h"
#include "platform/qt/WindowKit.h"

#include <QGroupBox>
#include <QIcon>
#include <QPixmap>

#include <string>

namespace vellory {

namespace {

constexpr int kPictureButtonWidth = 1700;
constexpr int kPictureButtonHeight = 650;

}  // namespace

frmDesktopBackground::frmDesktopBackground(QWidget *parent)
    : QWidget(parent)
{
    SetupWindow(
        this, "frmDesktopBackground", QStringLiteral("Desktop Background"), WindowBorder::FixedSingle, 10080, 7335);
    setWindowIcon(SharedWindowIcon());

    const QString frameCaption = QStringLiteral(
        "Desktop Background - Click on button picture to change the background image of your desktop.");
    // The picture frame bears the window's own name.
    QGroupBox *frame = AddFrame(this, "frmDesktopBackground", frameCaption, 240, 120, 9615, 6015);
    frame->setFont(ComicSans());

    const OKCancelButtons okCancel
        = AddOKCancelFrame(this, {"frmOKCancel", QRect(240, 6240, 9615, 855), QPoint(6840, 240), QPoint(8160, 240)});

    // Cancel, OK, then the pictures down the columns as the table lists them. Opening on
    // Cancel means an Enter typed right away closes the window instead of changing the desktop.
    setTabOrder(okCancel.btnCancel, okCancel.btnOK);
    QWidget *previous = okCancel.btnOK;
    for (const Wallpaper &wallpaper : Wallpapers()) {
        const QString key = QString::fromUtf8(wallpaper.key.data(), qsizetype(wallpaper.key.size()));
        const QString caption = QString::fromUtf8(wallpaper.caption.data(), qsizetype(wallpaper.caption.size()));
        PictureButton *button = AddPictureButton(frame, key.toUtf8().constData(), caption, caption, wallpaper.left,
            wallpaper.top, kPictureButtonWidth, kPictureButtonHeight);
        button->setFont(ComicSans(8.25, true));
        button->setPicture(QPixmap(QStringLiteral(":/backgrounds/") + key));
        connect(button, &PictureButton::clicked, this, [this, &wallpaper] { Picture_Click(wallpaper); });
        setTabOrder(previous, button);
        previous = button;
    }
    okCancel.btnCancel->setFocus();
}

void frmDesktopBackground::Picture_Click(const Wallpaper &wallpaper)
{
    // No check that the file is there and no message: what the desktop then shows is the
    // system's affair.
    SetWallpaper(wallpaper.key);
}

}  // namespace vellory
