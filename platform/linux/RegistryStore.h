#pragma once

// The registry of systems without one: a single SQLite database holding both roots.
//
//   registry_key   (root, path)                       every stored key and all its ancestors
//   registry_value (root, path, name, type, data)     data is exactly the bytes that were set
//
// Paths use "\" between their parts and none at either end; key and value names compare
// without regard to case. The database file is created on the first write only, readable by
// its owner alone, and a file that is not a valid database is never touched.

#include "platform/DesktopPlatform.h"

#include <cstdint>
#include <map>
#include <string>

struct sqlite3;

namespace vellory {

class RegistryStore {
public:
    explicit RegistryStore(std::string databasePath);
    ~RegistryStore();
    RegistryStore(const RegistryStore &) = delete;
    RegistryStore &operator=(const RegistryStore &) = delete;

    // "$XDG_CONFIG_HOME/vellory/registry.sqlite3", or "~/.config/vellory/registry.sqlite3".
    static std::string DefaultPath();

    const std::string &path() const { return m_path; }

    long OpenKey(RegKey root, const std::string &subKey, std::uint32_t access, RegKey *result);
    long CreateKey(RegKey root, const std::string &subKey, RegKey *result);
    long QueryValue(
        RegKey key, const std::string &valueName, std::uint32_t *type, std::uint8_t *data, std::uint32_t *byteCount);
    long SetValue(RegKey key, const std::string &valueName, std::uint32_t type, const std::uint8_t *data,
        std::uint32_t byteCount);
    long CloseKey(RegKey key);

private:
    struct OpenKeyInfo {
        RegKey root;
        std::string path;
        std::uint32_t access;
    };

    bool Resolve(RegKey key, OpenKeyInfo *info) const;
    // The key below an open one that OpenKey and CreateKey work on, with all access; clears
    // *result first. A status when the parent handle or result is not usable.
    long ResolveSubKey(RegKey parentKey, const std::string &subKey, RegKey *result, OpenKeyInfo *key) const;
    RegKey AddHandle(OpenKeyInfo info);
    long OpenDatabase(bool forWrite);
    void CloseDatabase();
    long Failure(int sqliteResult);
    long ReadFailure(int sqliteResult);
    long KeyExists(RegKey root, const std::string &path);
    long BeginWrite();
    long EndWrite(long status);

    std::string m_path;
    sqlite3 *m_db = nullptr;
    bool m_walChecked = false;
    std::map<RegKey, OpenKeyInfo> m_handles;
    RegKey m_nextHandle = 0x100;
};

}  // namespace vellory
