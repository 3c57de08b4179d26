// The SQLite registry store: layout of the database, Windows status numbers, and the care
// it takes of the file it lives in.

#include "platform/linux/RegistryStore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>

#include <memory>
#include <random>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vellory;

Q_DECLARE_METATYPE(std::string)

namespace {

// What a tool sees when it reads the store on its own.
class RawDatabase {
public:
    explicit RawDatabase(const QString &path)
    {
        sqlite3_open_v2(path.toUtf8().constData(), &m_db, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_busy_timeout(m_db, 5000);
    }
    ~RawDatabase() { sqlite3_close(m_db); }

    // Each row as its columns joined with "|"; blobs as hex.
    QStringList rows(const char *sql)
    {
        QStringList result;
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql, -1, &stmt, nullptr) != SQLITE_OK)
            return {QStringLiteral("error: ") + QString::fromUtf8(sqlite3_errmsg(m_db))};
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            QStringList columns;
            for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
                if (sqlite3_column_type(stmt, i) == SQLITE_BLOB) {
                    const auto *bytes = static_cast<const char *>(sqlite3_column_blob(stmt, i));
                    columns << QString::fromLatin1(QByteArray(bytes, sqlite3_column_bytes(stmt, i)).toHex());
                } else {
                    columns << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, i)));
                }
            }
            result << columns.join(QLatin1Char('|'));
        }
        sqlite3_finalize(stmt);
        return result;
    }
    QString scalar(const char *sql) { return rows(sql).value(0); }
    int exec(const char *sql) { return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr); }

private:
    sqlite3 *m_db = nullptr;
};

const std::uint8_t *Bytes(const QByteArray &data)
{
    return reinterpret_cast<const std::uint8_t *>(data.constData());
}

QByteArray Query(RegistryStore &store, RegKey key, const std::string &name, std::uint32_t *type, long *status)
{
    std::uint32_t size = 0;
    *status = store.QueryValue(key, name, type, nullptr, &size);
    if (*status != kErrorSuccess)
        return {};
    QByteArray data(static_cast<int>(size), '\0');
    *status = store.QueryValue(key, name, type, reinterpret_cast<std::uint8_t *>(data.data()), &size);
    data.truncate(static_cast<int>(size));
    return data;
}

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

}  // namespace

class TestRegistryStore : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaultPath_data();
    void defaultPath();
    void readsNeverCreateTheStore();
    void firstWriteCreatesPrivateFile();
    void storeCreatedLaterIsFound();
    void createMakesMissingParents_data();
    void createMakesMissingParents();
    void openAndCreateRelativeToHandle();
    void namesIgnoreCase();
    void valueRoundTrip_data();
    void valueRoundTrip();
    void setReplacesValueOfOtherType();
    void missingKeysAndValues();
    void badHandles_data();
    void badHandles();
    void closingRootsSucceeds();
    void twoProcessesWriteAtOnce();
    void damagedStoreIsLeftAlone_data();
    void damagedStoreIsLeftAlone();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_storePath;
    std::unique_ptr<RegistryStore> m_store;
    QByteArray m_savedHome;
    QByteArray m_savedConfigHome;
};

void TestRegistryStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_storePath = m_dir->filePath(QStringLiteral("config/vellory/registry.sqlite3"));
    m_store = std::make_unique<RegistryStore>(m_storePath.toStdString());
    m_savedHome = qgetenv("HOME");
    m_savedConfigHome = qgetenv("XDG_CONFIG_HOME");
}

