// The wallpaper setter: the fixed paths, the exact system call, and that the program never
// goes near the picture files themselves.

#include "background/Wallpapers.h"
#include "support/RecordingPlatform.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace vellory;
using namespace vellory::test;

namespace {

struct WallpaperCall {
    std::uint32_t action;
    std::uint32_t uiParam;
    std::string path;
    std::uint32_t winIni;
};

// Records the wallpaper calls and any look at a file, then lets the Linux backend record the
// wallpaper in the store as it would for the real program.
class WallpaperRecorder : public RecordingPlatform {
public:
    using RecordingPlatform::RecordingPlatform;

    bool SystemParametersInfo(
        std::uint32_t action, std::uint32_t uiParam, const std::string &pvParam, std::uint32_t winIni) override
    {
        calls.push_back({action, uiParam, pvParam, winIni});
        return RecordingPlatform::SystemParametersInfo(action, uiParam, pvParam, winIni);
    }

    bool FileExists(const std::string &path) override
    {
        filesTested.push_back(path);
        return RecordingPlatform::FileExists(path);
    }

    std::vector<WallpaperCall> calls;
    std::vector<std::string> filesTested;
};

QStringList Contents(const QString &folder)
{
    QStringList found;
    QDir dir(folder);
    for (const QFileInfo &entry : dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        found << entry.fileName();
        if (entry.isDir())
            for (const QString &inner : Contents(entry.filePath()))
                found << entry.fileName() + "/" + inner;
    }
    found.sort();
    return found;
}

}  // namespace

class TestWallpapers : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<WallpaperRecorder> m_platform;
    std::unique_ptr<PlatformOverride> m_override;
    QString m_startDir;

