// The Desktop Shortcuts, Start Menu and Favorites Menu windows: their layout, keyboard, the
// shortcut that each site button places, and a failed write.

#include "app/Form1.h"
#include "links/SiteCatalogue.h"
#include "links/frmDesktopShortcuts.h"
#include "links/frmFavoritesMenu.h"
#include "links/frmStartMenu.h"
#include "platform/qt/PictureButton.h"
#include "platform/qt/SingleWindow.h"
#include "platform/qt/Twips.h"
#include "shortcut_files.h"
#include "support/GuiTest.h"
#include "support/WindowChecks.h"

#include <QGroupBox>
#include <QPointer>
#include <QScreen>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sys/stat.h>

using namespace vellory;
using namespace vellory::test;

namespace {

struct WindowCase {
    const char *name;
    const char *folder;     // the special folder its shortcuts go to
    const char *siteFrame;  // the frame that holds the site buttons
    ShortcutTarget target;
};

constexpr WindowCase kWindows[] = {
    {"frmDesktopShortcuts", "Desktop", "frameDesktop", ShortcutTarget::Desktop},
    {"frmStartMenu", "StartMenu", "lblStartMenu", ShortcutTarget::StartMenu},
    {"frmFavoritesMenu", "Favorites", "frameFavorites", ShortcutTarget::Favorites},
};

const WindowCase &Case(const QString &name)
{
    for (const WindowCase &c : kWindows) {
        if (name == QLatin1String(c.name))
            return c;
    }
    qFatal("no window case %s", qPrintable(name));
}

ShortcutWindow *Open(const QString &name)
{
    if (name == QLatin1String("frmDesktopShortcuts"))
        return ShowSingleWindow<frmDesktopShortcuts>();
    if (name == QLatin1String("frmStartMenu"))
        return ShowSingleWindow<frmStartMenu>();
    return ShowSingleWindow<frmFavoritesMenu>();
}

// The site buttons' keyboard order, the same in every window.
const QStringList kSiteKeyboardOrder = {
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
    QString::fromUtf8("ChristianCaf\u00e9"),
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

void AddWindowRows()
{
    QTest::addColumn<QString>("window");
    for (const WindowCase &c : kWindows)
        QTest::newRow(c.name) << QString::fromLatin1(c.name);
}

QString Q(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

class TestShortcutWindows : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GuiFixture> m_fixture;

    RecordingPlatform &platform() { return m_fixture->platform(); }
    std::string folderOf(const QString &window) { return platform().folders[Case(window).folder]; }

    // Every folder is empty but the window's own, which holds exactly this one shortcut.
    void checkOnlyShortcut(const QString &window, const std::string &file, const std::string &url)
    {
        for (const WindowCase &c : kWindows) {
            const std::string folder = platform().folders[c.folder];
            if (window == QLatin1String(c.name)) {
                QCOMPARE(FolderEntries(folder), QStringList {QString::fromStdString(file)});
                QCOMPARE(ReadBytes(folder + "/" + file), ShortcutBytes(url));
            } else {
                QCOMPARE(FolderEntries(folder), QStringList {});
            }
        }
    }

private slots:
    void init() { m_fixture = std::make_unique<GuiFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void window_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::newRow("Desktop Shortcuts") << "frmDesktopShortcuts"
                                           << "Desktop Shortcuts";
        QTest::newRow("Start Menu") << "frmStartMenu"
                                    << "Start Menu";
        QTest::newRow("Favorites Menu") << "frmFavoritesMenu"
                                        << "Favorites";
    }

    void window()
    {
        QFETCH(QString, window);
        QFETCH(QString, title);
        ShortcutWindow *w = Open(window);
        QCOMPARE(w->target(), Case(window).target);
        VerifyWindowKind(w,
            {.objectName = window,
                .title = title,
                .clientTwips = {10080, 7335},
                .fixedSize = true,
                .type = Qt::Window,  // its own taskbar button
                .with = Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint,
                .without = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint,
                .iconPixels = 32,
                // Centred by its outer frame; the offscreen frame is a few pixels wide.
                .centring = Centring::Frame,
                .centreSlack = 2});
        QCOMPARE(w->windowIcon().availableSizes().size(), 1);  // and no other size
    }

    void controls_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QPoint>("inWindow");  // where a button stands in the window
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("font");  // 8.25 regular; empty: none of its own

        const QString desktop = "frmDesktopShortcuts", start = "frmStartMenu", favorites = "frmFavoritesMenu";
        const QString comic = "Comic Sans MS", sans = "MS Sans Serif";
        const QString desktopCaption = "Desktop - Click on picture button to add shortcut to your Desktop";
        const QString startCaption = "Start Menu - Click on Button Picture to Add Shortcut to the Start Menu";
        const QString favoritesCaption = "Favorites - Click on picture button to add shortcuts to your Favorites.";
        // clang-format off
        QTest::newRow("Desktop/frameDesktop")     << desktop   << "frameDesktop"   << desktop         << QRect(120, 120, 9735, 6135)  << QPoint()           << desktopCaption   << ""       << comic;
        QTest::newRow("Desktop/frameOKCancel")    << desktop   << "frameOKCancel"  << desktop         << QRect(120, 6240, 9735, 975)  << QPoint()           << ""               << ""       << "";
        QTest::newRow("Desktop/btnOK")            << desktop   << "btnOK"          << "frameOKCancel" << QRect(7080, 240, 1215, 495)  << QPoint(7200, 6480) << " OK"            << "OK"     << comic;
        QTest::newRow("Desktop/btnCancel")        << desktop   << "btnCancel"      << "frameOKCancel" << QRect(8400, 240, 1215, 495)  << QPoint(8520, 6480) << "Cancel"         << "Cancel" << comic;
        QTest::newRow("StartMenu/lblStartMenu")   << start     << "lblStartMenu"   << start           << QRect(120, 120, 9855, 6375)  << QPoint()           << startCaption     << ""       << comic;
        QTest::newRow("StartMenu/frameOKCancel")  << start     << "frameOKCancel"  << start           << QRect(120, 6480, 9855, 855)  << QPoint()           << ""               << ""       << "";
        QTest::newRow("StartMenu/btnOK")          << start     << "btnOK"          << start           << QRect(7320, 6720, 1215, 495) << QPoint(7320, 6720) << "OK"             << "OK"     << comic;
        QTest::newRow("StartMenu/btnCancel")      << start     << "btnCancel"      << start           << QRect(8640, 6720, 1215, 495) << QPoint(8640, 6720) << "Cancel"         << "Cancel" << comic;
        QTest::newRow("Favorites/frameFavorites") << favorites << "frameFavorites" << favorites       << QRect(120, 120, 9855, 6375)  << QPoint()           << favoritesCaption << ""       << comic;
        QTest::newRow("Favorites/frameOKCancel")  << favorites << "frameOKCancel"  << favorites       << QRect(120, 6480, 9855, 855)  << QPoint()           << ""               << ""       << "";
        QTest::newRow("Favorites/btnOK")          << favorites << "btnOK"          << "frameOKCancel" << QRect(7200, 240, 1215, 495)  << QPoint(7320, 6720) << " OK"            << "OK"     << sans;
        QTest::newRow("Favorites/btnCancel")      << favorites << "btnCancel"      << "frameOKCancel" << QRect(8520, 240, 1215, 495)  << QPoint(8640, 6720) << "Cancel"         << "Cancel" << sans;
        // clang-format on
    }

    void controls()
    {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, twips);
        QFETCH(QPoint, inWindow);
        QFETCH(QString, text);
        QFETCH(QString, toolTip);
        QFETCH(QString, font);

        ShortcutWindow *w = Open(window);
        const QList<QWidget *> found = w->findChildren<QWidget *>(name);
        QCOMPARE(found.size(), 1);
        QWidget *control = found[0];
        VerifyPlace(control, container, twips);
        if (!font.isEmpty())
            VerifyFont(control, font, 8.25, false);
        if (auto *frame = qobject_cast<QGroupBox *>(control)) {
            VerifyFrame(frame, text);
            return;
        }
        auto *button = qobject_cast<PictureButton *>(control);
        QVERIFY(button);
        VerifyPictureButton(button, text, toolTip, QSize());
        QCOMPARE(button->mapTo(w, QPoint(0, 0)), TwipsPoint(inWindow.x(), inWindow.y()));
        // In front of frameOKCancel, also where both stand on the window.
        QCOMPARE(w->childAt(button->mapTo(w, button->rect().center())), button);
    }

