// The start-page write: key creation, the stored type and bytes, and what each failure of
// the registry gives back. The store is the real one, in a temporary folder.

#include "homepage/StartPage.h"
#include "support/RecordingPlatform.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <memory>

using namespace vellory;
using namespace vellory::test;

namespace {

const std::string kMainKey = "Software\\Microsoft\\Internet Explorer\\Main";

// Sees every key that is closed, and can make the value write throw or the close fail.
class ProbePlatform : public RecordingPlatform {
public:
    using RecordingPlatform::RecordingPlatform;

    long RegSetValueEx(RegKey key, const std::string &valueName, std::uint32_t type, const std::uint8_t *data,
        std::uint32_t byteCount) override
    {
        if (throwOnSet)
            throw AppFailure(kErrorRegistryIo, "The store went away");
        return RecordingPlatform::RegSetValueEx(key, valueName, type, data, byteCount);
    }

    long RegCloseKey(RegKey key) override
    {
        ++closes;
        const long status = RecordingPlatform::RegCloseKey(key);
        return closeStatus != 0 ? closeStatus : status;
    }

    bool throwOnSet = false;
    long closeStatus = 0;
    int closes = 0;
};

bool KeyExists(DesktopPlatform &platform, RegKey root, const std::string &path)
{
    RegKey key = 0;
    if (platform.RegOpenKeyEx(root, path, 0, kKeyRead, &key) != kErrorSuccess)
        return false;
    platform.RegCloseKey(key);
    return true;
}

void StoreValue(DesktopPlatform &platform, const std::string &path, std::uint32_t type, const std::string &bytes)
{
    RegKey key = 0;
    QCOMPARE(platform.RegCreateKey(HKEY_CURRENT_USER_ROOT, path, &key), kErrorSuccess);
    QCOMPARE(platform.RegSetValueEx(key, kStartPageValue, type, reinterpret_cast<const std::uint8_t *>(bytes.data()),
                 std::uint32_t(bytes.size())),
        kErrorSuccess);
    QCOMPARE(platform.RegCloseKey(key), kErrorSuccess);
}

StoredValue StartPage(DesktopPlatform &platform)
{
    return ReadStoredValue(platform, HKEY_CURRENT_USER_ROOT, kMainKey, kStartPageValue);
}

}  // namespace

