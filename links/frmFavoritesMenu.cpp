#include "frmFavoritesMenu.h"

namespace vellory {

frmFavoritesMenu::frmFavoritesMenu(QWidget *parent)
    : ShortcutWindow(ShortcutTarget::Favorites, parent)
{
}

}  // namespace vellory
