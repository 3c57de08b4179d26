#include "WindowChecks.h"

#include "platform/qt/PictureButton.h"
#include "platform/qt/Twips.h"

#include <QGroupBox>
#include <QMainWindow>
#include <QScreen>

namespace vellory::test {

namespace {

const QWidget *ClientArea(const QWidget *window)
{
    if (const auto *main = qobject_cast<const QMainWindow *>(window))
        return main->centralWidget();
    return window;
}

void VerifyCentred(const QWidget *window, Centring centring, int slack)
{
    if (centring == Centring::NotChecked)
        return;
    if (slack == kFrameMargins)
        slack = window->frameGeometry().height() - window->height() + 1;
    const QPoint centre = centring == Centring::Frame ? window->frameGeometry().center() : window->geometry().center();
    const QPoint off = centre - window->screen()->availableGeometry().center();
    QVERIFY2(qAbs(off.x()) <= slack, qPrintable(QStringLiteral("%1 pixels off across").arg(off.x())));
    QVERIFY2(qAbs(off.y()) <= slack, qPrintable(QStringLiteral("%1 pixels off down").arg(off.y())));
}

}  // namespace

void VerifyWindowKind(const QWidget *window, const WindowKind &kind)
{
    QVERIFY(window);
    if (!kind.objectName.isNull())
        QCOMPARE(window->objectName(), kind.objectName);
    if (!kind.title.isNull())
        QCOMPARE(window->windowTitle(), kind.title);
    QCOMPARE(ClientArea(window)->size(), TwipsSize(kind.clientTwips.width(), kind.clientTwips.height()));
    if (kind.fixedSize)
        QCOMPARE(window->minimumSize(), window->maximumSize());
    else
        QVERIFY(window->minimumSize() != window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, kind.type);
    if (kind.with)
        QCOMPARE(flags & kind.with, kind.with);
    if (kind.without)
        QCOMPARE(flags & kind.without, Qt::WindowFlags());
    if (kind.iconPixels != 0)
        QCOMPARE(window->windowIcon().availableSizes().value(0), QSize(kind.iconPixels, kind.iconPixels));
    VerifyCentred(window, kind.centring, kind.centreSlack);
}

int CountTopLevels(const QString &objectName)
{
    int count = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        count += window->objectName() == objectName && window->isVisible();
    return count;
}

QRect FromTwips(const QRect &twips)
{
    return TwipsRect(twips.left(), twips.top(), twips.width(), twips.height());
}

void VerifyPlace(const QWidget *control, const QString &container, const QRect &twips)
{
    QVERIFY(control->parentWidget());
    QCOMPARE(control->parentWidget()->objectName(), container);
    QCOMPARE(control->geometry(), FromTwips(twips));
}

void VerifyFont(const QWidget *control, const QString &family, double points, bool bold)
{
    QCOMPARE(control->font().family(), family);
    QCOMPARE(control->font().pointSizeF(), points);
    QCOMPARE(control->font().bold(), bold);
}

void VerifyFrame(const QGroupBox *frame, const QString &caption)
{
    QCOMPARE(frame->title(), caption);
    QCOMPARE(frame->focusPolicy(), Qt::NoFocus);
}

void VerifyPictureButton(
    const PictureButton *button, const QString &caption, const QString &toolTip, const QSize &picture)
{
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->toolTip(), toolTip);
    if (picture.isEmpty()) {
        QVERIFY(button->icon().isNull());
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextOnly);
    } else {
        QCOMPARE(button->iconSize(), picture);
        QCOMPARE(button->icon().pixmap(picture).size(), picture);
        QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    }
}

void VerifyCaptionsKeepAWholeLine(const QWidget *window)
{
    for (PictureButton *button : window->findChildren<PictureButton *>()) {
        if (button->icon().isNull())
            continue;
        const QRect caption = button->captionRect();
        QVERIFY2(button->rect().contains(caption), qPrintable(button->objectName()));
        QCOMPARE(caption.height(), button->fontMetrics().height());
        const QRect shown = button->pictureArea();
        QVERIFY(shown.bottom() < caption.top());
        QVERIFY(shown.height() > 0);
        QVERIFY(qAbs(button->pictureRect().center().x() - caption.center().x()) <= 1);
        QVERIFY(shown.intersects(button->pictureRect()));
    }
}

QStringList TabVisits(qsizetype count)
{
    QStringList visited;
    for (qsizetype i = 0; i < count; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    return visited;
}

void FocusAndPress(QWidget *control, Qt::Key key)
{
    QVERIFY(control);
    control->setFocus();
    QCOMPARE(QApplication::focusWidget(), control);
    QTest::keyClick(control, key);
}

void VerifyNothingShown(GuiFixture &fixture)
{
    QVERIFY(fixture.platform().ui().messageBoxes.empty());
    QVERIFY(fixture.platform().ui().cursorChanges.empty());
    QVERIFY(!fixture.exitStatus);
}

}  // namespace vellory::test
