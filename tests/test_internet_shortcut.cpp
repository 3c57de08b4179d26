// The shortcut writer on its own: the file it leaves for every window and site, the path it
// builds, the pointer it shows, the working values it keeps, and what a failed write leaves.

#include "links/InternetShortcut.h"
#include "links/SiteCatalogue.h"
#include "shortcut_files.h"
#include "support/RecordingPlatform.h"

#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <filesystem>
#include <memory>
#include <sys/stat.h>

using namespace vellory;
using namespace vellory::test;

Q_DECLARE_METATYPE(vellory::ShortcutTarget)

namespace {

// Records the path it is asked to write and writes nothing: for folder strings that must not
// reach the real file system, such as an empty one.
class PathRecordingPlatform : public RecordingPlatform {
public:
    using RecordingPlatform::RecordingPlatform;
    void WriteTextFile(const std::string &path, const std::vector<std::string> &lines) override
    {
        writes.push_back({path, lines, ui().busy});
    }
};

QString Q(const std::string &text)
{
    return QString::fromStdString(text);
}

}  // namespace

class TestInternetShortcut : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<PlatformOverride> m_override;

    std::string root() const { return m_dir->path().toStdString(); }

    void install(std::unique_ptr<RecordingPlatform> platform)
    {
        m_override.reset();
        m_platform = std::move(platform);
        m_override = std::make_unique<PlatformOverride>(*m_platform);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        install(std::make_unique<RecordingPlatform>(root()));
    }

    void cleanup()
    {
        m_override.reset();
        m_platform.reset();
        m_dir.reset();
    }

    void trimBlanks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("nothing to trim") << "Bible Gateway"
                                         << "Bible Gateway";
        QTest::newRow("blanks at both ends") << "   Bible Gateway  "
                                             << "Bible Gateway";
        QTest::newRow("inner blanks stay") << " Bible  on the Web "
                                           << "Bible  on the Web";
        QTest::newRow("tabs stay") << "\tCrosswalk\t "
                                   << "\tCrosswalk\t";
        QTest::newRow("line ends stay") << " a\r\n"
                                        << "a\r\n";
        QTest::newRow("no-break space stays") << QString::fromUtf8("\u00a0a ") << QString::fromUtf8("\u00a0a");
        QTest::newRow("blanks only") << "    "
                                     << "";
        QTest::newRow("empty") << ""
                               << "";
    }

    void trimBlanks()
    {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QCOMPARE(Q(TrimBlanks(text.toStdString())), trimmed);
    }

    // All 72 site buttons of the three shortcut windows run this one write.
    void everyWindowAndSite_data()
    {
        QTest::addColumn<ShortcutTarget>("target");
        QTest::addColumn<QString>("folderName");
        QTest::addColumn<QString>("shortcutName");
        QTest::addColumn<QString>("url");
        const std::pair<ShortcutTarget, const char *> targets[] = {
            {ShortcutTarget::Desktop, "Desktop"},
            {ShortcutTarget::StartMenu, "StartMenu"},
            {ShortcutTarget::Favorites, "Favorites"},
        };
        for (const auto &[target, folderName] : targets) {
            for (const SiteEntry &site : SiteCatalogue()) {
                const std::string name(site.shortcutName(target));
                QTest::addRow("%s/%s", folderName, std::string(site.key).c_str())
                    << target << folderName << Q(name) << Q(std::string(site.url));
            }
        }
    }

    void everyWindowAndSite()
    {
        QFETCH(ShortcutTarget, target);
        QFETCH(QString, folderName);
        QFETCH(QString, shortcutName);
        QFETCH(QString, url);

        ShortcutWriter writer;
        writer.WriteInternetShortcut(target, shortcutName.toStdString(), url.toStdString());

        QCOMPARE(m_platform->foldersAsked, std::vector<std::string> {folderName.toStdString()});
        const std::string folder = root() + "/" + folderName.toStdString();
        QCOMPARE(m_platform->writes.size(), std::size_t(1));
        QCOMPARE(Q(m_platform->writes[0].path), Q(folder + "\\" + shortcutName.toStdString() + ".url"));

        const std::string file = shortcutName.toStdString() + ".url";
        QCOMPARE(FolderEntries(folder), QStringList {Q(file)});
        const QByteArray bytes = ReadBytes(folder + "/" + file);
        QCOMPARE(bytes, ShortcutBytes(url.toStdString()));
        QCOMPARE(bytes.size(), 26 + url.toUtf8().size());
    }

    void blanksAreTrimmedFromTheFileNameAndTheUrlOnly_data()
    {
        QTest::addColumn<QString>("shortcutName");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("urlWritten");
        QTest::newRow("blanks at both ends") << "  Bible Gateway "
                                             << "   http://www.biblegateway.com/  "
                                             << "Bible Gateway.url"
                                             << "http://www.biblegateway.com/";
        QTest::newRow("inner blanks") << "Bible  on the Web"
                                      << "http://www.bibleontheweb.com/"
                                      << "Bible  on the Web.url"
                                      << "http://www.bibleontheweb.com/";
        QTest::newRow("tabs are not blanks") << "\tCrosswalk\t"
                                             << "http://www.crosswalk.com/\t"
                                             << "\tCrosswalk\t.url"
                                             << "http://www.crosswalk.com/\t";
        QTest::newRow("nothing changes case or slashes") << "eHarmony"
                                                         << "http://www.eharmony.com"
                                                         << "eHarmony.url"
                                                         << "http://www.eharmony.com";
    }

    void blanksAreTrimmedFromTheFileNameAndTheUrlOnly()
    {
        QFETCH(QString, shortcutName);
        QFETCH(QString, url);
        QFETCH(QString, file);
        QFETCH(QString, urlWritten);

        ShortcutWriter writer;
        writer.WriteInternetShortcut(ShortcutTarget::Favorites, shortcutName.toStdString(), url.toStdString());

        const std::string folder = root() + "/Favorites";
        QCOMPARE(FolderEntries(folder), QStringList {file});
        QCOMPARE(ReadBytes(folder + "/" + file.toStdString()), ShortcutBytes(urlWritten.toStdString()));
        // The values kept are the ones passed in; trimming happens where they are used.
        QCOMPARE(Q(writer.shortcutName()), shortcutName);
        QCOMPARE(Q(writer.url()), url);
    }

    // The folder is used exactly as the platform gives it, and the separator always goes in.
    void folderPathIsUsedAsGiven_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("path");
        QTest::newRow("empty") << ""
                               << "\\Amazing Bible.url";
        QTest::newRow("ending in a backslash") << "C:\\Links\\"
                                               << "C:\\Links\\\\Amazing Bible.url";
        QTest::newRow("blanks around it") << " C:\\Links "
                                          << " C:\\Links \\Amazing Bible.url";
    }

    void folderPathIsUsedAsGiven()
    {
        QFETCH(QString, folder);
        QFETCH(QString, path);
        install(std::make_unique<PathRecordingPlatform>(root()));
        m_platform->folders["Desktop"] = folder.toStdString();

        ShortcutWriter writer;
        writer.WriteInternetShortcut(ShortcutTarget::Desktop, "Amazing Bible", "http://www.amazingbible.org/");

        QCOMPARE(m_platform->writes.size(), std::size_t(1));
        QCOMPARE(Q(m_platform->writes[0].path), path);
        QCOMPARE(Q(writer.folderPath()), folder);
    }

    void folderEndingInABackslashStillReceivesTheFile()
    {
        const std::string folder = root() + "/Desktop";
        m_platform->folders["Desktop"] = folder + "\\";
        ShortcutWriter writer;
        writer.WriteInternetShortcut(ShortcutTarget::Desktop, "Crosswalk", "http://www.crosswalk.com/");
        QCOMPARE(Q(m_platform->writes[0].path), Q(folder + "\\\\Crosswalk.url"));
        QCOMPARE(ReadBytes(folder + "/Crosswalk.url"), ShortcutBytes("http://www.crosswalk.com/"));
    }

    void replacesAnExistingFileWhateverItHolds()
    {
        const std::string path = root() + "/StartMenu/Sermon Search.url";
        std::ofstream(path, std::ios::binary)
            << std::string(500, 'x') << "\r\n[InternetShortcut]\r\nURL=http://old/\r\n";
        ShortcutWriter writer;
        for (int click = 0; click < 2; ++click) {
            writer.WriteInternetShortcut(ShortcutTarget::StartMenu, "Sermon Search", "http://www.sermonsearch.com/");
            QCOMPARE(ReadBytes(path), ShortcutBytes("http://www.sermonsearch.com/"));
            QCOMPARE(FolderEntries(root() + "/StartMenu"), QStringList {"Sermon Search.url"});
        }
    }

    void christianCafeKeepsItsAccentInTheFileName()
    {
        ShortcutWriter writer;
        writer.WriteInternetShortcut(ShortcutTarget::Desktop, "Christian Caf\u00e9", "http://www.christiancafe.com");
        // The locale of these file names is UTF-8: é is the two bytes C3 A9.
        QCOMPARE(FolderEntries(root() + "/Desktop"), QStringList {QString::fromUtf8("Christian Caf\xC3\xA9.url")});
    }

    void busyPointerShowsOnlyWhileWriting()
    {
        ShortcutWriter writer;
        writer.WriteInternetShortcut(ShortcutTarget::Desktop, "Bible Gateway", "http://www.biblegateway.com/");
        QCOMPARE(m_platform->writes.size(), std::size_t(1));
        QVERIFY(m_platform->writes[0].busyDuringWrite);
        QCOMPARE(m_platform->ui().cursorChanges, (std::vector<bool> {true, false}));
        QVERIFY(!m_platform->ui().busy);
    }

    void workingStateHoldsTheLastWrite()
    {
        ShortcutWriter writer;
        QVERIFY(!writer.holdsShell());
        QVERIFY(writer.folderPath().empty());

        writer.WriteInternetShortcut(ShortcutTarget::Favorites, "Crosswalk", "http://www.crosswalk.com/");
        writer.WriteInternetShortcut(ShortcutTarget::Favorites, "Harvest Online", "http://www.harvest.org/");

        QCOMPARE(Q(writer.shortcutName()), QStringLiteral("Harvest Online"));
        QCOMPARE(Q(writer.url()), QStringLiteral("http://www.harvest.org/"));
        QCOMPARE(writer.folderPath(), m_platform->folders["Favorites"]);
        QVERIFY(writer.fileNumber() > 0);
        // The folder service is held for one write only.
        QVERIFY(!writer.holdsShell());
    }

    // A write that fails leaves the old file as it was and no temporary file beside it, and
    // puts the pointer back, before the failure goes on to the top-level handling.
    void failedWriteLeavesEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("number");
        QTest::newRow("missing folder") << "missing" << ENOENT;
        QTest::newRow("folder below a regular file") << "notdir" << ENOTDIR;
        QTest::newRow("read-only target") << "readonly" << EACCES;
    }

    void failedWriteLeavesEverythingAsItWas()
    {
        QFETCH(QString, setup);
        QFETCH(int, number);

        std::string folder = root() + "/Favorites";
        const std::string old = "[InternetShortcut]\r\nURL=http://old.example/\r\n";
        if (setup == "missing") {
            folder = root() + "/missing";
        } else if (setup == "notdir") {
            std::ofstream(root() + "/plain") << "a file";
            folder = root() + "/plain/Favorites";
        } else {
            const std::string path = folder + "/Koinonia House.url";
            std::ofstream(path, std::ios::binary) << old;
            QCOMPARE(chmod(path.c_str(), 0444), 0);
        }
        m_platform->folders["Favorites"] = folder;
        const QStringList rootBefore = FolderEntries(root());

        ShortcutWriter writer;
        int thrown = 0;
        try {
            writer.WriteInternetShortcut(ShortcutTarget::Favorites, "Koinonia House", "http://www.khouse.org/");
        } catch (const AppFailure &failure) {
            thrown = failure.number();
        }
        QCOMPARE(thrown, number);

        if (setup == "readonly") {
            QCOMPARE(FolderEntries(folder), QStringList {"Koinonia House.url"});
            QCOMPARE(ReadBytes(folder + "/Koinonia House.url"), QByteArray::fromStdString(old));
        } else {
            QVERIFY(!std::filesystem::exists(folder));
        }
        QCOMPARE(FolderEntries(root()), rootBefore);
        QCOMPARE(m_platform->ui().cursorChanges, (std::vector<bool> {true, false}));
        QVERIFY(!writer.holdsShell());
        QCOMPARE(Q(writer.shortcutName()), QStringLiteral("Koinonia House"));
    }
};

QTEST_GUILESS_MAIN(TestInternetShortcut)
#include "test_internet_shortcut.moc"