void TestRegistryStore::cleanup()
{
    m_store.reset();
    m_dir.reset();
    qputenv("HOME", m_savedHome);
    if (m_savedConfigHome.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", m_savedConfigHome);
}

void TestRegistryStore::defaultPath_data()
{
    QTest::addColumn<QByteArray>("configHome");  // null: not set
    QTest::addColumn<QString>("expected");       // @HOME@ and @ROOT@ stand for the folders

    QTest::newRow("not set") << QByteArray() << "@HOME@/.config/vellory/registry.sqlite3";
    QTest::newRow("empty") << QByteArray("") << "@HOME@/.config/vellory/registry.sqlite3";
    QTest::newRow("relative") << QByteArray("conf") << "@HOME@/.config/vellory/registry.sqlite3";
    QTest::newRow("absolute") << QByteArray("@ROOT@/conf") << "@ROOT@/conf/vellory/registry.sqlite3";
    QTest::newRow("trailing slash") << QByteArray("@ROOT@/conf/") << "@ROOT@/conf/vellory/registry.sqlite3";
}

void TestRegistryStore::defaultPath()
{
    QFETCH(QByteArray, configHome);
    QFETCH(QString, expected);

    const QString home = m_dir->filePath(QStringLiteral("home"));
    qputenv("HOME", home.toUtf8());
    if (configHome.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", configHome.replace("@ROOT@", m_dir->path().toUtf8()));
    expected.replace(QLatin1String("@HOME@"), home).replace(QLatin1String("@ROOT@"), m_dir->path());

    QCOMPARE(QString::fromStdString(RegistryStore::DefaultPath()), expected);
}

void TestRegistryStore::readsNeverCreateTheStore()
{
    RegKey key = 0;
    QCOMPARE(m_store->OpenKey(HKEY_CURRENT_USER_ROOT, "Software\\Vellory", kKeyRead, &key), kErrorFileNotFound);
    std::uint32_t size = 0;
    QCOMPARE(m_store->QueryValue(HKEY_CURRENT_USER_ROOT, "Anything", nullptr, nullptr, &size), kErrorFileNotFound);
    // The root itself exists without any file.
    QCOMPARE(m_store->OpenKey(HKEY_LOCAL_MACHINE_ROOT, "", kKeyRead, &key), kErrorSuccess);
    QCOMPARE(m_store->QueryValue(key, "Anything", nullptr, nullptr, &size), kErrorFileNotFound);
    QCOMPARE(m_store->CloseKey(key), kErrorSuccess);

    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("config"))));
}

void TestRegistryStore::firstWriteCreatesPrivateFile()
{
    // Even a permissive umask must not make the store readable by others.
    const mode_t savedMask = umask(0);
    RegKey key = 0;
    const long created = m_store->CreateKey(HKEY_CURRENT_USER_ROOT, "Software", &key);
    const long set = m_store->SetValue(key, "Name", kRegSz, Bytes("x"), 1);
    umask(savedMask);
    QCOMPARE(created, kErrorSuccess);
    QCOMPARE(set, kErrorSuccess);

    struct stat info { };
    QCOMPARE(stat(QFile::encodeName(m_storePath).constData(), &info), 0);
    QVERIFY(S_ISREG(info.st_mode));
    QCOMPARE(info.st_mode & 07777, mode_t(0600));
    QCOMPARE(stat(QFile::encodeName(QFileInfo(m_storePath).path()).constData(), &info), 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0700));
    // SQLite's side files, there while the store is open, follow the file's mode.
    for (const char *suffix : {"-wal", "-shm"}) {
        const QByteArray side = QFile::encodeName(m_storePath) + suffix;
        if (stat(side.constData(), &info) == 0)
            QCOMPARE(info.st_mode & 0077, mode_t(0));
    }

    RawDatabase raw(m_storePath);
    QCOMPARE(raw.scalar("PRAGMA journal_mode"), QStringLiteral("wal"));
    QCOMPARE(raw.rows("SELECT sql FROM sqlite_master WHERE type = 'table' ORDER BY name"),
        QStringList({"CREATE TABLE registry_key (root INTEGER NOT NULL, path TEXT NOT NULL COLLATE NOCASE, "
                     "PRIMARY KEY (root, path))",
            "CREATE TABLE registry_value (root INTEGER NOT NULL, path TEXT NOT NULL COLLATE NOCASE, "
            "name TEXT NOT NULL COLLATE NOCASE, type INTEGER NOT NULL, data BLOB NOT NULL, "
            "PRIMARY KEY (root, path, name))"}));
}

