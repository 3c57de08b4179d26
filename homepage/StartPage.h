#pragma once

// The browser start page: the REG_SZ value "Start Page" under
// HKEY_CURRENT_USER "Software\Microsoft\Internet Explorer\Main".

#include "platform/DesktopPlatform.h"

#include <string>

namespace vellory {

inline constexpr const char *kStartPageKey = "Software\\Microsoft\\Internet Explorer\\Main";
inline constexpr const char *kStartPageValue = "Start Page";

// Stores data as a REG_SZ value (its bytes, no terminator), creating the key and its missing
// parents. True when the key was opened, the value written and the key closed; any failure,
// thrown or reported, gives false and never escapes. An opened key is always closed again.
bool SetRegistryString(
    RegKey rootKey, const std::string &keyPath, const std::string &valueName, const std::string &data);

// Makes url the current user's browser start page.
bool SetIEHomePage(const std::string &url);

}  // namespace vellory
