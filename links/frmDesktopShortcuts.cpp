#include "frmDesktopShortcuts.h"

namespace vellory {

frmDesktopShortcuts::frmDesktopShortcuts(QWidget *parent)
    : ShortcutWindow(ShortcutTarget::Desktop, parent)
{
}

}  // namespace vellory
