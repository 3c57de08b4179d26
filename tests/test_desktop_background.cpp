// The Desktop Background window: its layout, its keys, and what a click on a picture hands to
// the wallpaper setting (recorded by the Linux backend as "Wallpaper" in the store).

#include "background/frmDesktopBackground.h"
#include "platform/qt/PictureButton.h"
#include "platform/qt/SingleWindow.h"
#include "platform/qt/Twips.h"
#include "support/GuiTest.h"
#include "support/WindowChecks.h"

#include <QDir>
#include <QGroupBox>

using namespace vellory;
using namespace vellory::test;

namespace {

const QString kFolder = QStringLiteral("C:\\share\\Vellory\\Christian\\backgrounds\\");

// Down the columns, as the table of pictures lists them.
const QStringList kPictureOrder = {
    "Abraham",
    "Armor",
    "Attitude",
    "BannerOverMe",
    "Beginning",
    "Calvary",
    "Christian",
    "Daniel",
    "Easter1",
    "Easter",
    "Fishers",
    "Flags",
    "Freedom",
    "GotJesus",
    "Hammer",
    "Heavens",
    "Knowledge",
    "Nativity",
    "NOTW",
    "Restart",
    "Sky",
    "Stars",
    "Waters",
    "World",
};

}  // namespace

class TestDesktopBackground : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GuiFixture> m_fixture;
    frmDesktopBackground *m_window = nullptr;

    PictureButton *button(const QString &name) { return m_window->findChild<PictureButton *>(name); }

    QString wallpaper()
    {
        const StoredValue value
            = ReadStoredValue(m_fixture->platform(), HKEY_CURRENT_USER_ROOT, "Control Panel\\Desktop", "Wallpaper");
        return value.found ? QString::fromStdString(value.data) : QString();
    }

    void click(const QString &name) { Click<PictureButton>(m_window, name); }

