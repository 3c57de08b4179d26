#include "frmDesktopBackground.h"

#include "platform/qt/WindowKit.h"

#include <QIcon>

namespace vellory {

frmDesktopBackground::frmDesktopBackground(QWidget *parent)
    : QWidget(parent)
{
    SetupWindow(this, "frmDesktopBackground", QStringLiteral("Desktop Background"), WindowBorder::FixedSingle, 10080, 7335);
    setWindowIcon(SharedWindowIcon());
}

}  // namespace vellory
