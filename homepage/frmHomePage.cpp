#include "frmHomePage.h"

#include "platform/qt/WindowKit.h"

#include <QIcon>

namespace vellory {

frmHomePage::frmHomePage(QWidget *parent)
    : QWidget(parent)
{
    SetupWindow(this, "frmHomePage", QStringLiteral("Home Page"), WindowBorder::FixedSingle, 10080, 7335);
    setWindowIcon(SharedWindowIcon());
}

}  // namespace vellory