void TestRegistryStore::storeCreatedLaterIsFound()
{
    RegKey key = 0;
    QCOMPARE(m_store->OpenKey(HKEY_CURRENT_USER_ROOT, "Software", kKeyRead, &key), kErrorFileNotFound);

    {
        RegistryStore other(m_storePath.toStdString());
        QCOMPARE(other.CreateKey(HKEY_CURRENT_USER_ROOT, "Software", &key), kErrorSuccess);
        QCOMPARE(other.SetValue(key, "Name", kRegSz, Bytes("later"), 5), kErrorSuccess);
    }

    QCOMPARE(m_store->OpenKey(HKEY_CURRENT_USER_ROOT, "Software", kKeyRead, &key), kErrorSuccess);
    long status = -1;
    QCOMPARE(Query(*m_store, key, "Name", nullptr, &status), QByteArray("later"));
    QCOMPARE(status, kErrorSuccess);
}

void TestRegistryStore::createMakesMissingParents_data()
{
    QTest::addColumn<RegKey>("root");
    QTest::addColumn<std::string>("subKey");
    QTest::addColumn<QStringList>("keyRows");  // "root|path", by path

    QTest::newRow("three levels") << HKEY_CURRENT_USER_ROOT << std::string("Software\\Vellory\\Links")
                                  << QStringList({"2147483649|Software", "2147483649|Software\\Vellory",
                                         "2147483649|Software\\Vellory\\Links"});
    QTest::newRow("stray separators") << HKEY_CURRENT_USER_ROOT << std::string("\\Software\\\\Vellory\\")
                                      << QStringList({"2147483649|Software", "2147483649|Software\\Vellory"});
    QTest::newRow("machine root") << HKEY_LOCAL_MACHINE_ROOT << std::string("SOFTWARE\\Vellory")
                                  << QStringList({"2147483650|SOFTWARE", "2147483650|SOFTWARE\\Vellory"});
}

void TestRegistryStore::createMakesMissingParents()
{
    QFETCH(RegKey, root);
    QFETCH(std::string, subKey);
    QFETCH(QStringList, keyRows);

    RegKey key = 0;
    QCOMPARE(m_store->CreateKey(root, subKey, &key), kErrorSuccess);
    QVERIFY(key != 0);
    QCOMPARE(m_store->SetValue(key, "Marker", kRegDword, Bytes(QByteArray("\1\0\0\0", 4)), 4), kErrorSuccess);
    QCOMPARE(m_store->CloseKey(key), kErrorSuccess);

    RawDatabase raw(m_storePath);
    QCOMPARE(raw.rows("SELECT root, path FROM registry_key ORDER BY path"), keyRows);
    const QString deepest = keyRows.last();
    QCOMPARE(raw.rows("SELECT root, path, name, type, data FROM registry_value"),
        QStringList(deepest + QStringLiteral("|Marker|4|01000000")));

    // Every level opens again, whichever way its path is written.
    const QStringList parts = deepest.section(QLatin1Char('|'), 1).split(QLatin1Char('\\'));
    for (qsizetype level = 1; level <= parts.size(); ++level) {
        const std::string path = "\\" + parts.mid(0, level).join(QLatin1Char('\\')).toStdString() + "\\";
        QCOMPARE(m_store->OpenKey(root, path, kKeyRead, &key), kErrorSuccess);
        QCOMPARE(m_store->CloseKey(key), kErrorSuccess);
    }
}

