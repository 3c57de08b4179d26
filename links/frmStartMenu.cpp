#include "frmStartMenu.h"

#include "platform/qt/WindowKit.h"

#include <QIcon>

namespace vellory {

frmStartMenu::frmStartMenu(QWidget *parent)
    : QWidget(parent)
{
    SetupWindow(this, "frmStartMenu", QStringLiteral("Start Menu"), WindowBorder::FixedSingle, 10080, 7335);
    setWindowIcon(SharedWindowIcon());
}

}  // namespace vellory
