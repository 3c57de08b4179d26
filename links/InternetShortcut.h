#pragma once

// Internet shortcuts: small INI files that the shell shows as links to a web address.
//
//   [InternetShortcut]<CR><LF>
//   URL=<address><CR><LF>
//
// Nothing else: no byte-order mark, no other key. The file name is the shortcut name
// followed by ".url".

#include <string>
#include <string_view>

namespace vellory {

class DesktopPlatform;

// The shell folder that receives a shortcut.
enum class ShortcutTarget { Desktop, StartMenu, Favorites };

// The name under which the platform is asked for the target's folder.
const char *SpecialFolderName(ShortcutTarget target);

// Removes blanks (U+0020 only) from both ends; tabs and inner blanks stay.
std::string TrimBlanks(std::string_view text);

// The writer, with the working values that each shortcut window keeps for it.
class ShortcutWriter {
public:
    // Places the shortcut in the target folder at once, replacing a file of that name.
    // The busy pointer shows while it works. A failure throws AppFailure; the existing file,
    // if any, is then left as it was, and the pointer is restored.
    void WriteInternetShortcut(ShortcutTarget target, const std::string &shortcutName, const std::string &url);

    // The last write's values. Nothing reads them back; each write sets them afresh.
    const std::string &folderPath() const { return m_folderPath; }
    int fileNumber() const { return m_fileNumber; }
    bool holdsShell() const { return m_shell != nullptr; }
    const std::string &shortcutName() const { return m_shortcutName; }
    const std::string &url() const { return m_url; }

private:
    std::string m_folderPath;
    int m_fileNumber = 0;
    DesktopPlatform *m_shell = nullptr;  // the folder service, held for one write only
    std::string m_shortcutName;
    std::string m_url;
};

}  // namespace vellory
