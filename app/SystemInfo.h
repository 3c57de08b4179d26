#pragma once

// Starting the system information tool, which two machine-wide registry values locate:
// first a full command line, else a folder that holds MSINFO32.EXE.

#include "platform/DesktopPlatform.h"

#include <cstdint>
#include <string>

namespace vellory {

inline constexpr const char *kSysInfoPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char *kSysInfoPathValue = "PATH";
inline constexpr const char *kSysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char *kSysInfoFolderValue = "MSINFO";
inline constexpr const char *kSysInfoProgram = "\\MSINFO32.EXE";
inline constexpr const char *kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// The size of the buffer a value is read into; a larger value counts as missing.
inline constexpr std::uint32_t kValueBufferSize = 1024;

// Reads a registry value as text: REG_SZ as its text (a terminating zero or none gives the
// same text), REG_DWORD as "&h" and two upper-case hex digits per byte, the last byte first
// ("&h00000105" for 0x105); any other type leaves valueText as it was. Empty data gives true
// and an empty text. False, with valueText emptied, when the key cannot be opened for
// reading or the value cannot be read into the buffer; the key is closed either way.
bool GetKeyValue(RegKey rootKey, const std::string &keyPath, const std::string &valueName, std::string &valueText);

// Starts the tool, or tells the user it is unavailable. Never fails.
void StartSysInfo();

}  // namespace vellory
