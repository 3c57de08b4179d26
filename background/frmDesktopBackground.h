#pragma once

#include <QWidget>

namespace vellory {

// Placeholder until the window is built.
class frmDesktopBackground : public QWidget {
    Q_OBJECT
public:
    explicit frmDesktopBackground(QWidget *parent = nullptr);
};

}  // namespace vellory
