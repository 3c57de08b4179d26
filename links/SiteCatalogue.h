#pragma once

// The 24 websites the program links to. The list is part of the program: it is never read
// from or written anywhere, and it is the same for every user and every window.

#include "links/InternetShortcut.h"

#include <array>
#include <span>
#include <string_view>

namespace vellory {

struct SiteEntry {
    // Also the name of the site's button in every site window. Unique, ignoring case.
    std::string_view key;
    // The base name of the site's shortcut file in each folder, indexed by ShortcutTarget.
    std::array<std::string_view, 3> shortcutNames;
    // "http://" + host + path, where the path is empty, "/" or "/.../".
    std::string_view url;

    std::string_view shortcutName(ShortcutTarget target) const
    {
        return shortcutNames[static_cast<std::size_t>(target)];
    }
};

// All entries, in alphabetical order of key (ignoring case).
std::span<const SiteEntry> SiteCatalogue();

// The entry with exactly this key. Every site button has one; asking for another key is a
// programming error and throws AppFailure.
const SiteEntry &FindSite(std::string_view key);

}  // namespace vellory
