#pragma once

#include <QWidget>

namespace vellory {

// Placeholder until the window is built.
class frmDesktopShortcuts : public QWidget {
    Q_OBJECT
public:
    explicit frmDesktopShortcuts(QWidget *parent = nullptr);
};

}  // namespace vellory
