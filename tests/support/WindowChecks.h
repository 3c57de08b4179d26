#pragma once

// Checks that the window tests share: what kind of window a window is, where and how its
// controls stand, and the few moves a user makes on them. The expected values always come
// from the calling test's own tables.

#include "platform/qt/SingleWindow.h"
#include "support/GuiTest.h"

#include <QApplication>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

class QGroupBox;

namespace vellory {
class PictureButton;
}

namespace vellory::test {

// Which centre of a window stands on the centre of the screen.
enum class Centring {
    NotChecked,
    Client,  // the client area's
    Frame,   // the outer frame's
};

// For WindowKind::centreSlack: off by no more than the window frame's own margins.
inline constexpr int kFrameMargins = -1;

struct WindowKind {
    QString objectName {};  // null: not checked
    QString title {};       // null: not checked
    QSize clientTwips {};   // the client area; a main window's is its central widget
    bool fixedSize = true;
    Qt::WindowType type = Qt::Window;  // Qt::Window has a taskbar button of its own, Qt::Tool none
    Qt::WindowFlags with {};           // title-bar and frame flags it must have
    Qt::WindowFlags without {};        // and those it must not have
    int iconPixels = 0;                // the first size of its icon; 0: not checked
    Centring centring = Centring::NotChecked;
    int centreSlack = 0;  // pixels, or kFrameMargins
};

void VerifyWindowKind(const QWidget *window, const WindowKind &kind);

// The number of visible top-level windows with this object name.
int CountTopLevels(const QString &objectName);

QRect FromTwips(const QRect &twips);

// The control's container bears this object name, and the control stands there at these twips.
void VerifyPlace(const QWidget *control, const QString &container, const QRect &twips);

void VerifyFont(const QWidget *control, const QString &family, double points, bool bold);

// A frame has this caption and never takes the focus.
void VerifyFrame(const QGroupBox *frame, const QString &caption);

// Caption, tooltip and picture (in pixels) of a picture button; with an empty picture size it
// is a plain text button.
void VerifyPictureButton(
    const PictureButton *button, const QString &caption, const QString &toolTip, const QSize &picture);

// On every picture button below window the caption keeps a whole line; a picture taller than
// the room above it is cut, and whatever is shown of it stands centred above the caption.
void VerifyCaptionsKeepAWholeLine(const QWidget *window);

// Presses Tab count times and lists the object names of the controls the focus went to.
QStringList TabVisits(qsizetype count);

// Gives control the focus and presses key there.
void FocusAndPress(QWidget *control, Qt::Key key);

// Nothing was shown (no message box, the pointer never changed) and no failure ended the program.
void VerifyNothingShown(GuiFixture &fixture);

// Clicks the button of this object name below within.
template <class Button> void Click(const QWidget *within, const QString &name)
{
    Button *target = within->findChild<Button *>(name);
    QVERIFY2(target, qPrintable(name));
    QTest::mouseClick(target, Qt::LeftButton);
}

// Showing the window again brings the same one forward, the only one of this object name;
// once closed, with the focus left on focusElsewhere, it opens afresh with the focus on firstFocus.
template <class Window>
void VerifyOneWindowThatOpensFresh(
    Window *window, const QString &objectName, const QString &focusElsewhere, const QString &firstFocus)
{
    QCOMPARE(ShowSingleWindow<Window>(), window);
    QCOMPARE(CountTopLevels(objectName), 1);

    QWidget *elsewhere = window->template findChild<QWidget *>(focusElsewhere);
    QVERIFY2(elsewhere, qPrintable(focusElsewhere));
    elsewhere->setFocus();
    window->close();
    QTRY_VERIFY(!OpenWindow<Window>());
    Window *again = ShowSingleWindow<Window>();
    QVERIFY(QTest::qWaitForWindowActive(again));
    QCOMPARE(QApplication::focusWidget(), again->template findChild<QWidget *>(firstFocus));
}

}  // namespace vellory::test
