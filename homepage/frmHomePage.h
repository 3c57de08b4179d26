#pragma once

#include <QWidget>

namespace vellory {

// Placeholder until the window is built.
class frmHomePage : public QWidget {
    Q_OBJECT
public:
    explicit frmHomePage(QWidget *parent = nullptr);
};

}  // namespace vellory
