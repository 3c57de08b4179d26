#pragma once

#include <QWidget>

namespace vellory {

struct Wallpaper;

// Sets the desktop wallpaper to one of 24 pictures, one click per picture. The window keeps
// nothing: each click acts at once, and OK and Cancel only close it.
class frmDesktopBackground : public QWidget {
    Q_OBJECT
public:
    explicit frmDesktopBackground(QWidget *parent = nullptr);

private:
    void Picture_Click(const Wallpaper &wallpaper);
};

}  // namespace vellory
