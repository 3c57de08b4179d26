#pragma once

// Every window of the program exists at most once. Showing one creates it when it is not
// open and otherwise brings the open one forward; closing destroys it, so the next show
// builds it fresh. Windows have no owner and never wait modally.

#include <QPointer>
#include <QWidget>

namespace vellory {

template <class Window> QPointer<Window> &SingleWindowSlot()
{
    static QPointer<Window> window;
    return window;
}

// The open window of this kind, or nullptr.
template <class Window> Window *OpenWindow()
{
    return SingleWindowSlot<Window>().data();
}

template <class Window> Window *ShowSingleWindow()
{
    QPointer<Window> &slot = SingleWindowSlot<Window>();
    if (!slot) {
        slot = new Window();
        slot->setAttribute(Qt::WA_DeleteOnClose);
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
    return slot.data();
}

}  // namespace vellory
