#pragma once

#include <QWidget>

namespace vellory {

// Placeholder until the window is built.
class frmFavoritesMenu : public QWidget {
    Q_OBJECT
public:
    explicit frmFavoritesMenu(QWidget *parent = nullptr);
};

}  // namespace vellory
