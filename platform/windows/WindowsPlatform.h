#pragma once

// The desktop services on Windows, through the Win32 calls themselves. Text arrives as
// UTF-8: file names go to the wide calls, everything else to the A-calls in the ANSI code
// page, as does the text of the files written. Registry data bytes pass through as given.
//
// The Windows headers stay inside WindowsPlatform.cpp, so that nothing else sees their
// macros.

#include "platform/DesktopPlatform.h"

#include <map>

namespace vellory {

class WindowsPlatform : public DesktopPlatform {
public:
    explicit WindowsPlatform(UserInterfaceServices &ui);
    ~WindowsPlatform() override;
    WindowsPlatform(const WindowsPlatform &) = delete;
    WindowsPlatform &operator=(const WindowsPlatform &) = delete;

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

    // Only SPI_SETDESKWALLPAPER: the other actions do not take a text to read.
    bool SystemParametersInfo(
        std::uint32_t action, std::uint32_t uiParam, const std::string &pvParam, std::uint32_t winIni) override;

private:
    // A Windows key handle is pointer-sized, a RegKey 32 bits: the keys this backend opened
    // are numbered here, counting up from 1, apart from the two predefined roots.
    void *WindowsKey(RegKey key) const;
    RegKey Remember(void *windowsKey);

    UserInterfaceServices &m_ui;
    std::map<RegKey, void *> m_openKeys;
    RegKey m_lastKey = 0;
};

}  // namespace vellory
