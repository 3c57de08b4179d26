#pragma once

// The operating-system services the program needs, gathered behind one interface so that
// every piece of logic can be written once and run on Windows, on Linux and against the
// recording fake of the tests.
//
// Text is UTF-8 in memory. Each backend converts it where it leaves the program: to the
// ANSI code page for the Windows A-calls, to the locale's encoding for Linux file names.
// Paths are written the Windows way, with "\" between their parts; backends that use
// another separator translate them.
//
// The registry operations mirror their Windows namesakes, status numbers included, so the
// registry algorithms read the same whichever backend stands behind them.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace vellory {

// A registry key handle. The predefined roots are handles too, as on Windows.
using RegKey = std::uint32_t;
inline constexpr RegKey HKEY_CURRENT_USER_ROOT = 0x80000001u;
inline constexpr RegKey HKEY_LOCAL_MACHINE_ROOT = 0x80000002u;

// Status numbers of the registry operations (the Windows error codes).
inline constexpr long kErrorSuccess = 0;
inline constexpr long kErrorFileNotFound = 2;
inline constexpr long kErrorAccessDenied = 5;
inline constexpr long kErrorInvalidHandle = 6;
inline constexpr long kErrorInvalidParameter = 87;
inline constexpr long kErrorMoreData = 234;
inline constexpr long kErrorBadDatabase = 1009;  // the store is not a valid database
inline constexpr long kErrorRegistryIo = 1016;   // the store could not be read or written

// Value types.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

// Access masks for RegOpenKeyEx.
inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kKeyAllButDelete = 0x2003F;

// SystemParametersInfo arguments used by the program.
inline constexpr std::uint32_t kSpiSetDeskWallpaper = 20;
inline constexpr std::uint32_t kSpifUpdateIniFile = 1;

struct AppVersion {
    std::uint16_t major = 0;
    std::uint16_t minor = 0;
    std::uint16_t revision = 0;
};

// "Version 1.0.0": shown by the splash and the About window.
std::string VersionText(const AppVersion &version);

// A failure that no handler is expected to catch. It carries the number and description
// that the top-level failure handling shows before the program ends.
class AppFailure : public std::runtime_error {
public:
    AppFailure(int number, const std::string &description);
    int number() const noexcept { return m_number; }

private:
    int m_number;
};

// Throws AppFailure for the current errno, naming what failed.
[[noreturn]] void ThrowErrno(int errorNumber, const std::string &what);

// Toolkit services that a backend forwards to, so that the backends stay free of any
// windowing toolkit. The Qt implementation lives in platform/qt.
class UserInterfaceServices {
public:
    virtual ~UserInterfaceServices() = default;
    virtual void ShowMessageBox(const std::string &title, const std::string &text) = 0;
    virtual void SetBusyCursor(bool on) = 0;
};

class DesktopPlatform {
public:
    virtual ~DesktopPlatform() = default;

    // "Vellory Christian Edition".
    virtual std::string ApplicationTitle() const;
    // 1.0.0.
    virtual AppVersion ApplicationVersion() const;

    // A modal box with one OK button, titled with ApplicationTitle; returns when closed.
    virtual void ShowMessageBox(const std::string &text) = 0;
    // Hourglass on, or back to the default pointer, for the whole application.
    virtual void SetBusyCursor(bool on) = 0;

    // True for an existing ordinary file only.
    virtual bool FileExists(const std::string &path) = 0;
    // Starts the program named by the command line in a normal, focused window and returns
    // without waiting. Throws AppFailure when the program cannot be started.
    virtual void RunProgram(const std::string &commandLine) = 0;
    // Opens a document or URL with the shell ("Open"). The outcome is not reported.
    virtual void OpenDocument(const std::string &verb, const std::string &url) = 0;
    // "Desktop", "StartMenu" or "Favorites": the folder's full path, no trailing separator.
    virtual std::string SpecialFolderPath(const std::string &name) = 0;
    // Creates or replaces the file with the given lines, each ended by CR LF. The target is
    // afterwards either wholly the old file or wholly the new one. Throws AppFailure.
    virtual void WriteTextFile(const std::string &path, const std::vector<std::string> &lines) = 0;

    // Registry. Each returns a status number (kErrorSuccess when it worked).
    virtual long RegOpenKeyEx(
        RegKey root, const std::string &subKey, std::uint32_t options, std::uint32_t access, RegKey *result)
        = 0;
    // On entry *byteCount is the buffer's size; on return the data's size. Data larger than
    // the buffer gives kErrorMoreData with *byteCount set to the size needed.
    virtual long RegQueryValueEx(
        RegKey key, const std::string &valueName, std::uint32_t *type, std::uint8_t *data, std::uint32_t *byteCount)
        = 0;
    // Opens the key, creating it and any missing parents.
    virtual long RegCreateKey(RegKey root, const std::string &subKey, RegKey *result) = 0;
    // Stores exactly the bytes given, replacing a value of that name whatever its type.
    virtual long RegSetValueEx(
        RegKey key, const std::string &valueName, std::uint32_t type, const std::uint8_t *data, std::uint32_t byteCount)
        = 0;
    virtual long RegCloseKey(RegKey key) = 0;

    // The desktop-wallpaper call. Returns the system's success flag.
    virtual bool SystemParametersInfo(
        std::uint32_t action, std::uint32_t uiParam, const std::string &pvParam, std::uint32_t winIni)
        = 0;
};

// The platform of the running program. Tests install their own with PlatformOverride.
DesktopPlatform &Platform();

// Builds the backend that CMake chose for this system.
std::unique_ptr<DesktopPlatform> CreateSystemPlatform(UserInterfaceServices &ui);

// Installs a platform for the lifetime of the object, restoring the previous one after.
class PlatformOverride {
public:
    explicit PlatformOverride(DesktopPlatform &platform);
    ~PlatformOverride();
    PlatformOverride(const PlatformOverride &) = delete;
    PlatformOverride &operator=(const PlatformOverride &) = delete;

private:
    DesktopPlatform *m_previous;
};

// Sets the platform returned by Platform(); the program does this once at start-up.
void InstallPlatform(DesktopPlatform *platform);

}  // namespace vellory
