#include "InternetShortcut.h"

#include "platform/DesktopPlatform.h"

#include <vector>

namespace vellory {

namespace {

// Keeps the hourglass up for as long as a write runs, and takes it down however it ends.
class BusyPointer {
public:
    explicit BusyPointer(DesktopPlatform &platform)
        : m_platform(platform)
    {
        m_platform.SetBusyCursor(true);
    }
    ~BusyPointer() { m_platform.SetBusyCursor(false); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

private:
    DesktopPlatform &m_platform;
};

// The file number a write uses: one file at a time is ever open, so it is always the first.
constexpr int kFirstFreeFileNumber = 1;

}  // namespace

const char *SpecialFolderName(ShortcutTarget target)
{
    switch (target) {
    case ShortcutTarget::Desktop:
        return "Desktop";
    case ShortcutTarget::StartMenu:
        return "StartMenu";
    case ShortcutTarget::Favorites:
        return "Favorites";
    }
    return "";
}

std::string TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

void ShortcutWriter::WriteInternetShortcut(
    ShortcutTarget target, const std::string &shortcutName, const std::string &url)
{
    m_shortcutName = shortcutName;
    m_url = url;

    DesktopPlatform &platform = Platform();
    BusyPointer busy(platform);

    m_shell = &platform;
    // Releases the folder service on every way out, as a failed write must not keep it.
    struct ShellRelease {
        DesktopPlatform *&shell;
        ~ShellRelease() { shell = nullptr; }
    } release {m_shell};

    // The folder is used as the shell gives it: not tested, trimmed or normalised.
    m_folderPath = m_shell->SpecialFolderPath(SpecialFolderName(target));
    m_fileNumber = kFirstFreeFileNumber;

    // The separator always goes in, even after a folder that already ends with one.
    const std::string path = m_folderPath + "\\" + TrimBlanks(m_shortcutName) + ".url";
    m_shell->WriteTextFile(path, {"[InternetShortcut]", "URL=" + TrimBlanks(m_url)});
}

}  // namespace vellory
