// The Home Page window: its layout, its keys, and what a click on a site leaves in the store.

#include "homepage/StartPage.h"
#include "homepage/frmHomePage.h"
#include "links/SiteCatalogue.h"
#include "platform/qt/PictureButton.h"
#include "platform/qt/SingleWindow.h"
#include "platform/qt/Twips.h"
#include "support/GuiTest.h"
#include "support/WindowChecks.h"

#include <QGroupBox>

using namespace vellory;
using namespace vellory::test;

namespace {

const std::string kMainKey = "Software\\Microsoft\\Internet Explorer\\Main";

// The shared keyboard order of the site windows.
const QStringList kSiteOrder = {
    "HarvestOnline",
    "Crosswalk",
    "PromiseKeepers",
    "OnlineScripture",
    "ChristianityToday",
    "BlueLetterBible",
    "KoinoniaHouse",
    "AnswersInGenesis",
    "BibleontheWeb",
    "SermonSearch",
    "ChristianHeadlines",
    "TheBibleSource",
    "ChristianCaf\u00e9",
    "ChristianAnswers",
    "AmazingBible",
    "BibleGateway",
    "NavesTopicalBible",
    "EastonsBibleDictionary",
    "CrossDaily",
    "TheBibleMaster",
    "GospelPortal",
    "FocusOnTheFamily",
    "eHarmony",
    "EvangelistSite",
};

}  // namespace

class TestHomePage : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GuiFixture> m_fixture;
    frmHomePage *m_window = nullptr;

    PictureButton *button(const QString &name) { return m_window->findChild<PictureButton *>(name); }

    StoredValue startPage()
    {
        return ReadStoredValue(m_fixture->platform(), HKEY_CURRENT_USER_ROOT, kMainKey, kStartPageValue);
    }

    void click(const QString &name) { Click<PictureButton>(m_window, name); }

