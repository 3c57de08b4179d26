#include "SystemInfo.h"

#include <array>
#include <cstddef>
#include <cstdio>

namespace vellory {

bool GetKeyValue(RegKey rootKey, const std::string &keyPath, const std::string &valueName, std::string &valueText)
{
    DesktopPlatform &platform = Platform();
    RegKey key = 0;
    bool opened = false;
    const auto fail = [&] {
        valueText.clear();
        if (opened)
            platform.RegCloseKey(key);
        return false;
    };

    // Read rights are all a lookup needs; asking for more fails where writing is not allowed.
    if (platform.RegOpenKeyEx(rootKey, keyPath, 0, kKeyRead, &key) != kErrorSuccess)
        return fail();
    opened = true;

    std::array<std::uint8_t, kValueBufferSize> buffer {};
    std::uint32_t byteCount = kValueBufferSize;
    std::uint32_t type = kRegNone;
    if (platform.RegQueryValueEx(key, valueName, &type, buffer.data(), &byteCount) != kErrorSuccess)
        return fail();
    // A backend that claims more than the buffer holds has not given us the value.
    if (byteCount > kValueBufferSize)
        return fail();

    std::size_t size = byteCount;
    // A string may be stored with or without its terminating zero; a number keeps every byte.
    // Empty data is an empty value, not an error.
    if (type == kRegSz && size > 0 && buffer[size - 1] == 0)
        --size;

    if (type == kRegSz) {
        valueText.assign(reinterpret_cast<const char *>(buffer.data()), size);
    } else if (type == kRegDword) {
        std::string digits;
        for (std::size_t i = size; i > 0; --i) {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02X", buffer[i - 1]);
            digits += hex;
        }
        valueText = "&h" + digits;
    }

    platform.RegCloseKey(key);
    return true;
}

void StartSysInfo()
{
    try {
        DesktopPlatform &platform = Platform();
        std::string text;
        if (GetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kSysInfoPathKey, kSysInfoPathValue, text)) {
            platform.RunProgram(text);
            return;
        }
        if (GetKeyValue(HKEY_LOCAL_MACHINE_ROOT, kSysInfoFolderKey, kSysInfoFolderValue, text)) {
            const std::string program = text + kSysInfoProgram;
            if (platform.FileExists(program)) {
                platform.RunProgram(program);
                return;
            }
        }
    } catch (...) {
        // Whatever went wrong, the user hears the same thing.
    }
    try {
        Platform().ShowMessageBox(kSysInfoUnavailable);
    } catch (...) {
    }
}

}  // namespace vellory
