#pragma once

#include "links/ShortcutWindow.h"

namespace vellory {

// Places a shortcut to a site in the browser's Favorites, one click per site.
class frmFavoritesMenu : public ShortcutWindow {
    Q_OBJECT
public:
    explicit frmFavoritesMenu(QWidget *parent = nullptr);
};

}  // namespace vellory
