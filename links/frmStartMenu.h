#pragma once

#include <QWidget>

namespace vellory {

// Placeholder until the window is built.
class frmStartMenu : public QWidget {
    Q_OBJECT
public:
    explicit frmStartMenu(QWidget *parent = nullptr);
};

}  // namespace vellory
