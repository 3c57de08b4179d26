#include "QtUserInterface.h"

#include <QApplication>
#include <QMessageBox>

namespace vellory {

void QtUserInterface::ShowMessageBox(const std::string &title, const std::string &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

void QtUserInterface::SetBusyCursor(bool on)
{
    // Pairs nest in Qt; keep at most one hourglass so that "off" always restores the pointer.
    if (on) {
        if (!QApplication::overrideCursor())
            QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }
}

}  // namespace vellory