class TestStartPage : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ProbePlatform> m_platform;
    std::unique_ptr<PlatformOverride> m_override;

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_platform = std::make_unique<ProbePlatform>(m_dir->path().toStdString());
        m_override = std::make_unique<PlatformOverride>(*m_platform);
    }

    void cleanup()
    {
        m_override.reset();
        m_platform.reset();
        m_dir.reset();
    }

    void missingKeysAreCreatedWithTheirParents_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::newRow("empty store") << QString();
        QTest::newRow("Software only") << "Software";
        QTest::newRow("up to Microsoft") << "Software\\Microsoft";
        QTest::newRow("the key itself, without values") << QString::fromStdString(kMainKey);
    }

    void missingKeysAreCreatedWithTheirParents()
    {
        QFETCH(QString, existing);
        if (!existing.isEmpty()) {
            RegKey key = 0;
            QCOMPARE(m_platform->RegCreateKey(HKEY_CURRENT_USER_ROOT, existing.toStdString(), &key), kErrorSuccess);
            m_platform->RegCloseKey(key);
        }

        QVERIFY(SetIEHomePage("http://www.biblegateway.com/"));

        for (const char *path : {"Software", "Software\\Microsoft", "Software\\Microsoft\\Internet Explorer",
                 "Software\\Microsoft\\Internet Explorer\\Main"})
            QVERIFY2(KeyExists(*m_platform, HKEY_CURRENT_USER_ROOT, path), path);
        const StoredValue value = StartPage(*m_platform);
        QVERIFY(value.found);
        QCOMPARE(value.type, kRegSz);
        QCOMPARE(value.data, std::string("http://www.biblegateway.com/"));
        // The current user's hive only.
        QVERIFY(!KeyExists(*m_platform, HKEY_LOCAL_MACHINE_ROOT, "Software"));
    }

    void anExistingValueIsReplacedWhateverItsType_data()
    {
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("REG_DWORD") << uint(kRegDword) << QByteArray("\x01\x00\x00\x00", 4);
        QTest::newRow("REG_BINARY") << uint(kRegBinary) << QByteArray("\xff\x00\xfe", 3);
        QTest::newRow("longer REG_SZ") << uint(kRegSz)
                                       << QByteArray("http://www.example.org/a/much/longer/start/page/");
        QTest::newRow("REG_SZ with terminator") << uint(kRegSz) << QByteArray("about:blank", 12);
    }

    void anExistingValueIsReplacedWhateverItsType()
    {
        QFETCH(uint, type);
        QFETCH(QByteArray, bytes);
        StoreValue(*m_platform, kMainKey, type, bytes.toStdString());

        QVERIFY(SetIEHomePage("http://www.eharmony.com"));

        const StoredValue value = StartPage(*m_platform);
        QCOMPARE(value.type, kRegSz);
        QCOMPARE(value.data, std::string("http://www.eharmony.com"));
    }

    void theStoredBytesAreTheUrlWithoutTerminator_data()
    {
        QTest::addColumn<QString>("url");
        QTest::newRow("28 characters") << "http://www.crosswalk.com/xyz";
        QTest::newRow("no trailing slash: Christian Caf\u00e9") << "http://www.christiancafe.com";
        QTest::newRow("no trailing slash: eHarmony") << "http://www.eharmony.com";
        QTest::newRow("no trailing slash: Online Scripture") << "http://www.onlinescripture.com";
        QTest::newRow("trailing slash kept") << "http://www.blueletterbible.org/";
        QTest::newRow("deep path") << "http://bible.crosswalk.com/Dictionaries/EastonsBibleDictionary/";
    }

    void theStoredBytesAreTheUrlWithoutTerminator()
    {
        QFETCH(QString, url);
        QVERIFY(SetIEHomePage(url.toStdString()));
        const StoredValue value = StartPage(*m_platform);
        QCOMPARE(value.data.size(), size_t(url.size()));
        QCOMPARE(QString::fromStdString(value.data), url);
    }

    void theLastWriteWins()
    {
        QVERIFY(SetIEHomePage("http://www.biblegateway.com/"));
        QVERIFY(SetIEHomePage("http://www.khouse.org/"));
        QCOMPARE(StartPage(*m_platform).data, std::string("http://www.khouse.org/"));
        QVERIFY(SetIEHomePage("http://www.khouse.org/"));
        QCOMPARE(StartPage(*m_platform).data, std::string("http://www.khouse.org/"));
    }

    void failuresGiveFalseAndLeaveNoValue_data()
    {
        QTest::addColumn<long>("createStatus");
        QTest::addColumn<long>("setStatus");
        QTest::addColumn<bool>("setThrows");
        QTest::addColumn<bool>("storeIsGarbage");
        QTest::addColumn<int>("setCalls");
        QTest::addColumn<int>("closes");

        // clang-format off
        QTest::newRow("key access denied")         << kErrorAccessDenied << 0L                 << false << false << 0 << 0;
        QTest::newRow("store is no database")      << 0L                 << 0L                 << false << true  << 0 << 0;
        QTest::newRow("value write refused")       << 0L                 << kErrorAccessDenied << false << false << 1 << 1;
        QTest::newRow("value write throws")        << 0L                 << 0L                 << true  << false << 0 << 1;
        // clang-format on
    }

    void failuresGiveFalseAndLeaveNoValue()
    {
        QFETCH(long, createStatus);
        QFETCH(long, setStatus);
        QFETCH(bool, setThrows);
        QFETCH(bool, storeIsGarbage);
        QFETCH(int, setCalls);
        QFETCH(int, closes);

        const QByteArray garbage("this is not a database, and it stays as it is\n");
        if (storeIsGarbage) {
            QFile store(QString::fromStdString(m_platform->registryPath));
            QVERIFY(store.open(QIODevice::WriteOnly));
            store.write(garbage);
        }
        m_platform->createKeyStatus = createStatus;
        m_platform->setValueStatus = setStatus;
        m_platform->throwOnSet = setThrows;

        QVERIFY(!SetIEHomePage("http://www.biblegateway.com/"));

        QCOMPARE(m_platform->setValueCalls, setCalls);
        // An opened key is released again; a key that never opened is not closed.
        QCOMPARE(m_platform->closes, closes);
        m_platform->createKeyStatus = 0;
        if (storeIsGarbage) {
            QFile store(QString::fromStdString(m_platform->registryPath));
            QVERIFY(store.open(QIODevice::ReadOnly));
            QCOMPARE(store.readAll(), garbage);
        } else {
            QVERIFY(!StartPage(*m_platform).found);
        }
        if (createStatus != 0)
            QVERIFY(!KeyExists(*m_platform, HKEY_CURRENT_USER_ROOT, "Software"));
    }

    void aKeyThatDoesNotCloseGivesFalse()
    {
        m_platform->closeStatus = kErrorInvalidHandle;
        QVERIFY(!SetIEHomePage("http://www.biblegateway.com/"));
        QCOMPARE(m_platform->closes, 1);
    }

    void anyRootPathAndNameCanBeWritten()
    {
        QVERIFY(SetRegistryString(HKEY_LOCAL_MACHINE_ROOT, "Software\\Vellory\\Check", "Some Value", "text"));
        const StoredValue value
            = ReadStoredValue(*m_platform, HKEY_LOCAL_MACHINE_ROOT, "Software\\Vellory\\Check", "Some Value");
        QCOMPARE(value.type, kRegSz);
        QCOMPARE(value.data, std::string("text"));
        QVERIFY(!KeyExists(*m_platform, HKEY_CURRENT_USER_ROOT, "Software\\Vellory"));
    }
};

QTEST_APPLESS_MAIN(TestStartPage)
#include "test_start_page.moc"
