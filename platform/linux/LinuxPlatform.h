#pragma once

// The desktop services on Linux: the registry is an SQLite store, the special folders are
// the XDG user folders, programs and URLs are started detached without a shell.

#include "platform/DesktopPlatform.h"
#include "platform/linux/RegistryStore.h"

namespace vellory {

class LinuxPlatform : public DesktopPlatform {
public:
    LinuxPlatform(UserInterfaceServices &ui, std::string registryPath = RegistryStore::DefaultPath());

    void ShowMessageBox(const std::string &text) override;
    void SetBusyCursor(bool on) override;
    bool FileExists(const std::string &path) override;
    void RunProgram(const std::string &commandLine) override;
    void OpenDocument(const std::string &verb, const std::string &url) override;
    std::string SpecialFolderPath(const std::string &name) override;
    void WriteTextFile(const std::string &path, const std::vector<std::string> &lines) override;

    long RegOpenKeyEx(
        RegKey root, const std::string &subKey, std::uint32_t options, std::uint32_t access, RegKey *result) override;
    long RegQueryValueEx(RegKey key, const std::string &valueName, std::uint32_t *type, std::uint8_t *data,
        std::uint32_t *byteCount) override;
    long RegCreateKey(RegKey root, const std::string &subKey, RegKey *result) override;
    long RegSetValueEx(RegKey key, const std::string &valueName, std::uint32_t type, const std::uint8_t *data,
        std::uint32_t byteCount) override;
    long RegCloseKey(RegKey key) override;

    bool SystemParametersInfo(
        std::uint32_t action, std::uint32_t uiParam, const std::string &pvParam, std::uint32_t winIni) override;

private:
    UserInterfaceServices &m_ui;
    RegistryStore m_registry;
};

// Turns a Windows-style path into a native one: every "\" becomes "/".
std::string NativePath(const std::string &windowsPath);

// Splits a command line on blanks, double quotes grouping ("a b" is one argument; the
// quotes themselves are dropped).
std::vector<std::string> SplitCommandLine(const std::string &commandLine);

}  // namespace vellory
