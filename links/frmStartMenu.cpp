#include "frmStartMenu.h"

namespace vellory {

frmStartMenu::frmStartMenu(QWidget *parent)
    : ShortcutWindow(ShortcutTarget::StartMenu, parent)
{
}

}  // namespace vellory
