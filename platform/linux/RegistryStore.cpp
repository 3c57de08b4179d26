#include "platform/linux/RegistryStore.h"

#include "platform/linux/XdgFolders.h"

#include <sqlite3.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace vellory {

namespace {

// Two copies of the program may write at once; a writer waits this long for the other.
constexpr int kBusyTimeoutMs = 5000;

constexpr const char *kCreateTables = "CREATE TABLE IF NOT EXISTS registry_key ("
                                      "root INTEGER NOT NULL, path TEXT NOT NULL COLLATE NOCASE, "
                                      "PRIMARY KEY (root, path));"
                                      "CREATE TABLE IF NOT EXISTS registry_value ("
                                      "root INTEGER NOT NULL, path TEXT NOT NULL COLLATE NOCASE, "
                                      "name TEXT NOT NULL COLLATE NOCASE, type INTEGER NOT NULL, "
                                      "data BLOB NOT NULL, PRIMARY KEY (root, path, name));";

bool IsRoot(RegKey key)
{
    return key == HKEY_CURRENT_USER_ROOT || key == HKEY_LOCAL_MACHINE_ROOT;
}

// "\A\\B\" and "A\B" name the same key; the store only ever holds the second form.
std::string NormalisePath(const std::string &path)
{
    std::string result;
    std::size_t start = 0;
    while (start < path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string::npos)
            end = path.size();
        if (end > start) {
            if (!result.empty())
                result += '\\';
            result.append(path, start, end - start);
        }
        start = end + 1;
    }
    return result;
}

std::string JoinKeyPath(const std::string &parent, const std::string &child)
{
    if (parent.empty())
        return child;
    if (child.empty())
        return parent;
    return parent + '\\' + child;
}

long StatusForErrno(int error)
{
    if (error == EACCES || error == EPERM || error == EROFS)
        return kErrorAccessDenied;
    return kErrorRegistryIo;
}

long StatusForSqlite(sqlite3 *db, int result)
{
    switch (result & 0xff) {
    case SQLITE_OK:
    case SQLITE_DONE:
    case SQLITE_ROW:
        return kErrorSuccess;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
    case SQLITE_ERROR:  // a database of another shape, say a table without our columns
        return kErrorBadDatabase;
    case SQLITE_PERM:
    case SQLITE_READONLY:
    case SQLITE_AUTH:
        return kErrorAccessDenied;
    default:
        return db ? StatusForErrno(sqlite3_system_errno(db)) : kErrorRegistryIo;
    }
}

// Creates each missing folder of the path, for the owner alone as the configuration
// folders should be.
int MakeFolders(const std::string &folder)
{
    std::size_t end = 0;
    while (end != std::string::npos) {
        end = folder.find('/', end + 1);
        const std::string part = folder.substr(0, end);
        if (mkdir(part.c_str(), 0700) == 0)
            continue;
        if (errno != EEXIST)
            return errno;
        struct stat info { };
        if (stat(part.c_str(), &info) != 0)
            return errno;
        if (!S_ISDIR(info.st_mode))
            return ENOTDIR;
    }
    return 0;
}

// Makes the store's file before SQLite opens it, so that it is the owner's alone from its
// first moment whatever the umask. SQLite gives its -wal and -shm files the mode of this one.
int MakeStoreFile(const std::string &path)
{
    const std::string::size_type slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0) {
        if (int error = MakeFolders(path.substr(0, slash)))
            return error;
    }
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return errno == EEXIST ? 0 : errno;  // another copy of the program was quicker: fine
    int error = fchmod(fd, 0600) == 0 ? 0 : errno;
    close(fd);
    return error;
}

class Statement {
public:
    Statement(sqlite3 *db, const char *sql) { m_prepared = sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr); }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    int prepared() const { return m_prepared; }
    void bindRoot(int index, RegKey root) { sqlite3_bind_int64(m_stmt, index, static_cast<sqlite3_int64>(root)); }
    void bindNumber(int index, std::uint32_t value) { sqlite3_bind_int64(m_stmt, index, value); }
    void bindText(int index, const std::string &text)
    {
        sqlite3_bind_text64(m_stmt, index, text.data(), text.size(), SQLITE_STATIC, SQLITE_UTF8);
    }
    void bindBlob(int index, const std::uint8_t *data, std::uint32_t size)
    {
        // A null pointer would bind NULL, which the column refuses: an empty value is an
        // empty blob.
        static const std::uint8_t kNothing = 0;
        sqlite3_bind_blob64(m_stmt, index, size ? data : &kNothing, size, SQLITE_STATIC);
    }
    int step() { return sqlite3_step(m_stmt); }
    sqlite3_stmt *get() const { return m_stmt; }