void TestRegistryStore::openAndCreateRelativeToHandle()
{
    RegKey software = 0;
    RegKey links = 0;
    QCOMPARE(m_store->CreateKey(HKEY_CURRENT_USER_ROOT, "Software", &software), kErrorSuccess);
    QCOMPARE(m_store->CreateKey(software, "Vellory\\Links", &links), kErrorSuccess);
    QCOMPARE(m_store->SetValue(links, "Count", kRegSz, Bytes("7"), 1), kErrorSuccess);

    RawDatabase raw(m_storePath);
    QCOMPARE(raw.rows("SELECT path FROM registry_key ORDER BY path"),
        QStringList({"Software", "Software\\Vellory", "Software\\Vellory\\Links"}));
    QCOMPARE(raw.rows("SELECT path, name FROM registry_value"), QStringList("Software\\Vellory\\Links|Count"));

    RegKey vellory = 0;
    RegKey again = 0;
    QCOMPARE(m_store->OpenKey(software, "Vellory", kKeyRead, &vellory), kErrorSuccess);
    QCOMPARE(m_store->OpenKey(vellory, "Links", kKeyAllButDelete, &again), kErrorSuccess);
    long status = -1;
    QCOMPARE(Query(*m_store, again, "Count", nullptr, &status), QByteArray("7"));
    QCOMPARE(status, kErrorSuccess);
    RegKey missing = 0;
    QCOMPARE(m_store->OpenKey(vellory, "Elsewhere", kKeyRead, &missing), kErrorFileNotFound);
    // The empty path opens the key itself.
    QCOMPARE(m_store->OpenKey(links, "", kKeyRead, &again), kErrorSuccess);
    QCOMPARE(Query(*m_store, again, "Count", nullptr, &status), QByteArray("7"));

    for (RegKey key : {software, links, vellory, again})
        QCOMPARE(m_store->CloseKey(key), kErrorSuccess);
}

void TestRegistryStore::namesIgnoreCase()
{
    RegKey key = 0;
    QCOMPARE(m_store->CreateKey(HKEY_CURRENT_USER_ROOT, "Software\\Vellory", &key), kErrorSuccess);
    QCOMPARE(m_store->SetValue(key, "Title", kRegSz, Bytes("one"), 3), kErrorSuccess);

    RegKey other = 0;
    QCOMPARE(m_store->OpenKey(HKEY_CURRENT_USER_ROOT, "SOFTWARE\\vellory", kKeyRead, &other), kErrorSuccess);
    long status = -1;
    QCOMPARE(Query(*m_store, other, "TITLE", nullptr, &status), QByteArray("one"));
    QCOMPARE(status, kErrorSuccess);

    // Creating or setting again under another spelling finds the same rows.
    QCOMPARE(m_store->CreateKey(HKEY_CURRENT_USER_ROOT, "software\\VELLORY", &other), kErrorSuccess);
    QCOMPARE(m_store->SetValue(other, "title", kRegSz, Bytes("two"), 3), kErrorSuccess);
    QCOMPARE(Query(*m_store, key, "Title", nullptr, &status), QByteArray("two"));

    RawDatabase raw(m_storePath);
    QCOMPARE(raw.rows("SELECT path FROM registry_key ORDER BY path"), QStringList({"Software", "Software\\Vellory"}));
    QCOMPARE(raw.scalar("SELECT count(*) FROM registry_value"), QStringLiteral("1"));
}

void TestRegistryStore::valueRoundTrip_data()
{
    QTest::addColumn<std::uint32_t>("type");
    QTest::addColumn<QByteArray>("data");

    QByteArray everyByte;
    for (int i = 0; i < 256; ++i)
        everyByte.append(static_cast<char>(i));

    QTest::newRow("empty") << kRegSz << QByteArray();
    QTest::newRow("text") << kRegSz << QByteArray("C:\\Bilder\\Grüße.bmp");
    QTest::newRow("embedded zero bytes") << kRegBinary << QByteArray("a\0b\0\0c", 6);
    QTest::newRow("trailing zero kept") << kRegSz << QByteArray("text\0", 5);
    QTest::newRow("every byte value") << kRegBinary << everyByte;
    QTest::newRow("dword") << kRegDword << QByteArray("\x78\x56\x34\x12", 4);
}

