#include "frmFavoritesMenu.h"

#include "platform/qt/WindowKit.h"

#include <QIcon>

namespace vellory {

frmFavoritesMenu::frmFavoritesMenu(QWidget *parent)
    : QWidget(parent)
{
    SetupWindow(this, "frmFavoritesMenu", QStringLiteral("Favorites"), WindowBorder::FixedSingle, 10080, 7335);
    setWindowIcon(SharedWindowIcon());
}

}  // namespace vellory
