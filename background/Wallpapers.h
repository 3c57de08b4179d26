#pragma once

// The 24 wallpapers offered by the Desktop Background window. The bitmap files themselves
// live in a fixed folder that the program only names: it never opens, tests or creates them.

#include <span>
#include <string>
#include <string_view>

namespace vellory {

inline constexpr const char *kWallpaperFolder = "C:\\share\\Vellory\\Christian\\backgrounds\\";

struct Wallpaper {
    std::string_view key;      // the button's name; the file is key + ".bmp"
    std::string_view caption;  // also the tooltip
    int left;                  // the button's place in its frame, in twips
    int top;
};

// Down the columns of the grid, as the window shows them.
std::span<const Wallpaper> Wallpapers();

// kWallpaperFolder + key + ".bmp".
std::string WallpaperPath(std::string_view key);

// Hands the wallpaper's path to the system. The outcome is not looked at.
void SetWallpaper(std::string_view key);

}  // namespace vellory