void TestRegistryStore::valueRoundTrip()
{
    QFETCH(std::uint32_t, type);
    QFETCH(QByteArray, data);
    const auto size = static_cast<std::uint32_t>(data.size());

    RegKey key = 0;
    QCOMPARE(m_store->CreateKey(HKEY_CURRENT_USER_ROOT, "Software\\Vellory", &key), kErrorSuccess);
    // Nothing to point at for an empty value, as a caller would write it.
    QCOMPARE(m_store->SetValue(key, "Value", type, data.isEmpty() ? nullptr : Bytes(data), size), kErrorSuccess);

    // Size only.
    std::uint32_t gotType = 0xFFFF;
    std::uint32_t gotSize = 0;
    QCOMPARE(m_store->QueryValue(key, "Value", &gotType, nullptr, &gotSize), kErrorSuccess);
    QCOMPARE(gotType, type);
    QCOMPARE(gotSize, size);

    // A buffer with room to spare: exactly the bytes, nothing added.
    QByteArray buffer(data.size() + 8, '\xAA');
    gotSize = static_cast<std::uint32_t>(buffer.size());
    gotType = 0xFFFF;
    QCOMPARE(m_store->QueryValue(key, "Value", &gotType, reinterpret_cast<std::uint8_t *>(buffer.data()), &gotSize),
        kErrorSuccess);
    QCOMPARE(gotType, type);
    QCOMPARE(gotSize, size);
    QCOMPARE(buffer.left(data.size()), data);
    QCOMPARE(buffer.mid(data.size()), QByteArray(8, '\xAA'));

    // One byte short: the needed size comes back and the buffer is left as it was.
    if (size > 0) {
        QByteArray small(data.size() - 1, '\xAA');
        gotSize = static_cast<std::uint32_t>(small.size());
        QCOMPARE(m_store->QueryValue(key, "Value", &gotType, reinterpret_cast<std::uint8_t *>(small.data()), &gotSize),
            kErrorMoreData);
        QCOMPARE(gotSize, size);
        QCOMPARE(small, QByteArray(data.size() - 1, '\xAA'));
    }

    RawDatabase raw(m_storePath);
    QCOMPARE(raw.scalar("SELECT typeof(data) || '|' || length(data) || '|' || type FROM registry_value"),
        QStringLiteral("blob|%1|%2").arg(size).arg(type));
    QCOMPARE(raw.scalar("SELECT hex(data) FROM registry_value"), QString::fromLatin1(data.toHex().toUpper()));
}

void TestRegistryStore::setReplacesValueOfOtherType()
{
    RegKey key = 0;
    QCOMPARE(m_store->CreateKey(HKEY_CURRENT_USER_ROOT, "Control Panel\\Desktop", &key), kErrorSuccess);
    QCOMPARE(m_store->SetValue(key, "Wallpaper", kRegDword, Bytes(QByteArray("\1\0\0\0", 4)), 4), kErrorSuccess);
    QCOMPARE(m_store->SetValue(key, "Wallpaper", kRegSz, Bytes("pic.bmp"), 7), kErrorSuccess);

    std::uint32_t type = 0;
    long status = -1;
    QCOMPARE(Query(*m_store, key, "Wallpaper", &type, &status), QByteArray("pic.bmp"));
    QCOMPARE(status, kErrorSuccess);
    QCOMPARE(type, kRegSz);

    RawDatabase raw(m_storePath);
    QCOMPARE(raw.rows("SELECT name, type FROM registry_value"), QStringList("Wallpaper|1"));
    QCOMPARE(raw.rows("SELECT path FROM registry_key ORDER BY path"),
        QStringList({"Control Panel", "Control Panel\\Desktop"}));
}

void TestRegistryStore::missingKeysAndValues()
{
    RegKey key = 0;
    QCOMPARE(m_store->CreateKey(HKEY_CURRENT_USER_ROOT, "Software\\Vellory", &key), kErrorSuccess);
    QCOMPARE(m_store->SetValue(key, "Present", kRegSz, Bytes("y"), 1), kErrorSuccess);

    RegKey other = 0;
    QCOMPARE(
        m_store->OpenKey(HKEY_CURRENT_USER_ROOT, "Software\\Vellory\\Absent", kKeyRead, &other), kErrorFileNotFound);
    QCOMPARE(m_store->OpenKey(HKEY_LOCAL_MACHINE_ROOT, "Software\\Vellory", kKeyRead, &other), kErrorFileNotFound);
    std::uint32_t size = 0;
    QCOMPARE(m_store->QueryValue(key, "Absent", nullptr, nullptr, &size), kErrorFileNotFound);
    QCOMPARE(m_store->QueryValue(HKEY_CURRENT_USER_ROOT, "Present", nullptr, nullptr, &size), kErrorFileNotFound);

    // Another program deletes the key while it is open here.
    {
        RawDatabase raw(m_storePath);
        QCOMPARE(raw.exec("DELETE FROM registry_key WHERE path = 'Software\\Vellory'"), SQLITE_OK);
    }
    QCOMPARE(m_store->QueryValue(key, "Present", nullptr, nullptr, &size), kErrorFileNotFound);
    QCOMPARE(m_store->SetValue(key, "New", kRegSz, Bytes("n"), 1), kErrorFileNotFound);
    QCOMPARE(m_store->OpenKey(HKEY_CURRENT_USER_ROOT, "Software\\Vellory", kKeyRead, &other), kErrorFileNotFound);
}

