#pragma once

// The row below an option window's picture grid: an uncaptioned frame with OK and Cancel.
// Both only close the window, since every click in it has already acted; Cancel is also the
// window's cancel button (Esc). Neither is a default button, so Enter presses only the
// focused one.

#include <QPoint>
#include <QRect>

class QGroupBox;
class QWidget;

namespace vellory {

class PictureButton;

struct OKCancelLayout {
    const char *frameName;
    QRect frameTwips;  // in the window
    QPoint okTwips;    // in the buttons' container
    QPoint cancelTwips;
    const char *okCaption = " OK";
    const char *font = "Comic Sans MS";  // 8.25 regular
    // The buttons stand on the window in front of the frame, which then only draws a border.
    bool buttonsOnWindow = false;
};

struct OKCancelButtons {
    QGroupBox *frame;
    PictureButton *btnOK;
    PictureButton *btnCancel;
};

// The buttons are 1215 x 495 twips, of the graphical kind without a picture.
OKCancelButtons AddOKCancelFrame(QWidget *window, const OKCancelLayout &layout);

}  // namespace vellory
