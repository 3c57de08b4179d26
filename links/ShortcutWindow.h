#pragma once

// The window that places Internet shortcuts, one site per click, in one shell folder. The
// Desktop Shortcuts, Start Menu and Favorites Menu windows are this window; they differ only
// in the rows of a layout table (ShortcutWindow.cpp).

#include "links/InternetShortcut.h"
#include "platform/qt/OKCancelFrame.h"

#include <QWidget>

namespace vellory {

class PictureButton;
struct SiteEntry;

// Everything in which the shortcut windows differ. Positions and sizes are in twips.
struct ShortcutWindowLayout {
    struct Box {
        int left;
        int top;
        int width;
        int height;
    };
    struct Position {
        int left;
        int top;
    };
    enum class Button { OK, Cancel };

    ShortcutTarget target;
    const char *objectName;
    const char *title;
    const char *siteFrameName;
    const char *siteFrameCaption;
    Box siteFrame;
    Position gridOrigin;  // the first column's left and first row's top, inside the site frame
    bool blankBeforeEvangelist;
    OKCancelLayout okCancel;      // the frame in the window; OK and Cancel in their container
    Button firstInKeyboardOrder;  // the other one follows it, then the sites
    Button focusOnOpening;
};

class ShortcutWindow : public QWidget {
    Q_OBJECT
public:
    ShortcutTarget target() const { return m_layout.target; }

    // The writer's working values from the last site click.
    const ShortcutWriter &writer() const { return m_writer; }

protected:
    ShortcutWindow(ShortcutTarget target, QWidget *parent);

    void showEvent(QShowEvent *event) override;

private:
    void Site_Click(const SiteEntry &site);

    const ShortcutWindowLayout &m_layout;
    ShortcutWriter m_writer;
    PictureButton *m_btnOK = nullptr;
    PictureButton *m_btnCancel = nullptr;
};

}  // namespace vellory
