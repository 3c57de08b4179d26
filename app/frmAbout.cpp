#include "frmAbout.h"

#include "platform/qt/WindowKit.h"

#include <QIcon>

namespace vellory {

frmAbout::frmAbout(QWidget *parent)
    : QWidget(parent)
{
    SetupWindow(this, "frmAbout", QStringLiteral("About Vellory Christian Edition"), WindowBorder::FixedDialog, 5730, 3555);
    setWindowIcon(SharedWindowIcon());
}

}  // namespace vellory
