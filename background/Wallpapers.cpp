#include "Wallpapers.h"

#include "platform/DesktopPlatform.h"

#include <array>

namespace vellory {

namespace {

// clang-format off
// Down the columns: alphabetical by caption, ignoring case, but "Easter 1" above "Easter".
// Columns at 240, 2760, 5280, 7680; rows at 240, 1200, 2160, 3120, 4080, 5040.
constexpr std::array<Wallpaper, 24> kWallpapers = {{
    {"Abraham",       "Abraham",          240,  240},
    {"Armor",         "Armor",            240, 1200},
    {"Attitude",      "Attitude",         240, 2160},
    {"BannerOverMe",  "Banner Over Me",   240, 3120},
    {"Beginning",     "Beginning",        240, 4080},
    {"Calvary",       "Calvary",          240, 5040},
    {"Christian",     "Christian",       2760,  240},
    {"Daniel",        "Daniel",          2760, 1200},
    {"Easter1",       "Easter 1",        2760, 2160},
    {"Easter",        "Easter",          2760, 3120},
    {"Fishers",       "Fishers",         2760, 4080},
    {"Flags",         "Flags",           2760, 5040},
    {"Freedom",       "Freedom",         5280,  240},
    {"GotJesus",      "Got Jesus",       5280, 1200},
    {"Hammer",        "Hammer",          5280, 2160},
    {"Heavens",       "Heavens",         5280, 3120},
    {"Knowledge",     "Knowledge",       5280, 4080},
    {"Nativity",      "Nativity",        5280, 5040},
    {"NOTW",          "NOTW",            7680,  240},
    {"Restart",       "Restart",         7680, 1200},
    {"Sky",           "Sky",             7680, 2160},
    {"Stars",         "Stars",           7680, 3120},
    {"Waters",        "Waters",          7680, 4080},
    {"World",         "World",           7680, 5040},
}};
// clang-format on

}  // namespace

std::span<const Wallpaper> Wallpapers()
{
    return kWallpapers;
}

std::string WallpaperPath(std::string_view key)
{
    return std::string(kWallpaperFolder) + std::string(key) + ".bmp";
}

void SetWallpaper(std::string_view key)
{
    Platform().SystemParametersInfo(kSpiSetDeskWallpaper, 0, WallpaperPath(key), kSpifUpdateIniFile);
}

}  // namespace vellory
