#pragma once

#include <QWidget>

namespace vellory {

// Placeholder until the window is built.
class frmAbout : public QWidget {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);
};

}  // namespace vellory
