#pragma once

#include <QWidget>

namespace vellory {

struct SiteEntry;

// Makes a catalogued site the browser's start page, one click per site. The window keeps
// nothing: each click writes at once, and OK and Cancel only close it.
class frmHomePage : public QWidget {
    Q_OBJECT
public:
    explicit frmHomePage(QWidget *parent = nullptr);

private:
    void Site_Click(const SiteEntry &site);
};

}  // namespace vellory