private:
    sqlite3_stmt *m_stmt = nullptr;
    int m_prepared;
};

// Reads the schema, the first thing that touches the file: a file that is not a database
// fails here, before anything could write to it.
int ValidateDatabase(sqlite3 *db)
{
    Statement check(db, "SELECT count(*) FROM sqlite_master");
    if (check.prepared() != SQLITE_OK)
        return check.prepared();
    const int result = check.step();
    return result == SQLITE_ROW ? SQLITE_OK : result;
}

bool HasOurTables(sqlite3 *db)
{
    Statement count(db,
        "SELECT count(*) FROM sqlite_master WHERE type = 'table' "
        "AND name IN ('registry_key', 'registry_value')");
    return count.prepared() == SQLITE_OK && count.step() == SQLITE_ROW && sqlite3_column_int(count.get(), 0) == 2;
}

}  // namespace

RegistryStore::RegistryStore(std::string databasePath)
    : m_path(std::move(databasePath))
{
}

RegistryStore::~RegistryStore()
{
    CloseDatabase();
}

std::string RegistryStore::DefaultPath()
{
    return XdgBaseFolder("XDG_CONFIG_HOME", ".config") + "/vellory/registry.sqlite3";
}

bool RegistryStore::Resolve(RegKey key, OpenKeyInfo *info) const
{
    if (IsRoot(key)) {
        *info = OpenKeyInfo {key, std::string(), kKeyAllButDelete};
        return true;
    }
    const auto found = m_handles.find(key);
    if (found == m_handles.end())
        return false;
    *info = found->second;
    return true;
}

RegKey RegistryStore::AddHandle(OpenKeyInfo info)
{
    while (m_nextHandle == 0 || IsRoot(m_nextHandle) || m_handles.count(m_nextHandle))
        ++m_nextHandle;
    const RegKey handle = m_nextHandle++;
    m_handles.emplace(handle, std::move(info));
    return handle;
}

void RegistryStore::CloseDatabase()
{
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_walChecked = false;
}