private slots:
    void init()
    {
        m_fixture = std::make_unique<GuiFixture>();
        m_window = ShowSingleWindow<frmDesktopBackground>();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    void cleanup() { m_fixture.reset(); }

    void window()
    {
        VerifyWindowKind(m_window,
            {.objectName = "frmDesktopBackground",
                .title = "Desktop Background",
                .clientTwips = {10080, 7335},
                .fixedSize = true,
                .type = Qt::Window,  // its own taskbar button
                .with = Qt::WindowCloseButtonHint,
                .without = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint,
                .iconPixels = 32,
                .centring = Centring::Client,
                .centreSlack = kFrameMargins});
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QSize>("picture");  // pixels; empty: none

        // The picture frame bears the window's own name; children are found below it.
        const QString frame = "frmDesktopBackground";
        const QSize thumb(100, 75);
        // clang-format off
        QTest::newRow("frame")       << "frmDesktopBackground" << "frmDesktopBackground" << QRect(240, 120, 9615, 6015) << "Desktop Background - Click on button picture to change the background image of your desktop." << "" << false << QSize();
        QTest::newRow("frmOKCancel") << "frmOKCancel" << "frmDesktopBackground" << QRect(240, 6240, 9615, 855) << "" << "" << false << QSize();
        QTest::newRow("btnOK")       << "btnOK"       << "frmOKCancel" << QRect(6840, 240, 1215, 495) << " OK"    << "OK"     << false << QSize();
        QTest::newRow("btnCancel")   << "btnCancel"   << "frmOKCancel" << QRect(8160, 240, 1215, 495) << "Cancel" << "Cancel" << false << QSize();

        QTest::newRow("Abraham")      << "Abraham"      << frame << QRect(240,  240,  1700, 650) << "Abraham"        << "Abraham"        << true << thumb;
        QTest::newRow("Armor")        << "Armor"        << frame << QRect(240,  1200, 1700, 650) << "Armor"          << "Armor"          << true << thumb;
        QTest::newRow("Attitude")     << "Attitude"     << frame << QRect(240,  2160, 1700, 650) << "Attitude"       << "Attitude"       << true << thumb;
        QTest::newRow("BannerOverMe") << "BannerOverMe" << frame << QRect(240,  3120, 1700, 650) << "Banner Over Me" << "Banner Over Me" << true << QSize(94, 75);
        QTest::newRow("Beginning")    << "Beginning"    << frame << QRect(240,  4080, 1700, 650) << "Beginning"      << "Beginning"      << true << thumb;
        QTest::newRow("Calvary")      << "Calvary"      << frame << QRect(240,  5040, 1700, 650) << "Calvary"        << "Calvary"        << true << thumb;
        QTest::newRow("Christian")    << "Christian"    << frame << QRect(2760, 240,  1700, 650) << "Christian"      << "Christian"      << true << thumb;
        QTest::newRow("Daniel")       << "Daniel"       << frame << QRect(2760, 1200, 1700, 650) << "Daniel"         << "Daniel"         << true << thumb;
        QTest::newRow("Easter1")      << "Easter1"      << frame << QRect(2760, 2160, 1700, 650) << "Easter 1"       << "Easter 1"       << true << thumb;
        QTest::newRow("Easter")       << "Easter"       << frame << QRect(2760, 3120, 1700, 650) << "Easter"         << "Easter"         << true << thumb;
        QTest::newRow("Fishers")      << "Fishers"      << frame << QRect(2760, 4080, 1700, 650) << "Fishers"        << "Fishers"        << true << thumb;
        QTest::newRow("Flags")        << "Flags"        << frame << QRect(2760, 5040, 1700, 650) << "Flags"          << "Flags"          << true << thumb;
        QTest::newRow("Freedom")      << "Freedom"      << frame << QRect(5280, 240,  1700, 650) << "Freedom"        << "Freedom"        << true << thumb;
        QTest::newRow("GotJesus")     << "GotJesus"     << frame << QRect(5280, 1200, 1700, 650) << "Got Jesus"      << "Got Jesus"      << true << thumb;
        QTest::newRow("Hammer")       << "Hammer"       << frame << QRect(5280, 2160, 1700, 650) << "Hammer"         << "Hammer"         << true << thumb;
        QTest::newRow("Heavens")      << "Heavens"      << frame << QRect(5280, 3120, 1700, 650) << "Heavens"        << "Heavens"        << true << thumb;
        QTest::newRow("Knowledge")    << "Knowledge"    << frame << QRect(5280, 4080, 1700, 650) << "Knowledge"      << "Knowledge"      << true << thumb;
        QTest::newRow("Nativity")     << "Nativity"     << frame << QRect(5280, 5040, 1700, 650) << "Nativity"       << "Nativity"       << true << thumb;
        QTest::newRow("NOTW")         << "NOTW"         << frame << QRect(7680, 240,  1700, 650) << "NOTW"           << "NOTW"           << true << thumb;
        QTest::newRow("Restart")      << "Restart"      << frame << QRect(7680, 1200, 1700, 650) << "Restart"        << "Restart"        << true << thumb;
        QTest::newRow("Sky")          << "Sky"          << frame << QRect(7680, 2160, 1700, 650) << "Sky"            << "Sky"            << true << thumb;
        QTest::newRow("Stars")        << "Stars"        << frame << QRect(7680, 3120, 1700, 650) << "Stars"          << "Stars"          << true << thumb;
        QTest::newRow("Waters")       << "Waters"       << frame << QRect(7680, 4080, 1700, 650) << "Waters"         << "Waters"         << true << thumb;
        QTest::newRow("World")        << "World"        << frame << QRect(7680, 5040, 1700, 650) << "World"          << "World"          << true << thumb;
        // clang-format on
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        QFETCH(bool, bold);
        QFETCH(QSize, picture);

        // The window and its picture frame share a name: look among the window's children.
        auto *control = m_window->findChild<QWidget *>(name);
        QVERIFY(control);
        QVERIFY(control != m_window);
        VerifyPlace(control, container, twips);
        if (auto *frame = qobject_cast<QGroupBox *>(control)) {
            VerifyFrame(frame, caption);
            if (!caption.isEmpty()) {
                QCOMPARE(frame->parentWidget(), m_window);
                VerifyFont(frame, "Comic Sans MS", 8.25, false);
            }
            return;
        }
        auto *pictureButton = qobject_cast<PictureButton *>(control);
        QVERIFY(pictureButton);
        VerifyPictureButton(pictureButton, caption, toolTip, picture);
        VerifyFont(pictureButton, "Comic Sans MS", 8.25, bold);
    }

    void everyCaptionKeepsAWholeLine() { VerifyCaptionsKeepAWholeLine(m_window); }

    void thereAre26Buttons() { QCOMPARE(m_window->findChildren<PictureButton *>().size(), 26); }

    void keyboardOrderStartsOnCancelThenRunsDownTheColumns()
    {
        QCOMPARE(QApplication::focusWidget(), button("btnCancel"));
        const QStringList order = QStringList {"btnOK"} + kPictureOrder + QStringList {"btnCancel"};
        QCOMPARE(TabVisits(order.size()), order);
        QVERIFY(wallpaper().isEmpty());
    }

    void eachPictureHandsItsOwnPath_data()
    {
        QTest::addColumn<QString>("key");
        for (const QString &key : kPictureOrder)
            QTest::newRow(qPrintable(key)) << key;
    }

    void eachPictureHandsItsOwnPath()
    {
        QFETCH(QString, key);
        click(key);
        QCOMPARE(wallpaper(), kFolder + key + ".bmp");
        QVERIFY(m_window->isVisible());
        VerifyNothingShown(*m_fixture);
    }

    void captionBlanksAreNotInTheFileName_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("path");
        QTest::newRow("Easter 1") << "Easter 1"
                                  << "C:\\share\\Vellory\\Christian\\backgrounds\\Easter1.bmp";
        QTest::newRow("Got Jesus") << "Got Jesus"
                                   << "C:\\share\\Vellory\\Christian\\backgrounds\\GotJesus.bmp";
        QTest::newRow("Banner Over Me") << "Banner Over Me"
                                        << "C:\\share\\Vellory\\Christian\\backgrounds\\BannerOverMe.bmp";
    }

    void captionBlanksAreNotInTheFileName()
    {
        QFETCH(QString, caption);
        QFETCH(QString, path);
        PictureButton *found = nullptr;
        for (PictureButton *candidate : m_window->findChildren<PictureButton *>())
            if (candidate->text() == caption)
                found = candidate;
        QVERIFY(found);
        QTest::mouseClick(found, Qt::LeftButton);
        QCOMPARE(wallpaper(), path);
    }

    void theLastClickWinsAndCancelKeepsIt()
    {
        click("Calvary");
        click("Stars");
        QCOMPARE(wallpaper(), kFolder + "Stars.bmp");
        click("Stars");
        QCOMPARE(wallpaper(), kFolder + "Stars.bmp");
        click("btnCancel");
        QTRY_VERIFY(!OpenWindow<frmDesktopBackground>());
        QCOMPARE(wallpaper(), kFolder + "Stars.bmp");
        VerifyNothingShown(*m_fixture);
    }

    void theFilesAreNeverTouched()
    {
        QTemporaryDir current;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(current.path()));
        for (const QString &key : kPictureOrder)
            click(key);
        QDir::setCurrent(previous);
        QCOMPARE(QDir(current.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        QCOMPARE(wallpaper(), kFolder + "World.bmp");
        QVERIFY(m_window->isVisible());
        VerifyNothingShown(*m_fixture);
    }

    void escClosesWhateverHasTheFocus_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::newRow("Cancel") << "btnCancel";
        QTest::newRow("OK") << "btnOK";
        QTest::newRow("a picture") << "Heavens";
        QTest::newRow("the last picture") << "World";
    }

    void escClosesWhateverHasTheFocus()
    {
        QFETCH(QString, focus);
        FocusAndPress(button(focus), Qt::Key_Escape);
        QTRY_VERIFY(!OpenWindow<frmDesktopBackground>());
        QVERIFY(wallpaper().isEmpty());
    }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("focus");  // empty: as opened
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("stored");
        QTest::newRow("right after opening") << "" << true << "";
        QTest::newRow("OK") << "btnOK" << true << "";
        QTest::newRow("Cancel") << "btnCancel" << true << "";
        QTest::newRow("a picture") << "Nativity" << false << "C:\\share\\Vellory\\Christian\\backgrounds\\Nativity.bmp";
    }

    void enterPressesTheFocusedButton()
    {
        QFETCH(QString, focus);
        QFETCH(bool, closes);
        QFETCH(QString, stored);
        if (!focus.isEmpty())
            button(focus)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (closes)
            QTRY_VERIFY(!OpenWindow<frmDesktopBackground>());
        else
            QVERIFY(m_window->isVisible());
        QCOMPARE(wallpaper(), stored);
    }

    void okCancelAndTheCloseBoxOnlyClose_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << "btnOK";
        QTest::newRow("Cancel") << "btnCancel";
        QTest::newRow("close box") << "";
    }

    void okCancelAndTheCloseBoxOnlyClose()
    {
        QFETCH(QString, how);
        click("Fishers");
        if (how.isEmpty())
            m_window->close();
        else
            click(how);
        QTRY_VERIFY(!OpenWindow<frmDesktopBackground>());
        QCOMPARE(wallpaper(), kFolder + "Fishers.bmp");
        VerifyNothingShown(*m_fixture);
    }

    void oneWindowThatOpensFresh()
    {
        VerifyOneWindowThatOpensFresh(m_window, "frmDesktopBackground", "Sky", "btnCancel");
    }
};

VELLORY_GUI_TEST_MAIN(TestDesktopBackground)
#include "test_desktop_background.moc"
