#pragma once

// The grid of 24 site buttons that the Desktop Shortcuts, Start Menu, Favorites Menu and
// Home Page windows share: four columns by six rows, each site in the same cell, with the
// same caption, tooltip and picture in every window.

#include <QList>
#include <QString>

#include <functional>
#include <span>
#include <string_view>

class QWidget;

namespace vellory {

class PictureButton;
struct SiteEntry;

struct SiteButtonInfo {
    std::string_view key;  // the catalogue entry, and the button's name
    int row;               // 0..5
    int column;            // 0..3
    const char *caption;   // UTF-8
    const char *toolTip;   // UTF-8
    const char *picture;   // resource alias
};

// In grid order, row by row.
std::span<const SiteButtonInfo> SiteButtons();

// The keys in keyboard order. It follows no pattern of the grid.
std::span<const std::string_view> SiteKeyboardOrder();

// Columns stand 2520, 2520 and 2400 twips apart; rows 960.
inline constexpr int kSiteColumnOffsets[4] = {0, 2520, 5040, 7440};
inline constexpr int kSiteRowStep = 960;
inline constexpr int kSiteButtonWidth = 1700;
inline constexpr int kSiteButtonHeight = 650;

struct SiteGridOptions {
    int firstLeft;  // twips, inside the frame
    int firstTop;
    // The Desktop Shortcuts window shows the evangelist's name after one blank.
    bool blankBeforeEvangelist = false;
};

// Adds the 24 buttons to frame and calls onClick with the button's catalogue entry when one
// is clicked. Returns the buttons in keyboard order.
QList<PictureButton *> AddSiteGrid(
    QWidget *frame, const SiteGridOptions &options, const std::function<void(const SiteEntry &)> &onClick);

}  // namespace vellory