    void siteButtons_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QPoint>("inDesktopShortcuts");
        QTest::addColumn<QPoint>("inOthers");  // Start Menu and Favorites Menu

        // clang-format off
        const struct { const char *key, *caption, *toolTip; QSize picture; QPoint desktop, others; } rows[] = {
            {"EvangelistSite",         "Billy Graham",              "Billy Graham",              {43, 20},  {240, 360},   {360, 480}},
            {"BibleGateway",           "Bible Gateway",             "Bible Gateway",             {113, 32}, {2760, 360},  {2880, 480}},
            {"FocusOnTheFamily",       "Focus On The Family",       "Focus On The Family",       {113, 38}, {5280, 360},  {5400, 480}},
            {"AmazingBible",           "Amazing Bible",             "Amazing Bible",             {113, 10}, {7680, 360},  {7800, 480}},
            {"PromiseKeepers",         "Promise Keepers",           "Promise Keepers",           {63, 20},  {240, 1320},  {360, 1440}},
            {"KoinoniaHouse",          "Koinonia House",            "Koinonia House",            {113, 18}, {2760, 1320}, {2880, 1440}},
            {"GospelPortal",           "Gospelcom.net",             "Gospelcom.net",             {113, 31}, {5280, 1320}, {5400, 1440}},
            {"ChristianCaf\u00e9",     "Christian Caf\u00e9",       "Christian Caf\u00e9",       {113, 30}, {7680, 1320}, {7800, 1440}},
            {"OnlineScripture",        "Online Scripture",          "Online Scripture",          {113, 13}, {240, 2280},  {360, 2400}},
            {"AnswersInGenesis",       "Answers In Genesis",        "Answers In Genesis",        {113, 15}, {2760, 2280}, {2880, 2400}},
            {"eHarmony",               " eHarmony",                 " eHarmony",                 {113, 26}, {5280, 2280}, {5400, 2400}},
            {"EastonsBibleDictionary", "Easton's Bible Dictionary", "Easton's Bible Dictionary", {113, 14}, {7680, 2280}, {7800, 2400}},
            {"Crosswalk",              "Crosswalk",                 "Crosswalk",                 {113, 29}, {240, 3240},  {360, 3360}},
            {"BibleontheWeb",          "Bible on the Web",          "Bible on the Web",          {113, 29}, {2760, 3240}, {2880, 3360}},
            {"HarvestOnline",          "Harvest Online",            "Harvest Online",            {113, 41}, {5280, 3240}, {5400, 3360}},
            {"NavesTopicalBible",      "Nave's Topical Bible",      "Nave's Topical Bible",      {113, 15}, {7680, 3240}, {7800, 3360}},
            {"ChristianityToday",      "Christianity Today",        "Christianity Today",        {113, 24}, {240, 4200},  {360, 4320}},
            {"SermonSearch",           "Sermon Search",             "Sermon Search",             {94, 45},  {2760, 4200}, {2880, 4320}},
            {"CrossDaily",             "CrossDaily",                "Cross Daily",               {113, 29}, {5280, 4200}, {5400, 4320}},
            {"ChristianAnswers",       "ChristianAnswers .net",     "Christian Answers",         {113, 31}, {7680, 4200}, {7800, 4320}},
            {"BlueLetterBible",        "Blue Letter Bible",         "Blue Letter Bible",         {113, 27}, {240, 5160},  {360, 5280}},
            {"ChristianHeadlines",     "Christian Headlines",       "Christian Headlines",       {113, 20}, {2760, 5160}, {2880, 5280}},
            {"TheBibleSource",         "The Bible Source",          "The Bible Source",          {113, 29}, {5280, 5160}, {5400, 5280}},
            {"TheBibleMaster",         "The Bible Master",          "The Bible Master",          {65, 20},  {7680, 5160}, {7800, 5280}},
        };
        // clang-format on
        for (const auto &row : rows)
            QTest::newRow(row.key) << QString::fromUtf8(row.key) << QString::fromUtf8(row.caption)
                                   << QString::fromUtf8(row.toolTip) << row.picture << row.desktop << row.others;
    }

    // Each site in the same cell with the same caption, tooltip and picture in every window,
    // but for the blank before the evangelist's name in the Desktop Shortcuts window.
    void siteButtons()
    {
        QFETCH(QString, key);
        QFETCH(QString, caption);
        QFETCH(QString, toolTip);
        QFETCH(QSize, picture);
        QFETCH(QPoint, inDesktopShortcuts);
        QFETCH(QPoint, inOthers);

        for (const WindowCase &c : kWindows) {
            const bool desktop = c.target == ShortcutTarget::Desktop;
            ShortcutWindow *w = Open(QString::fromLatin1(c.name));
            auto *button = w->findChild<PictureButton *>(key);
            QVERIFY2(button, c.name);
            QCOMPARE(button->parentWidget()->objectName(), QString::fromLatin1(c.siteFrame));
            const QPoint at = desktop ? inDesktopShortcuts : inOthers;
            QCOMPARE(button->geometry(), TwipsRect(at.x(), at.y(), 1700, 650));
            VerifyPictureButton(button, desktop && key == "EvangelistSite" ? " " + caption : caption, toolTip, picture);
            VerifyFont(button, "Comic Sans MS", 8.25, true);
            QCOMPARE(button->icon().availableSizes(), QList<QSize> {picture});
        }
    }

    void oneButtonPerSiteAndNoOther_data() { AddWindowRows(); }

    void oneButtonPerSiteAndNoOther()
    {
        QFETCH(QString, window);
        ShortcutWindow *w = Open(window);
        auto *frame = w->findChild<QGroupBox *>(Case(window).siteFrame);
        QVERIFY(frame);
        QStringList names;
        for (PictureButton *button : frame->findChildren<PictureButton *>())
            names << button->objectName();
        QStringList keys;
        for (const SiteEntry &site : SiteCatalogue())
            keys << Q(site.key);
        names.sort();
        keys.sort();
        QCOMPARE(names, keys);
        QCOMPARE(w->findChildren<PictureButton *>().size(), 26);
    }

    // The captions that name a site by its evangelist or its domain say what the catalogue says.
    void namedCaptionsAgreeWithTheCatalogue()
    {
        ShortcutWindow *w = Open("frmFavoritesMenu");
        for (const char *key : {"EvangelistSite", "GospelPortal"}) {
            auto *button = w->findChild<PictureButton *>(key);
            QCOMPARE(button->text(), Q(FindSite(key).shortcutName(ShortcutTarget::Favorites)));
            QCOMPARE(button->toolTip(), button->text());
        }
        // The domain with a blank before its top-level suffix.
        const QString host = QUrl(Q(FindSite("ChristianAnswers").url)).host();
        QCOMPARE("www." + w->findChild<PictureButton *>("ChristianAnswers")->text().toLower().remove(' '), host);
        QVERIFY(w->findChild<PictureButton *>("ChristianAnswers")->text().endsWith(" .net"));
    }

    void keyboardOrder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("Desktop Shortcuts") << "frmDesktopShortcuts"
                                           << "btnCancel"
                                           << "btnOK";
        QTest::newRow("Start Menu") << "frmStartMenu"
                                    << "btnCancel"
                                    << "btnOK";
        QTest::newRow("Favorites Menu") << "frmFavoritesMenu"
                                        << "btnOK"
                                        << "btnCancel";
    }

    // OK and Cancel in the window's order, then the sites in their own order; the focus
    // starts on the first of them at every opening.
    void keyboardOrder()
    {
        QFETCH(QString, window);
        QFETCH(QString, first);
        QFETCH(QString, second);

        for (int opening = 0; opening < 2; ++opening) {
            QPointer<ShortcutWindow> w = Open(window);
            QVERIFY(QTest::qWaitForWindowActive(w));
            QCOMPARE(QApplication::focusWidget()->objectName(), first);

            const QStringList expected = QStringList {second} + kSiteKeyboardOrder + QStringList {first};
            QCOMPARE(TabVisits(expected.size()), expected);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            QCOMPARE(QApplication::focusWidget()->objectName(), kSiteKeyboardOrder.last());

            // Leave the focus elsewhere and open the window afresh.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            w->close();
            QTRY_VERIFY(w.isNull());
        }
    }

    void escClosesWhateverHasTheFocus_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        for (const WindowCase &c : kWindows) {
            for (const QString &control : QStringList {"btnOK", "btnCancel"} + kSiteKeyboardOrder)
                QTest::addRow("%s/%s", c.name, qPrintable(control)) << QString::fromLatin1(c.name) << control;
        }
    }

    void escClosesWhateverHasTheFocus()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QPointer<ShortcutWindow> w = Open(window);
        QVERIFY(QTest::qWaitForWindowActive(w));
        FocusAndPress(w->findChild<PictureButton *>(control), Qt::Key_Escape);
        QTRY_VERIFY(w.isNull());
        QVERIFY(platform().writes.empty());
    }

    void enterRightAfterOpeningCloses_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("key");
        for (const WindowCase &c : kWindows) {
            QTest::addRow("%s/Return", c.name) << QString::fromLatin1(c.name) << int(Qt::Key_Return);
            QTest::addRow("%s/keypad Enter", c.name) << QString::fromLatin1(c.name) << int(Qt::Key_Enter);
        }
    }

    void enterRightAfterOpeningCloses()
    {
        QFETCH(QString, window);
        QFETCH(int, key);
        QPointer<ShortcutWindow> w = Open(window);
        QVERIFY(QTest::qWaitForWindowActive(w));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QTRY_VERIFY(w.isNull());
        QVERIFY(platform().writes.empty());
    }

    // Reached with Tab and pressed with Enter; the file bears the catalogue's name for the
    // window's folder, whatever the button's caption says.
    void enterOnAFocusedSiteWritesItsShortcut_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("file");
        // clang-format off
        QTest::newRow("caption after a blank")   << "frmDesktopShortcuts" << "EvangelistSite"         << "Billy Graham.url";
        QTest::newRow("caption without blank")   << "frmDesktopShortcuts" << "CrossDaily"             << "Cross Daily.url";
        QTest::newRow("accent")                  << "frmDesktopShortcuts" << QString::fromUtf8("ChristianCaf\u00e9") << QString::fromUtf8("Christian Caf\u00e9.url");
        QTest::newRow("Start Menu's own name")   << "frmStartMenu"        << "NavesTopicalBible"      << "Naves opical Bible.url";
        QTest::newRow("caption with apostrophe") << "frmStartMenu"        << "EastonsBibleDictionary" << "Eastons Bible Dictionary.url";
        QTest::newRow("Favorites' Naves")        << "frmFavoritesMenu"    << "NavesTopicalBible"      << "Naves Topical Bible.url";
        QTest::newRow("caption is the domain")   << "frmFavoritesMenu"    << "ChristianAnswers"       << "Christian Answers.url";
        QTest::newRow("leading blank in caption") << "frmFavoritesMenu"   << "eHarmony"               << "eHarmony.url";
        // clang-format on
    }

    void enterOnAFocusedSiteWritesItsShortcut()
    {
        QFETCH(QString, window);
        QFETCH(QString, key);
        QFETCH(QString, file);
        ShortcutWindow *w = Open(window);
        QVERIFY(QTest::qWaitForWindowActive(w));
        for (int i = 0; i < 26 && QApplication::focusWidget()->objectName() != key; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), key);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

        checkOnlyShortcut(window, file.toStdString(), std::string(FindSite(key.toStdString()).url));
        QVERIFY(w->isVisible());
        QCOMPARE(QApplication::focusWidget()->objectName(), key);
    }

    void everySiteButtonWritesIntoItsWindowsFolder_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("key");
        for (const WindowCase &c : kWindows) {
            for (const SiteEntry &site : SiteCatalogue())
                QTest::addRow("%s/%s", c.name, std::string(site.key).c_str())
                    << QString::fromLatin1(c.name) << Q(site.key);
        }
    }

    void everySiteButtonWritesIntoItsWindowsFolder()
    {
        QFETCH(QString, window);
        QFETCH(QString, key);
        ShortcutWindow *w = Open(window);
        const SiteEntry &site = FindSite(key.toStdString());
        const std::string name(site.shortcutName(Case(window).target));

        Click<PictureButton>(w, key);

        checkOnlyShortcut(window, name + ".url", std::string(site.url));
        QCOMPARE(platform().foldersAsked, std::vector<std::string> {Case(window).folder});
        QCOMPARE(platform().writes.size(), std::size_t(1));
        QVERIFY(platform().writes[0].busyDuringWrite);
        QCOMPARE(platform().ui().cursorChanges, (std::vector<bool> {true, false}));
        // Nothing shown, the window stays as it was.
        QVERIFY(platform().ui().messageBoxes.empty());
        QVERIFY(!m_fixture->exitStatus);
        QVERIFY(w->isVisible());
        // The window's own working values.
        QCOMPARE(w->writer().shortcutName(), name);
        QCOMPARE(w->writer().url(), std::string(site.url));
        QCOMPARE(w->writer().folderPath(), folderOf(window));
        QVERIFY(!w->writer().holdsShell());
    }

    // Two clicks leave one file; the same site from the three windows leaves three files;
    // closing the windows takes none of them away.
    void sameSiteInEveryWindow()
    {
        const std::string url(FindSite("NavesTopicalBible").url);
        QList<QPointer<ShortcutWindow>> windows;
        for (const WindowCase &c : kWindows) {
            windows << Open(QString::fromLatin1(c.name));
            for (int click = 0; click < 2; ++click)
                Click<PictureButton>(windows.last(), "NavesTopicalBible");
        }
        for (const QPointer<ShortcutWindow> &w : windows)
            Click<PictureButton>(w, "btnCancel");
        QTRY_VERIFY(std::all_of(windows.begin(), windows.end(), [](const auto &w) { return w.isNull(); }));

        const std::pair<const char *, const char *> expected[] = {
            {"Desktop", "Naves Topical Bible.url"},
            {"StartMenu", "Naves opical Bible.url"},
            {"Favorites", "Naves Topical Bible.url"},
        };
        for (const auto &[folder, file] : expected) {
            QCOMPARE(FolderEntries(platform().folders[folder]), QStringList {QString::fromStdString(file)});
            QCOMPARE(ReadBytes(platform().folders[folder] + "/" + file), ShortcutBytes(url));
        }
        QCOMPARE(platform().writes.size(), std::size_t(6));
    }

    void okCancelAndCloseBoxOnlyClose_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("how");
        for (const WindowCase &c : kWindows) {
            for (const char *how : {"btnOK", "btnCancel", "close box"})
                QTest::addRow("%s/%s", c.name, how) << QString::fromLatin1(c.name) << how;
        }
    }

    void okCancelAndCloseBoxOnlyClose()
    {
        QFETCH(QString, window);
        QFETCH(QString, how);
        QPointer<ShortcutWindow> w = Open(window);
        Click<PictureButton>(w, "Crosswalk");
        Click<PictureButton>(w, "BibleGateway");
        if (how == "close box")
            w->close();
        else
            Click<PictureButton>(w, how);
        QTRY_VERIFY(w.isNull());
        QCOMPARE(FolderEntries(folderOf(window)), (QStringList {"Bible Gateway.url", "Crosswalk.url"}));
        QCOMPARE(platform().writes.size(), std::size_t(2));
        QVERIFY(platform().ui().messageBoxes.empty());
    }

    void oneWindowOfEachKind_data() { AddWindowRows(); }

    void oneWindowOfEachKind()
    {
        QFETCH(QString, window);
        ShortcutWindow *first = Open(window);
        Click<PictureButton>(first, "SermonSearch");
        QCOMPARE(Open(window), first);
        QCOMPARE(CountTopLevels(window), 1);

        // Closed and opened again, it remembers nothing.
        QPointer<ShortcutWindow> closing = first;
        first->close();
        QTRY_VERIFY(closing.isNull());
        ShortcutWindow *again = Open(window);
        QVERIFY(again->writer().shortcutName().empty());
        QVERIFY(again->writer().folderPath().empty());
    }

    void keepsWorkingAfterTheMainWindowCloses_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::newRow("Desktop Shortcuts") << "frmDesktopShortcuts" << QKeySequence("Ctrl+S");
        QTest::newRow("Start Menu") << "frmStartMenu" << QKeySequence("Ctrl+M");
        QTest::newRow("Favorites Menu") << "frmFavoritesMenu" << QKeySequence("Ctrl+A");
    }

    void keepsWorkingAfterTheMainWindowCloses()
    {
        QFETCH(QString, window);
        QFETCH(QKeySequence, shortcut);
        Form1 *form = ShowSingleWindow<Form1>();
        QVERIFY(QTest::qWaitForWindowActive(form));
        QTest::keySequence(form, shortcut);
        auto *w = qobject_cast<ShortcutWindow *>(TopLevel(window));
        QVERIFY(w);

        QVERIFY(!ProgramEndsAfter([form] { form->close(); }));
        QVERIFY(!OpenWindow<Form1>());
        Click<PictureButton>(w, "BlueLetterBible");
        checkOnlyShortcut(window, "Blue Letter Bible.url", std::string(FindSite("BlueLetterBible").url));

        QVERIFY(ProgramEndsAfter([w] { w->close(); }, 5000));
    }

    // The failure goes to the one top-level handling, which reports it and ends the program;
    // by then the old file is whole, no temporary file is left and the pointer is back.
    void failedWriteIsReportedAndEndsTheProgram_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("number");
        QTest::newRow("missing folder") << "frmDesktopShortcuts"
                                        << "missing" << ENOENT;
        QTest::newRow("folder below a regular file") << "frmStartMenu"
                                                     << "notdir" << ENOTDIR;
        QTest::newRow("read-only target") << "frmFavoritesMenu"
                                          << "readonly" << EACCES;
    }

    void failedWriteIsReportedAndEndsTheProgram()
    {
        QFETCH(QString, window);
        QFETCH(QString, setup);
        QFETCH(int, number);

        const std::string folderName = Case(window).folder;
        const std::string root = platform().root;
        std::string folder = platform().folders[folderName];
        const std::string old = "[InternetShortcut]\r\nURL=http://old.example/\r\n";
        if (setup == "missing") {
            folder = root + "/gone/" + folderName;
        } else if (setup == "notdir") {
            std::ofstream(root + "/plain") << "a file";
            folder = root + "/plain/" + folderName;
        } else {
            const std::string path = folder + "/Blue Letter Bible.url";
            std::ofstream(path, std::ios::binary) << old;
            QCOMPARE(chmod(path.c_str(), 0444), 0);
        }
        platform().folders[folderName] = folder;
        const QStringList rootBefore = FolderEntries(root);
        std::optional<bool> busyWhileReporting;
        platform().ui().onMessageBox = [this, &busyWhileReporting] { busyWhileReporting = platform().ui().busy; };

        ShortcutWindow *w = Open(window);
        Click<PictureButton>(w, "BlueLetterBible");

        const auto &boxes = platform().ui().messageBoxes;
        QCOMPARE(boxes.size(), std::size_t(1));
        QCOMPARE(boxes[0].first, std::string("Vellory Christian Edition"));
        const QString message = QString::fromStdString(boxes[0].second);
        QVERIFY2(message.startsWith(QStringLiteral("Error %1: ").arg(number)), qPrintable(message));
        QVERIFY2(message.contains(QString::fromLatin1(std::strerror(number))), qPrintable(message));
        QCOMPARE(m_fixture->exitStatus, std::optional<int>(kFailureExitStatus));
        QCOMPARE(busyWhileReporting, std::optional<bool>(false));
        QVERIFY(!platform().ui().busy);

        QCOMPARE(FolderEntries(root), rootBefore);
        if (setup == "readonly") {
            QCOMPARE(FolderEntries(folder), QStringList {"Blue Letter Bible.url"});
            QCOMPARE(ReadBytes(folder + "/Blue Letter Bible.url"), QByteArray::fromStdString(old));
        } else {
            QVERIFY(!std::filesystem::exists(folder));
        }
    }
};

VELLORY_GUI_TEST_MAIN(TestShortcutWindows)
#include "test_shortcut_windows.moc"
