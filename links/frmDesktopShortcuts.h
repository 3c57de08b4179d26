#pragma once

#include "links/ShortcutWindow.h"

namespace vellory {

// Places a shortcut to a site in the Desktop, one click per site.
class frmDesktopShortcuts : public ShortcutWindow {
    Q_OBJECT
public:
    explicit frmDesktopShortcuts(QWidget *parent = nullptr);
};

}  // namespace vellory
