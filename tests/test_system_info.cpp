// The system information launcher and its registry reader, over a real store in a
// temporary folder.

#include "app/SystemInfo.h"
#include "support/RecordingPlatform.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <memory>
#include <set>

using namespace vellory;
using namespace vellory::test;

namespace {

// Like an ordinary user's view of the machine-wide keys: they can be read, but asking for
// the right to change them is refused. It also keeps count of the keys left open.
class KeyTrackingPlatform : public RecordingPlatform {
public:
    using RecordingPlatform::RecordingPlatform;

    static constexpr std::uint32_t kWriteRights = 0x0002 | 0x0004 | 0x0020;  // set value, create key, create link

    long RegOpenKeyEx(
        RegKey root, const std::string &subKey, std::uint32_t options, std::uint32_t access, RegKey *result) override
    {
        keysAsked.push_back(subKey);
        if (root == HKEY_LOCAL_MACHINE_ROOT && (access & kWriteRights))
            return kErrorAccessDenied;
        const long status = RecordingPlatform::RegOpenKeyEx(root, subKey, options, access, result);
        if (status == kErrorSuccess) {
            openKeys.insert(*result);
            lastOpened = *result;
        }
        return status;
    }

    long RegCloseKey(RegKey key) override
    {
        openKeys.erase(key);
        return RecordingPlatform::RegCloseKey(key);
    }

    std::vector<std::string> keysAsked;
    std::set<RegKey> openKeys;
    RegKey lastOpened = 0;
};

constexpr int kAbsent = -1;  // no such value
constexpr int kNoKey = -2;   // not even its key

std::string Text(const QString &text)
{
    return text.toStdString();
}

// Stores a value under HKEY_LOCAL_MACHINE as the setup program of the tool would.
void StoreMachineValue(DesktopPlatform &platform, const std::string &path, const std::string &name, std::uint32_t type,
    const QByteArray &data)
{
    RegKey key = 0;
    QCOMPARE(platform.RegCreateKey(HKEY_LOCAL_MACHINE_ROOT, path, &key), kErrorSuccess);
    QCOMPARE(platform.RegSetValueEx(
                 key, name, type, reinterpret_cast<const std::uint8_t *>(data.constData()), std::uint32_t(data.size())),
        kErrorSuccess);
    QCOMPARE(platform.RegCloseKey(key), kErrorSuccess);
}

void WriteScript(const QString &path, const QByteArray &body)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body);
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

const std::pair<std::string, std::string> kUnavailableBox {
    "Vellory Christian Edition", "System Information Is Unavailable At This Time"};

}  // namespace