void TestRegistryStore::badHandles_data()
{
    QTest::addColumn<bool>("closedHandle");  // else the fixed number below
    QTest::addColumn<RegKey>("handle");

    QTest::newRow("closed handle") << true << RegKey(0);
    QTest::newRow("never opened") << false << RegKey(0x1234);
    QTest::newRow("zero") << false << RegKey(0);
    QTest::newRow("root of another kind") << false << RegKey(0x80000000u);
}

void TestRegistryStore::badHandles()
{
    QFETCH(bool, closedHandle);
    QFETCH(RegKey, handle);

    RegKey created = 0;
    QCOMPARE(m_store->CreateKey(HKEY_CURRENT_USER_ROOT, "Software", &created), kErrorSuccess);
    if (closedHandle) {
        handle = created;
        QCOMPARE(m_store->CloseKey(handle), kErrorSuccess);
    }

    RegKey result = 0;
    std::uint32_t size = 0;
    QCOMPARE(m_store->OpenKey(handle, "", kKeyRead, &result), kErrorInvalidHandle);
    QCOMPARE(m_store->CreateKey(handle, "Child", &result), kErrorInvalidHandle);
    QCOMPARE(m_store->QueryValue(handle, "", nullptr, nullptr, &size), kErrorInvalidHandle);
    QCOMPARE(m_store->SetValue(handle, "Name", kRegSz, Bytes("x"), 1), kErrorInvalidHandle);
    QCOMPARE(m_store->CloseKey(handle), kErrorInvalidHandle);

    RawDatabase raw(m_storePath);
    QCOMPARE(raw.scalar("SELECT count(*) FROM registry_value"), QStringLiteral("0"));
    QCOMPARE(raw.rows("SELECT path FROM registry_key"), QStringList("Software"));
}

void TestRegistryStore::closingRootsSucceeds()
{
    QCOMPARE(m_store->CloseKey(HKEY_CURRENT_USER_ROOT), kErrorSuccess);
    QCOMPARE(m_store->CloseKey(HKEY_LOCAL_MACHINE_ROOT), kErrorSuccess);
    // ...and they stay usable.
    QCOMPARE(m_store->SetValue(HKEY_CURRENT_USER_ROOT, "AtRoot", kRegSz, Bytes("r"), 1), kErrorSuccess);
    long status = -1;
    QCOMPARE(Query(*m_store, HKEY_CURRENT_USER_ROOT, "atroot", nullptr, &status), QByteArray("r"));
    QCOMPARE(status, kErrorSuccess);
}

