#include "StartPage.h"

namespace vellory {

bool SetRegistryString(
    RegKey rootKey, const std::string &keyPath, const std::string &valueName, const std::string &data)
{
    try {
        DesktopPlatform &platform = Platform();
        RegKey key = 0;
        if (platform.RegCreateKey(rootKey, keyPath, &key) != kErrorSuccess)
            return false;
        long written = kErrorRegistryIo;
        try {
            // The length is the data's byte count, without a terminator.
            written = platform.RegSetValueEx(key, valueName, kRegSz,
                reinterpret_cast<const std::uint8_t *>(data.data()), static_cast<std::uint32_t>(data.size()));
        } catch (...) {
            // Falls through to the close below: the key is released whatever happened to the write.
        }
        const long closed = platform.RegCloseKey(key);
        // A value that was not written is no success, even though the key closed fine.
        return written == kErrorSuccess && closed == kErrorSuccess;
    } catch (...) {
        return false;
    }
}

bool SetIEHomePage(const std::string &url)
{
    return SetRegistryString(HKEY_CURRENT_USER_ROOT, kStartPageKey, kStartPageValue, url);
}

}  // namespace vellory