class TestSystemInfo : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<KeyTrackingPlatform> m_platform;
    std::unique_ptr<PlatformOverride> m_override;

    // The folder that the second value may name; "%F" in the tables.
    QString toolFolder() const { return m_dir->path() + "/tools"; }
    // The same folder written the Windows way; "%W" in the tables.
    QString toolFolderBackslashed() const { return QString(toolFolder()).replace('/', '\\'); }

    QString expand(QString text) const
    {
        return text.replace("%F", toolFolder()).replace("%W", toolFolderBackslashed());
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QVERIFY(QDir().mkpath(toolFolder()));
        m_platform = std::make_unique<KeyTrackingPlatform>(Text(m_dir->path()));
        m_override = std::make_unique<PlatformOverride>(*m_platform);
    }

    void cleanup()
    {
        m_override.reset();
        m_platform.reset();
        m_dir.reset();
    }

    void getKeyValue_data()
    {
        QTest::addColumn<int>("type");  // or kAbsent, kNoKey
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("textBefore");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QByteArray>("text");

        const QByteArray full(1024, 'x');
        const QByteArray keep("keep");
        // clang-format off
        QTest::newRow("string with terminator")     << 1 << QByteArray("abc", 4)          << QByteArray() << true << QByteArray("abc");
        QTest::newRow("string without terminator")  << 1 << QByteArray("abc")             << QByteArray() << true << QByteArray("abc");
        QTest::newRow("only the last zero dropped") << 1 << QByteArray("abc\0\0", 5)      << QByteArray() << true << QByteArray("abc\0", 4);
        QTest::newRow("empty data")                 << 1 << QByteArray()                  << keep         << true << QByteArray();
        QTest::newRow("only a terminator")          << 1 << QByteArray("", 1)             << keep         << true << QByteArray();
        QTest::newRow("number 0x105")               << 4 << QByteArray("\x05\x01\0\0", 4) << QByteArray() << true << QByteArray("&h00000105");
        QTest::newRow("number in upper case")       << 4 << QByteArray("\xEF\xBE\xAD\x0B", 4) << QByteArray() << true << QByteArray("&h0BADBEEF");
        QTest::newRow("binary keeps the text")      << 3 << QByteArray("C:\\x.exe")       << keep         << true << keep;
        QTest::newRow("expandable string keeps it") << 2 << QByteArray("%WINDIR%", 9)     << keep         << true << keep;
        QTest::newRow("1024 bytes fill the buffer") << 1 << full                          << QByteArray() << true << full;
        QTest::newRow("1024 bytes with terminator") << 1 << full.left(1023) + QByteArray(1, '\0') << QByteArray() << true << full.left(1023);
        QTest::newRow("1025 bytes count as missing") << 1 << full + "x"                   << keep         << false << QByteArray();
        QTest::newRow("value missing")              << kAbsent << QByteArray()            << keep         << false << QByteArray();
        QTest::newRow("key missing")                << kNoKey << QByteArray()                 << keep         << false << QByteArray();
        // clang-format on
    }

    void getKeyValue()
    {
        QFETCH(int, type);
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, textBefore);
        QFETCH(bool, read);
        QFETCH(QByteArray, text);

        const std::string path = "SOFTWARE\\Vellory Test";
        if (type >= 0)
            StoreMachineValue(*m_platform, path, "Value", std::uint32_t(type), data);
        else if (type == kAbsent)
            StoreMachineValue(*m_platform, path, "Other", kRegSz, "other");

        std::string valueText = textBefore.toStdString();
        QCOMPARE(GetKeyValue(HKEY_LOCAL_MACHINE_ROOT, path, "Value", valueText), read);
        QCOMPARE(QByteArray::fromStdString(valueText), text);

        // Every key it opened is closed again: the handle is no longer known to the store.
        QVERIFY(m_platform->openKeys.empty());
        if (type != kNoKey) {
            QVERIFY(m_platform->lastOpened != 0);
            QCOMPARE(m_platform->RegCloseKey(m_platform->lastOpened), kErrorInvalidHandle);
        }
    }

    void launcher_data()
    {
        QTest::addColumn<bool>("storeUnreadable");
        QTest::addColumn<int>("firstType");  // kAbsent: no first value
        QTest::addColumn<QByteArray>("firstData");
        QTest::addColumn<int>("secondType");
        QTest::addColumn<QString>("secondData");   // %F, %W: the tool folder
        QTest::addColumn<QString>("folderHolds");  // what MSINFO32.EXE is there: "file", "folder" or nothing
        QTest::addColumn<QString>("launch");       // "recorded", "fails" or "real" (the Linux backend decides)
        QTest::addColumn<QStringList>("started");  // every command line handed to RunProgram
        QTest::addColumn<bool>("message");
        QTest::addColumn<int>("lookups");

        const QByteArray tool("C:\\Tools\\sysinfo.exe /all");
        const QByteArray full(1024, 'b');
        const QString exe = QStringLiteral("%F\\MSINFO32.EXE");
        const QStringList none;
        // clang-format off
        QTest::newRow("first names a program")            << false << 1 << tool + '\0' << 1 << "%F"  << "file"   << "recorded" << QStringList{QString::fromUtf8(tool)} << false << 1;
        QTest::newRow("first without terminator")         << false << 1 << tool        << 1 << "%F"  << "file"   << "recorded" << QStringList{QString::fromUtf8(tool)} << false << 1;
        QTest::newRow("first exactly fills the buffer")   << false << 1 << full        << kAbsent << "" << ""    << "recorded" << QStringList{QString::fromUtf8(full)} << false << 1;
        QTest::newRow("first missing, folder has tool")   << false << kAbsent << QByteArray() << 1 << "%F" << "file" << "recorded" << QStringList{exe} << false << 2;
        QTest::newRow("folder written with backslashes")  << false << kAbsent << QByteArray() << 1 << "%W" << "file" << "recorded" << QStringList{"%W\\MSINFO32.EXE"} << false << 2;
        QTest::newRow("first too long, folder has tool")  << false << 1 << full + "b"  << 1 << "%F"  << "file"   << "recorded" << QStringList{exe} << false << 2;
        QTest::newRow("folder without the tool")          << false << kAbsent << QByteArray() << 1 << "%F" << ""  << "recorded" << none << true << 2;
        QTest::newRow("MSINFO32.EXE is a folder")         << false << kAbsent << QByteArray() << 1 << "%F" << "folder" << "recorded" << none << true << 2;
        QTest::newRow("second is a number")               << false << kAbsent << QByteArray() << 4 << "\x05\x01" << "" << "recorded" << none << true << 2;
        QTest::newRow("neither present")                  << false << kAbsent << QByteArray() << kAbsent << "" << "" << "recorded" << none << true << 2;
        QTest::newRow("store is not a database")          << true  << kAbsent << QByteArray() << kAbsent << "" << "" << "recorded" << none << true << 2;
        QTest::newRow("first empty")                      << false << 1 << QByteArray() << 1 << "%F" << "file"   << "real"     << QStringList{""} << true << 1;
        QTest::newRow("first is a number")                << false << 4 << QByteArray("\x05\x01\0\0", 4) << 1 << "%F" << "file" << "real" << QStringList{"&h00000105"} << true << 1;
        QTest::newRow("first is binary")                  << false << 3 << tool        << 1 << "%F"  << "file"   << "real"     << QStringList{""} << true << 1;
        QTest::newRow("first cannot be started")          << false << 1 << tool        << 1 << "%F"  << "file"   << "fails"    << QStringList{QString::fromUtf8(tool)} << true << 1;
        QTest::newRow("tool in the folder cannot start")  << false << kAbsent << QByteArray() << 1 << "%F" << "file" << "fails" << QStringList{exe} << true << 2;
        // clang-format on
    }

    void launcher()
    {
        QFETCH(bool, storeUnreadable);
        QFETCH(int, firstType);
        QFETCH(QByteArray, firstData);
        QFETCH(int, secondType);
        QFETCH(QString, secondData);
        QFETCH(QString, folderHolds);
        QFETCH(QString, launch);
        QFETCH(QStringList, started);
        QFETCH(bool, message);
        QFETCH(int, lookups);

        if (firstType != kAbsent)
            StoreMachineValue(*m_platform, kSysInfoPathKey, kSysInfoPathValue, std::uint32_t(firstType), firstData);
        if (secondType != kAbsent)
            StoreMachineValue(*m_platform, kSysInfoFolderKey, kSysInfoFolderValue, std::uint32_t(secondType),
                expand(secondData).toUtf8());
        if (storeUnreadable) {
            QFile store(QString::fromStdString(m_platform->registryPath));
            QVERIFY(store.open(QIODevice::WriteOnly));
            store.write(QByteArray(4096, 'J'));
        }
        const QString program = toolFolder() + "/MSINFO32.EXE";
        if (folderHolds == "file")
            WriteScript(program, "exit 0\n");
        else if (folderHolds == "folder")
            QVERIFY(QDir().mkpath(program));
        if (launch == "fails")
            m_platform->runProgramErrno = ENOENT;
        m_platform->runProgramsForReal = launch == "real";

        StartSysInfo();

        QStringList expected;
        for (const QString &commandLine : started)
            expected << expand(commandLine);
        QStringList actual;
        for (const std::string &commandLine : m_platform->programsStarted)
            actual << QString::fromStdString(commandLine);
        QCOMPARE(actual, expected);
        const auto &boxes = m_platform->ui().messageBoxes;
        QCOMPARE(boxes.size(), std::size_t(message ? 1 : 0));
        if (message) {
            QCOMPARE(boxes.front().first, kUnavailableBox.first);
            QCOMPARE(boxes.front().second, kUnavailableBox.second);
        }
        QCOMPARE(int(m_platform->keysAsked.size()), lookups);
        QVERIFY(m_platform->openKeys.empty());
    }

    void realProgramStarts_data()
    {
        QTest::addColumn<bool>("fromFirstValue");
        QTest::addColumn<QByteArray>("markerText");
        QTest::newRow("command line of the first value") << true << QByteArray("hello world\n");
        QTest::newRow("MSINFO32.EXE of the second") << false << QByteArray("started\n");
    }

    void realProgramStarts()
    {
        QFETCH(bool, fromFirstValue);
        QFETCH(QByteArray, markerText);

        const QString marker = m_dir->path() + "/marker";
        if (fromFirstValue) {
            const QString script = m_dir->path() + "/tool.sh";
            WriteScript(script, "echo \"$@\" > '" + marker.toUtf8() + "'\n");
            StoreMachineValue(
                *m_platform, kSysInfoPathKey, kSysInfoPathValue, kRegSz, script.toUtf8() + " hello world" + '\0');
        } else {
            WriteScript(toolFolder() + "/MSINFO32.EXE", "echo started > '" + marker.toUtf8() + "'\n");
            StoreMachineValue(
                *m_platform, kSysInfoFolderKey, kSysInfoFolderValue, kRegSz, toolFolderBackslashed().toUtf8());
        }
        m_platform->runProgramsForReal = true;

        StartSysInfo();

        QVERIFY(m_platform->ui().messageBoxes.empty());
        // The launcher does not wait for the tool; the tool leaves its mark when it runs.
        QFile file(marker);
        QTRY_VERIFY_WITH_TIMEOUT(file.exists() && file.size() == markerText.size(), 10000);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), markerText);
    }
};

QTEST_GUILESS_MAIN(TestSystemInfo)
#include "test_system_info.moc"
