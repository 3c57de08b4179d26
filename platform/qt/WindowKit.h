#pragma once

// The handful of things every window of the program does the same way: its border and
// buttons in the title bar, its client size in twips, centring, the shared icon, the cancel
// button, and controls placed at twips positions.

#include <QString>

class QAbstractButton;
class QGroupBox;
class QIcon;
class QLabel;
class QPushButton;
class QWidget;

namespace vellory {

class PictureButton;

enum class WindowBorder {
    None,         // no title bar at all, not resizable, not in the taskbar
    FixedDialog,  // title bar with close box only, not resizable, not in the taskbar
    FixedSingle,  // title bar with close box only, not resizable, in the taskbar
    Sizable,      // title bar with minimise and close boxes, resizable, in the taskbar
};

// Gives the window its name, title, border and client size, and centres it on the screen.
void SetupWindow(QWidget *window, const char *objectName, const QString &title, WindowBorder border,
    int clientWidthTwips, int clientHeightTwips);

void CenterOnScreen(QWidget *window);

// The 32 x 32 icon shared by every window but the main one.
QIcon SharedWindowIcon();

// Esc anywhere in the window clicks the button.
void SetCancelButton(QWidget *window, QAbstractButton *button);

QGroupBox *AddFrame(
    QWidget *parent, const char *objectName, const QString &caption, int left, int top, int width, int height);
QLabel *AddLabel(
    QWidget *parent, const char *objectName, const QString &text, int left, int top, int width, int height);
QPushButton *AddCommandButton(
    QWidget *parent, const char *objectName, const QString &caption, int left, int top, int width, int height);
PictureButton *AddPictureButton(QWidget *parent, const char *objectName, const QString &caption, const QString &toolTip,
    int left, int top, int width, int height);

// Sizes a label to its text. A right-aligned label keeps its right edge and grows to the
// left; any other keeps its left edge.
void SizeLabelToText(QLabel *label);

}  // namespace vellory
