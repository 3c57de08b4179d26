#pragma once

// The row below an option window's picture grid: an uncaptioned frame holding OK and Cancel.
// Both only close the window, since every click in it has already acted; Cancel is also the
// window's cancel button (Esc). Neither is a default button, so Enter presses only the
// focused one.

#include <QPoint>
#include <QRect>

class QGroupBox;
class QWidget;

namespace vellory {

class PictureButton;

struct OKCancelButtons {
    QGroupBox *frame;
    PictureButton *btnOK;
    PictureButton *btnCancel;
};

// frameTwips places the frame in the window; okTwips and cancelTwips place the two buttons
// (1215 x 495, "Comic Sans MS" 8.25 regular, graphical kind without a picture) in the frame.
OKCancelButtons AddOKCancelFrame(
    QWidget *window, const char *frameName, QRect frameTwips, QPoint okTwips, QPoint cancelTwips);

}  // namespace vellory