void TestRegistryStore::twoProcessesWriteAtOnce()
{
    constexpr int kWriters = 2;
    constexpr int kValuesEach = 200;
    const std::string path = m_storePath.toStdString();

    // Both writers wait on this pipe, so that they also race to create the file.
    int startGate[2];
    QCOMPARE(pipe(startGate), 0);
    pid_t writers[kWriters];
    for (int writer = 0; writer < kWriters; ++writer) {
        writers[writer] = fork();
        QVERIFY(writers[writer] >= 0);
        if (writers[writer] == 0) {
            close(startGate[1]);
            char ignored;
            (void)!read(startGate[0], &ignored, 1);
            int failures = 0;
            {
                RegistryStore store(path);
                for (int i = 0; i < kValuesEach; ++i) {
                    const std::string keyPath = "Software\\Vellory\\Race\\Writer" + std::to_string(writer) + "\\Group"
                        + std::to_string(i % 10);
                    const std::string data = std::to_string(writer) + ":" + std::to_string(i);
                    RegKey key = 0;
                    failures += store.CreateKey(HKEY_CURRENT_USER_ROOT, keyPath, &key) != kErrorSuccess;
                    failures += store.SetValue(key, "Value" + std::to_string(i), kRegSz,
                                    reinterpret_cast<const std::uint8_t *>(data.data()),
                                    static_cast<std::uint32_t>(data.size()))
                        != kErrorSuccess;
                    store.CloseKey(key);
                }
            }
            _exit(failures == 0 ? 0 : 1);
        }
    }
    close(startGate[0]);
    close(startGate[1]);
    for (pid_t writer : writers) {
        int status = 0;
        QCOMPARE(waitpid(writer, &status, 0), writer);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
    }

    RawDatabase raw(m_storePath);
    QCOMPARE(raw.scalar("PRAGMA integrity_check"), QStringLiteral("ok"));
    QCOMPARE(raw.scalar("SELECT count(*) FROM registry_value"), QString::number(kWriters * kValuesEach));
    QCOMPARE(raw.scalar("SELECT count(*) FROM registry_key"), QString::number(3 + kWriters * 11));
    for (int writer = 0; writer < kWriters; ++writer) {
        for (int i = 0; i < kValuesEach; ++i) {
            RegKey key = 0;
            const std::string keyPath
                = "Software\\Vellory\\Race\\Writer" + std::to_string(writer) + "\\Group" + std::to_string(i % 10);
            QCOMPARE(m_store->OpenKey(HKEY_CURRENT_USER_ROOT, keyPath, kKeyRead, &key), kErrorSuccess);
            long status = -1;
            QCOMPARE(Query(*m_store, key, "Value" + std::to_string(i), nullptr, &status),
                QByteArray::number(writer) + ':' + QByteArray::number(i));
            QCOMPARE(m_store->CloseKey(key), kErrorSuccess);
        }
    }
}

void TestRegistryStore::damagedStoreIsLeftAlone_data()
{
    QTest::addColumn<QByteArray>("content");

    std::mt19937 random(20240601);
    QByteArray noise;
    for (int i = 0; i < 8192; ++i)
        noise.append(static_cast<char>(random() & 0xFF));

    QTest::newRow("text file") << QByteArray("[Settings]\nWallpaper=C:\\pic.bmp\n");
    QTest::newRow("random bytes") << noise;
    QTest::newRow("zero bytes") << QByteArray(4096, '\0');
}

void TestRegistryStore::damagedStoreIsLeftAlone()
{
    QFETCH(QByteArray, content);

    QVERIFY(QDir().mkpath(QFileInfo(m_storePath).path()));
    {
        QFile file(m_storePath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(content), content.size());
    }

    RegKey key = 0;
    std::uint32_t size = 16;
    std::uint8_t buffer[16] = {};
    QCOMPARE(m_store->OpenKey(HKEY_CURRENT_USER_ROOT, "Software", kKeyRead, &key), kErrorBadDatabase);
    QCOMPARE(m_store->QueryValue(HKEY_CURRENT_USER_ROOT, "Name", nullptr, buffer, &size), kErrorBadDatabase);
    QCOMPARE(m_store->CreateKey(HKEY_CURRENT_USER_ROOT, "Software", &key), kErrorBadDatabase);
    QCOMPARE(m_store->SetValue(HKEY_CURRENT_USER_ROOT, "Name", kRegSz, Bytes("x"), 1), kErrorBadDatabase);
    m_store.reset();

    QCOMPARE(FileBytes(m_storePath), content);
    QCOMPARE(QDir(QFileInfo(m_storePath).path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
        QStringList(QStringLiteral("registry.sqlite3")));
}

QTEST_GUILESS_MAIN(TestRegistryStore)
#include "test_registry_store.moc"