private slots:
    void init()
    {
        m_fixture = std::make_unique<GuiFixture>();
        m_window = ShowSingleWindow<frmHomePage>();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    void cleanup() { m_fixture.reset(); }

    void window()
    {
        VerifyWindowKind(m_window,
            {.objectName = "frmHomePage",
                .title = "Home Page",
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

        const QString frame = "frameHomePage";
        // clang-format off
        QTest::newRow("frameHomePage") << "frameHomePage" << "frmHomePage" << QRect(120, 120, 9735, 6135) << "Home Page - Click on picture button to set your Home Page in I.E." << "" << false << QSize();
        QTest::newRow("frameOKCancel") << "frameOKCancel" << "frmHomePage" << QRect(120, 6360, 9735, 855) << "" << "" << false << QSize();
        QTest::newRow("btnOK")         << "btnOK"         << "frameOKCancel" << QRect(7080, 240, 1215, 495) << " OK"    << "OK"     << false << QSize();
        QTest::newRow("btnCancel")     << "btnCancel"     << "frameOKCancel" << QRect(8400, 240, 1215, 495) << "Cancel" << "Cancel" << false << QSize();

        QTest::newRow("EvangelistSite")         << "EvangelistSite"         << frame << QRect(240,  360,  1700, 650) << "Billy Graham"              << "Billy Graham"              << true << QSize(43, 20);
        QTest::newRow("BibleGateway")           << "BibleGateway"           << frame << QRect(2760, 360,  1700, 650) << "Bible Gateway"             << "Bible Gateway"             << true << QSize(113, 32);
        QTest::newRow("FocusOnTheFamily")       << "FocusOnTheFamily"       << frame << QRect(5280, 360,  1700, 650) << "Focus On The Family"       << "Focus On The Family"       << true << QSize(113, 38);
        QTest::newRow("AmazingBible")           << "AmazingBible"           << frame << QRect(7680, 360,  1700, 650) << "Amazing Bible"             << "Amazing Bible"             << true << QSize(113, 10);
        QTest::newRow("PromiseKeepers")         << "PromiseKeepers"         << frame << QRect(240,  1320, 1700, 650) << "Promise Keepers"           << "Promise Keepers"           << true << QSize(63, 20);
        QTest::newRow("KoinoniaHouse")          << "KoinoniaHouse"          << frame << QRect(2760, 1320, 1700, 650) << "Koinonia House"            << "Koinonia House"            << true << QSize(113, 18);
        QTest::newRow("GospelPortal")           << "GospelPortal"           << frame << QRect(5280, 1320, 1700, 650) << "Gospelcom.net"             << "Gospelcom.net"             << true << QSize(113, 31);
        QTest::newRow("ChristianCafe")          << "ChristianCaf\u00e9"     << frame << QRect(7680, 1320, 1700, 650) << "Christian Caf\u00e9"       << "Christian Caf\u00e9"       << true << QSize(113, 30);
        QTest::newRow("OnlineScripture")        << "OnlineScripture"        << frame << QRect(240,  2280, 1700, 650) << "Online Scripture"          << "Online Scripture"          << true << QSize(113, 13);
        QTest::newRow("AnswersInGenesis")       << "AnswersInGenesis"       << frame << QRect(2760, 2280, 1700, 650) << "Answers In Genesis"        << "Answers In Genesis"        << true << QSize(113, 15);
        QTest::newRow("eHarmony")               << "eHarmony"               << frame << QRect(5280, 2280, 1700, 650) << " eHarmony"                 << " eHarmony"                 << true << QSize(113, 26);
        QTest::newRow("EastonsBibleDictionary") << "EastonsBibleDictionary" << frame << QRect(7680, 2280, 1700, 650) << "Easton's Bible Dictionary" << "Easton's Bible Dictionary" << true << QSize(113, 14);
        QTest::newRow("Crosswalk")              << "Crosswalk"              << frame << QRect(240,  3240, 1700, 650) << "Crosswalk"                 << "Crosswalk"                 << true << QSize(113, 29);
        QTest::newRow("BibleontheWeb")          << "BibleontheWeb"          << frame << QRect(2760, 3240, 1700, 650) << "Bible on the Web"          << "Bible on the Web"          << true << QSize(113, 29);
        QTest::newRow("HarvestOnline")          << "HarvestOnline"          << frame << QRect(5280, 3240, 1700, 650) << "Harvest Online"            << "Harvest Online"            << true << QSize(113, 41);
        QTest::newRow("NavesTopicalBible")      << "NavesTopicalBible"      << frame << QRect(7680, 3240, 1700, 650) << "Nave's Topical Bible"      << "Nave's Topical Bible"      << true << QSize(113, 15);
        QTest::newRow("ChristianityToday")      << "ChristianityToday"      << frame << QRect(240,  4200, 1700, 650) << "Christianity Today"        << "Christianity Today"        << true << QSize(113, 24);
        QTest::newRow("SermonSearch")           << "SermonSearch"           << frame << QRect(2760, 4200, 1700, 650) << "Sermon Search"             << "Sermon Search"             << true << QSize(94, 45);
        QTest::newRow("CrossDaily")             << "CrossDaily"             << frame << QRect(5280, 4200, 1700, 650) << "CrossDaily"                << "Cross Daily"               << true << QSize(113, 29);
        QTest::newRow("ChristianAnswers")       << "ChristianAnswers"       << frame << QRect(7680, 4200, 1700, 650) << "ChristianAnswers .net"     << "Christian Answers"         << true << QSize(113, 31);
        QTest::newRow("BlueLetterBible")        << "BlueLetterBible"        << frame << QRect(240,  5160, 1700, 650) << "Blue Letter Bible"         << "Blue Letter Bible"         << true << QSize(113, 27);
        QTest::newRow("ChristianHeadlines")     << "ChristianHeadlines"     << frame << QRect(2760, 5160, 1700, 650) << "Christian Headlines"       << "Christian Headlines"       << true << QSize(113, 20);
        QTest::newRow("TheBibleSource")         << "TheBibleSource"         << frame << QRect(5280, 5160, 1700, 650) << "The Bible Source"          << "The Bible Source"          << true << QSize(113, 29);
        QTest::newRow("TheBibleMaster")         << "TheBibleMaster"         << frame << QRect(7680, 5160, 1700, 650) << "The Bible Master"          << "The Bible Master"          << true << QSize(65, 20);
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

        auto *control = m_window->findChild<QWidget *>(name);
        QVERIFY(control);
        VerifyPlace(control, container, twips);
        if (auto *frame = qobject_cast<QGroupBox *>(control)) {
            VerifyFrame(frame, caption);
            if (!caption.isEmpty())
                VerifyFont(frame, "Comic Sans MS", 8.25, false);
            return;
        }
        auto *pictureButton = qobject_cast<PictureButton *>(control);
        QVERIFY(pictureButton);
        VerifyPictureButton(pictureButton, caption, toolTip, picture);
        VerifyFont(pictureButton, "Comic Sans MS", 8.25, bold);
    }

    void everyCaptionKeepsAWholeLine() { VerifyCaptionsKeepAWholeLine(m_window); }

    void everySiteOfTheCatalogueHasOneButton()
    {
        const QList<PictureButton *> buttons = m_window->findChildren<PictureButton *>();
        QCOMPARE(buttons.size(), 26);
        for (const SiteEntry &site : SiteCatalogue())
            QVERIFY2(button(QString::fromUtf8(site.key.data(), qsizetype(site.key.size()))), site.key.data());
    }

    void keyboardOrderStartsOnCancel()
    {
        QCOMPARE(QApplication::focusWidget(), button("btnCancel"));
        // And round again to Cancel.
        const QStringList order = QStringList {"btnOK"} + kSiteOrder + QStringList {"btnCancel"};
        QCOMPARE(TabVisits(order.size()), order);
        QVERIFY(!startPage().found);
    }

    void eachSiteStoresItsOwnUrl_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("url");
        for (const SiteEntry &site : SiteCatalogue()) {
            const QString key = QString::fromUtf8(site.key.data(), qsizetype(site.key.size()));
            QTest::newRow(qPrintable(key)) << key << QString::fromUtf8(site.url.data(), qsizetype(site.url.size()));
        }
    }

    void eachSiteStoresItsOwnUrl()
    {
        QFETCH(QString, key);
        QFETCH(QString, url);
        click(key);
        const StoredValue value = startPage();
        QVERIFY(value.found);
        QCOMPARE(value.type, kRegSz);
        QCOMPARE(QString::fromStdString(value.data), url);
        QVERIFY(m_window->isVisible());
        VerifyNothingShown(*m_fixture);
    }

    void urlsWithoutTrailingSlashAreStoredWithout_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("Christian Caf\u00e9") << "ChristianCaf\u00e9" << QByteArray("http://www.christiancafe.com");
        QTest::newRow("eHarmony") << "eHarmony" << QByteArray("http://www.eharmony.com");
        QTest::newRow("Online Scripture") << "OnlineScripture" << QByteArray("http://www.onlinescripture.com");
    }

    void urlsWithoutTrailingSlashAreStoredWithout()
    {
        QFETCH(QString, key);
        QFETCH(QByteArray, stored);
        click(key);
        QCOMPARE(QByteArray::fromStdString(startPage().data), stored);
    }

    void theLastClickWinsAndCancelKeepsIt()
    {
        click("BibleGateway");
        click("KoinoniaHouse");
        QCOMPARE(startPage().data, std::string("http://www.khouse.org/"));
        click("KoinoniaHouse");
        QCOMPARE(startPage().data, std::string("http://www.khouse.org/"));
        click("btnCancel");
        QTRY_VERIFY(!OpenWindow<frmHomePage>());
        QCOMPARE(startPage().data, std::string("http://www.khouse.org/"));
        VerifyNothingShown(*m_fixture);
    }

    void aRefusedWriteShowsNothing_data()
    {
        QTest::addColumn<long>("createStatus");
        QTest::addColumn<long>("setStatus");
        QTest::newRow("key access denied") << kErrorAccessDenied << 0L;
        QTest::newRow("value write refused") << 0L << kErrorRegistryIo;
    }

    void aRefusedWriteShowsNothing()
    {
        QFETCH(long, createStatus);
        QFETCH(long, setStatus);
        m_fixture->platform().createKeyStatus = createStatus;
        m_fixture->platform().setValueStatus = setStatus;
        click("Crosswalk");
        m_fixture->platform().createKeyStatus = 0;
        QVERIFY(!startPage().found);
        QVERIFY(m_window->isVisible());
        VerifyNothingShown(*m_fixture);
    }

    void escClosesWhateverHasTheFocus_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::newRow("Cancel") << "btnCancel";
        QTest::newRow("OK") << "btnOK";
        QTest::newRow("a site") << "BibleGateway";
        QTest::newRow("the last site in order") << "EvangelistSite";
    }

    void escClosesWhateverHasTheFocus()
    {
        QFETCH(QString, focus);
        FocusAndPress(button(focus), Qt::Key_Escape);
        QTRY_VERIFY(!OpenWindow<frmHomePage>());
        QVERIFY(!startPage().found);
    }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("focus");  // empty: as opened
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("stored");
        QTest::newRow("right after opening") << "" << true << "";
        QTest::newRow("OK") << "btnOK" << true << "";
        QTest::newRow("Cancel") << "btnCancel" << true << "";
        QTest::newRow("a site") << "SermonSearch" << false << "http://www.sermonsearch.com/";
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
            QTRY_VERIFY(!OpenWindow<frmHomePage>());
        else
            QVERIFY(m_window->isVisible());
        QCOMPARE(QString::fromStdString(startPage().data), stored);
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
        click("TheBibleMaster");
        if (how.isEmpty())
            m_window->close();
        else
            click(how);
        QTRY_VERIFY(!OpenWindow<frmHomePage>());
        QCOMPARE(startPage().data, std::string("http://www.biblemaster.com/"));
        VerifyNothingShown(*m_fixture);
    }

    void oneWindowThatOpensFresh()
    {
        VerifyOneWindowThatOpensFresh(m_window, "frmHomePage", "AmazingBible", "btnCancel");
    }
};

VELLORY_GUI_TEST_MAIN(TestHomePage)
#include "test_home_page.moc"
