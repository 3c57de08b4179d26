#include "frmDesktopShortcuts.h"

#include "platform/qt/WindowKit.h"

#include <QIcon>

namespace vellory {

frmDesktopShortcuts::frmDesktopShortcuts(QWidget *parent)
    : QWidget(parent)
{
    SetupWindow(this, "frmDesktopShortcuts", QStringLiteral("Desktop Shortcuts"), WindowBorder::FixedSingle, 10080, 7335);
    setWindowIcon(SharedWindowIcon());
}

}  // namespace vellory
