#pragma once

// The grid of 24 site buttons that the Desktop Shortcuts, Start Menu, Favorites Menu and
// Home Page windows share: four columns by six rows, each site in the same cell, with the
// same caption, tooltip and picture in every window.

#include <QList>
#include <QString>

#include <functional>

class QWidget;

namespace vellory {

class PictureButton;
struct SiteEntry;

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