long RegistryStore::OpenDatabase(bool forWrite)
{
    if (m_db)
        return kErrorSuccess;

    struct stat info { };
    if (stat(m_path.c_str(), &info) != 0) {
        if (errno != ENOENT)
            return StatusForErrno(errno);
        // Reading never brings the store into being: a missing file is an empty registry.
        if (!forWrite)
            return kErrorFileNotFound;
        if (const int error = MakeStoreFile(m_path))
            return StatusForErrno(error);
    }

    // Never SQLITE_OPEN_CREATE: whatever is at the path must already be there.
    sqlite3 *db = nullptr;
    int result = sqlite3_open_v2(m_path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (result == SQLITE_OK) {
        sqlite3_busy_timeout(db, kBusyTimeoutMs);
        result = ValidateDatabase(db);
    }
    if (result != SQLITE_OK) {
        long status = StatusForSqlite(db, result);
        if ((result & 0xff) == SQLITE_CANTOPEN) {
            const int error = db ? sqlite3_system_errno(db) : 0;
            status = error == ENOENT && !forWrite ? kErrorFileNotFound : StatusForErrno(error);
        }
        sqlite3_close_v2(db);
        return status;
    }
    m_db = db;
    return kErrorSuccess;
}

long RegistryStore::Failure(int sqliteResult)
{
    const long status = StatusForSqlite(m_db, sqliteResult);
    // The file may have been damaged under us: check it afresh on the next call.
    if (status == kErrorBadDatabase)
        CloseDatabase();
    return status == kErrorSuccess ? kErrorRegistryIo : status;
}

long RegistryStore::ReadFailure(int sqliteResult)
{
    // A database that nobody has written a key to yet is an empty registry.
    if ((sqliteResult & 0xff) == SQLITE_ERROR && !HasOurTables(m_db))
        return kErrorFileNotFound;
    return Failure(sqliteResult);
}

long RegistryStore::KeyExists(RegKey root, const std::string &path)
{
    if (path.empty())
        return kErrorSuccess;  // the root itself always exists
    Statement find(m_db, "SELECT 1 FROM registry_key WHERE root = ?1 AND path = ?2");
    if (find.prepared() != SQLITE_OK)
        return ReadFailure(find.prepared());
    find.bindRoot(1, root);
    find.bindText(2, path);
    const int result = find.step();
    if (result == SQLITE_ROW)
        return kErrorSuccess;
    if (result == SQLITE_DONE)
        return kErrorFileNotFound;
    return Failure(result);
}

long RegistryStore::BeginWrite()
{
    if (const long status = OpenDatabase(true))
        return status;
    if (!m_walChecked) {
        // Lets a reader and a writer work side by side. The mode stays with the file, so one
        // successful switch is enough; a switch refused because another copy of the program
        // holds the file is tried again on the next write, and the write goes ahead anyway.
        Statement mode(m_db, "PRAGMA journal_mode=WAL");
        int result = mode.prepared();
        if (result == SQLITE_OK)
            result = mode.step();
        if (result == SQLITE_ROW) {
            const unsigned char *text = sqlite3_column_text(mode.get(), 0);
            m_walChecked = text && std::strcmp(reinterpret_cast<const char *>(text), "wal") == 0;
        } else if ((result & 0xff) != SQLITE_BUSY && (result & 0xff) != SQLITE_LOCKED) {
            return Failure(result);
        }
    }
    // IMMEDIATE takes the write lock at once, so that two writers queue up through the busy
    // timeout instead of one of them failing when it upgrades a read.
    int result = sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (result == SQLITE_OK)
        result = sqlite3_exec(m_db, kCreateTables, nullptr, nullptr, nullptr);
    if (result != SQLITE_OK) {
        if (!sqlite3_get_autocommit(m_db))
            sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        return Failure(result);
    }
    return kErrorSuccess;
}

long RegistryStore::EndWrite(long status)
{
    if (status == kErrorSuccess) {
        const int result = sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
        if (result == SQLITE_OK)
            return kErrorSuccess;
        status = StatusForSqlite(m_db, result);
        if (status == kErrorSuccess)
            status = kErrorRegistryIo;
    }
    if (m_db && !sqlite3_get_autocommit(m_db))
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    if (status == kErrorBadDatabase)
        CloseDatabase();
    return status;
}

long RegistryStore::ResolveSubKey(RegKey parentKey, const std::string &subKey, RegKey *result, OpenKeyInfo *key) const
{
    OpenKeyInfo parent;
    if (!Resolve(parentKey, &parent))
        return kErrorInvalidHandle;
    if (!result)
        return kErrorInvalidParameter;
    *result = 0;
    *key = OpenKeyInfo {parent.root, JoinKeyPath(parent.path, NormalisePath(subKey)), kKeyAllButDelete};
    return kErrorSuccess;
}

long RegistryStore::OpenKey(RegKey root, const std::string &subKey, std::uint32_t access, RegKey *result)
{
    OpenKeyInfo key;
    if (const long status = ResolveSubKey(root, subKey, result, &key))
        return status;
    key.access = access;
    if (!key.path.empty()) {
        if (const long status = OpenDatabase(false))
            return status;
        if (const long status = KeyExists(key.root, key.path))
            return status;
    }
    *result = AddHandle(std::move(key));
    return kErrorSuccess;
}

long RegistryStore::CreateKey(RegKey root, const std::string &subKey, RegKey *result)
{
    OpenKeyInfo key;
    if (const long status = ResolveSubKey(root, subKey, result, &key))
        return status;
    const std::string &path = key.path;
    if (!path.empty()) {
        long status = BeginWrite();
        if (status != kErrorSuccess)
            return status;
        Statement insert(m_db, "INSERT OR IGNORE INTO registry_key (root, path) VALUES (?1, ?2)");
        if (insert.prepared() != SQLITE_OK)
            status = StatusForSqlite(m_db, insert.prepared());
        // Every ancestor gets its own row, the key itself last.
        for (std::size_t end = 0; status == kErrorSuccess && end != std::string::npos;) {
            end = path.find('\\', end + 1);
            const std::string prefix = path.substr(0, end);
            sqlite3_reset(insert.get());
            insert.bindRoot(1, key.root);
            insert.bindText(2, prefix);
            const int stepped = insert.step();
            if (stepped != SQLITE_DONE)
                status = StatusForSqlite(m_db, stepped);
        }
        if (const long ended = EndWrite(status))
            return ended;
    }
    *result = AddHandle(std::move(key));
    return kErrorSuccess;
}

long RegistryStore::QueryValue(
    RegKey key, const std::string &valueName, std::uint32_t *type, std::uint8_t *data, std::uint32_t *byteCount)
{
    OpenKeyInfo info;
    if (!Resolve(key, &info))
        return kErrorInvalidHandle;
    if (data && !byteCount)
        return kErrorInvalidParameter;
    if (const long status = OpenDatabase(false))
        return status;

    // One snapshot for both look-ups, so that a key deleted in between reads as missing.
    if (const int begun = sqlite3_exec(m_db, "BEGIN", nullptr, nullptr, nullptr); begun != SQLITE_OK)
        return Failure(begun);
    long status = KeyExists(info.root, info.path);
    if (status == kErrorSuccess) {
        Statement read(m_db, "SELECT type, data FROM registry_value WHERE root = ?1 AND path = ?2 AND name = ?3");
        if (read.prepared() != SQLITE_OK) {
            status = ReadFailure(read.prepared());
        } else {
            read.bindRoot(1, info.root);
            read.bindText(2, info.path);
            read.bindText(3, valueName);
            const int result = read.step();
            if (result == SQLITE_ROW) {
                const void *bytes = sqlite3_column_blob(read.get(), 1);
                const auto size = static_cast<std::uint32_t>(sqlite3_column_bytes(read.get(), 1));
                if (type)
                    *type = static_cast<std::uint32_t>(sqlite3_column_int64(read.get(), 0));
                // Too small a buffer is left as it was; the caller learns the size it needs.
                if (data && size > *byteCount)
                    status = kErrorMoreData;
                else if (data && size)
                    std::memcpy(data, bytes, size);
                if (byteCount)
                    *byteCount = size;
            } else if (result == SQLITE_DONE) {
                status = kErrorFileNotFound;
            } else {
                status = Failure(result);
            }
        }
    }
    if (m_db && !sqlite3_get_autocommit(m_db))
        sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
    return status;
}

long RegistryStore::SetValue(
    RegKey key, const std::string &valueName, std::uint32_t type, const std::uint8_t *data, std::uint32_t byteCount)
{
    OpenKeyInfo info;
    if (!Resolve(key, &info))
        return kErrorInvalidHandle;
    if (byteCount && !data)
        return kErrorInvalidParameter;
    if (byteCount > static_cast<std::uint32_t>(std::numeric_limits<int>::max()))
        return kErrorInvalidParameter;  // beyond what one SQLite blob holds

    long status = BeginWrite();
    if (status != kErrorSuccess)
        return status;
    // A key that someone else deleted while it was open takes no new values.
    status = KeyExists(info.root, info.path);
    if (status == kErrorSuccess) {
        Statement write(m_db,
            "INSERT OR REPLACE INTO registry_value (root, path, name, type, data) "
            "VALUES (?1, ?2, ?3, ?4, ?5)");
        if (write.prepared() != SQLITE_OK) {
            status = StatusForSqlite(m_db, write.prepared());
        } else {
            write.bindRoot(1, info.root);
            write.bindText(2, info.path);
            write.bindText(3, valueName);
            write.bindNumber(4, type);
            write.bindBlob(5, data, byteCount);
            const int result = write.step();
            if (result != SQLITE_DONE)
                status = StatusForSqlite(m_db, result);
        }
    }
    return EndWrite(status);
}

long RegistryStore::CloseKey(RegKey key)
{
    // The predefined roots are never really opened, so closing one succeeds and does nothing.
    if (IsRoot(key))
        return kErrorSuccess;
    return m_handles.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
}

}  // namespace vellory
