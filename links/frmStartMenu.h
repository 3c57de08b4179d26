#pragma once

#include "links/ShortcutWindow.h"

namespace vellory {

// Places a shortcut to a site in the Start Menu, one click per site.
class frmStartMenu : public ShortcutWindow {
    Q_OBJECT
public:
    explicit frmStartMenu(QWidget *parent = nullptr);
};

}  // namespace vellory