private slots:
    void initTestCase() { m_startDir = QDir::currentPath(); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_platform = std::make_unique<WallpaperRecorder>(m_dir->path().toStdString());
        m_override = std::make_unique<PlatformOverride>(*m_platform);
    }

    void cleanup()
    {
        QDir::setCurrent(m_startDir);
        m_override.reset();
        m_platform.reset();
        m_dir.reset();
    }

    void thePathOfEachPicture_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("path");
        // clang-format off
        const char *const kPaths[][2] = {
            {"Abraham",      "C:\\share\\Vellory\\Christian\\backgrounds\\Abraham.bmp"},
            {"Armor",        "C:\\share\\Vellory\\Christian\\backgrounds\\Armor.bmp"},
            {"Attitude",     "C:\\share\\Vellory\\Christian\\backgrounds\\Attitude.bmp"},
            {"BannerOverMe", "C:\\share\\Vellory\\Christian\\backgrounds\\BannerOverMe.bmp"},
            {"Beginning",    "C:\\share\\Vellory\\Christian\\backgrounds\\Beginning.bmp"},
            {"Calvary",      "C:\\share\\Vellory\\Christian\\backgrounds\\Calvary.bmp"},
            {"Christian",    "C:\\share\\Vellory\\Christian\\backgrounds\\Christian.bmp"},
            {"Daniel",       "C:\\share\\Vellory\\Christian\\backgrounds\\Daniel.bmp"},
            {"Easter1",      "C:\\share\\Vellory\\Christian\\backgrounds\\Easter1.bmp"},
            {"Easter",       "C:\\share\\Vellory\\Christian\\backgrounds\\Easter.bmp"},
            {"Fishers",      "C:\\share\\Vellory\\Christian\\backgrounds\\Fishers.bmp"},
            {"Flags",        "C:\\share\\Vellory\\Christian\\backgrounds\\Flags.bmp"},
            {"Freedom",      "C:\\share\\Vellory\\Christian\\backgrounds\\Freedom.bmp"},
            {"GotJesus",     "C:\\share\\Vellory\\Christian\\backgrounds\\GotJesus.bmp"},
            {"Hammer",       "C:\\share\\Vellory\\Christian\\backgrounds\\Hammer.bmp"},
            {"Heavens",      "C:\\share\\Vellory\\Christian\\backgrounds\\Heavens.bmp"},
            {"Knowledge",    "C:\\share\\Vellory\\Christian\\backgrounds\\Knowledge.bmp"},
            {"Nativity",     "C:\\share\\Vellory\\Christian\\backgrounds\\Nativity.bmp"},
            {"NOTW",         "C:\\share\\Vellory\\Christian\\backgrounds\\NOTW.bmp"},
            {"Restart",      "C:\\share\\Vellory\\Christian\\backgrounds\\Restart.bmp"},
            {"Sky",          "C:\\share\\Vellory\\Christian\\backgrounds\\Sky.bmp"},
            {"Stars",        "C:\\share\\Vellory\\Christian\\backgrounds\\Stars.bmp"},
            {"Waters",       "C:\\share\\Vellory\\Christian\\backgrounds\\Waters.bmp"},
            {"World",        "C:\\share\\Vellory\\Christian\\backgrounds\\World.bmp"},
        };
        // clang-format on
        for (const auto &[key, path] : kPaths)
            QTest::newRow(key) << key << path;
    }

    void thePathOfEachPicture()
    {
        QFETCH(QString, key);
        QFETCH(QString, path);
        QCOMPARE(QString::fromStdString(WallpaperPath(key.toStdString())), path);
    }

    void settingHandsThePathToTheSystemOnce_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("path");
        QTest::newRow("Easter 1") << "Easter1"
                                  << "C:\\share\\Vellory\\Christian\\backgrounds\\Easter1.bmp";
        QTest::newRow("Got Jesus") << "GotJesus"
                                   << "C:\\share\\Vellory\\Christian\\backgrounds\\GotJesus.bmp";
        QTest::newRow("Banner Over Me") << "BannerOverMe"
                                        << "C:\\share\\Vellory\\Christian\\backgrounds\\BannerOverMe.bmp";
    }

    void settingHandsThePathToTheSystemOnce()
    {
        QFETCH(QString, key);
        QFETCH(QString, path);
        SetWallpaper(key.toStdString());
        QCOMPARE(m_platform->calls.size(), size_t(1));
        const WallpaperCall &call = m_platform->calls[0];
        QCOMPARE(call.action, 20u);  // SPI_SETDESKWALLPAPER
        QCOMPARE(call.uiParam, 0u);
        QCOMPARE(QString::fromStdString(call.path), path);
        QCOMPARE(call.winIni, 1u);  // SPIF_UPDATEINIFILE alone: no change broadcast
        const StoredValue stored
            = ReadStoredValue(*m_platform, HKEY_CURRENT_USER_ROOT, "Control Panel\\Desktop", "Wallpaper");
        QCOMPARE(stored.type, kRegSz);
        QCOMPARE(QString::fromStdString(stored.data), path);
    }

    void thePathIsTheSameWhereverTheProgramRuns()
    {
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", elsewhere.path().toUtf8());
        SetWallpaper("World");
        qputenv("HOME", home);
        QVERIFY(QDir::setCurrent(m_dir->path()));
        SetWallpaper("World");
        QCOMPARE(m_platform->calls.size(), size_t(2));
        QCOMPARE(m_platform->calls[0].path, std::string("C:\\share\\Vellory\\Christian\\backgrounds\\World.bmp"));
        QCOMPARE(m_platform->calls[1].path, m_platform->calls[0].path);
    }

    void withTheFolderMissingTheCallIsStillMadeAndNothingIsTouched()
    {
        // There is no such folder here; the program neither looks for it nor makes it.
        QTemporaryDir current;
        QVERIFY(QDir::setCurrent(current.path()));
        const QStringList before = Contents(m_dir->path());
        for (const Wallpaper &wallpaper : Wallpapers())
            SetWallpaper(wallpaper.key);
        QCOMPARE(m_platform->calls.size(), size_t(24));
        QVERIFY(m_platform->filesTested.empty());
        QVERIFY(m_platform->ui().messageBoxes.empty());
        QVERIFY(m_platform->programsStarted.empty());
        QVERIFY(m_platform->documentsOpened.empty());
        QVERIFY(m_platform->writes.empty());
        QCOMPARE(Contents(current.path()), QStringList());
        // The store records the setting; nothing else appears.
        QStringList after = Contents(m_dir->path());
        after.removeIf([](const QString &name) { return name.startsWith("registry.sqlite3"); });
        QStringList expected = before;
        expected.removeIf([](const QString &name) { return name.startsWith("registry.sqlite3"); });
        QCOMPARE(after, expected);
    }
};

QTEST_APPLESS_MAIN(TestWallpapers)
#include "test_wallpapers.moc"
