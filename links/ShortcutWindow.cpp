#include "ShortcutWindow.h"

#include "links/SiteCatalogue.h"
#include "links/SiteGrid.h"
#include "platform/DesktopPlatform.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/OKCancelFrame.h"
#include "platform/qt/PictureButton.h"
#include "platform/qt/WindowKit.h"

#include <QGroupBox>
#include <QShowEvent>

#include <string>

namespace vellory {

namespace {

using Button = ShortcutWindowLayout::Button;

// clang-format off
const ShortcutWindowLayout kLayouts[] = {
    {
        .target               = ShortcutTarget::Desktop,
        .objectName           = "frmDesktopShortcuts",
        .title                = "Desktop Shortcuts",
        .siteFrameName        = "frameDesktop",
        .siteFrameCaption     = "Desktop - Click on picture button to add shortcut to your Desktop",
        .siteFrame            = {120, 120, 9735, 6135},
        .gridOrigin           = {240, 360},
        .blankBeforeEvangelist = true,
        // OK at 7200,6480 and Cancel at 8520,6480 in the window.
        .okCancel             = {"frameOKCancel", {120, 6240, 9735, 975}, {7080, 240}, {8400, 240}, " OK",
                                 "Comic Sans MS", false},
        .firstInKeyboardOrder = Button::Cancel,
        .focusOnOpening       = Button::Cancel,
    },
    {
        .target               = ShortcutTarget::StartMenu,
        .objectName           = "frmStartMenu",
        .title                = "Start Menu",
        .siteFrameName        = "lblStartMenu",
        .siteFrameCaption     = "Start Menu - Click on Button Picture to Add Shortcut to the Start Menu",
        .siteFrame            = {120, 120, 9855, 6375},
        .gridOrigin           = {360, 480},
        .blankBeforeEvangelist = false,
        // The frame only draws a border around buttons that stand on the window.
        .okCancel             = {"frameOKCancel", {120, 6480, 9855, 855}, {7320, 6720}, {8640, 6720}, "OK",
                                 "Comic Sans MS", true},
        .firstInKeyboardOrder = Button::Cancel,
        .focusOnOpening       = Button::Cancel,
    },
    {
        .target               = ShortcutTarget::Favorites,
        .objectName           = "frmFavoritesMenu",
        .title                = "Favorites",
        .siteFrameName        = "frameFavorites",
        .siteFrameCaption     = "Favorites - Click on picture button to add shortcuts to your Favorites.",
        .siteFrame            = {120, 120, 9855, 6375},
        .gridOrigin           = {360, 480},
        .blankBeforeEvangelist = false,
        // OK at 7320,6720 and Cancel at 8640,6720 in the window.
        .okCancel             = {"frameOKCancel", {120, 6480, 9855, 855}, {7200, 240}, {8520, 240}, " OK",
                                 "MS Sans Serif", false},
        .firstInKeyboardOrder = Button::OK,
        .focusOnOpening       = Button::OK,
    },
};
// clang-format on

constexpr int kClientWidth = 10080;
constexpr int kClientHeight = 7335;

QGroupBox *AddFrameAt(
    QWidget *parent, const char *objectName, const QString &caption, const ShortcutWindowLayout::Box &box)
{
    return AddFrame(parent, objectName, caption, box.left, box.top, box.width, box.height);
}

const ShortcutWindowLayout &ShortcutWindowLayoutFor(ShortcutTarget target)
{
    for (const ShortcutWindowLayout &layout : kLayouts) {
        if (layout.target == target)
            return layout;
    }
    throw AppFailure(kErrorInvalidParameter, "No shortcut window for this folder");
}

}  // namespace

ShortcutWindow::ShortcutWindow(ShortcutTarget target, QWidget *parent)
    : QWidget(parent)
    , m_layout(ShortcutWindowLayoutFor(target))
{
    SetupWindow(this, m_layout.objectName, QString::fromUtf8(m_layout.title), WindowBorder::FixedSingle, kClientWidth,
        kClientHeight);
    setWindowIcon(SharedWindowIcon());

    QGroupBox *siteFrame
        = AddFrameAt(this, m_layout.siteFrameName, QString::fromUtf8(m_layout.siteFrameCaption), m_layout.siteFrame);
    siteFrame->setFont(ComicSans());
    const QList<PictureButton *> sites = AddSiteGrid(siteFrame,
        SiteGridOptions {m_layout.gridOrigin.left, m_layout.gridOrigin.top, m_layout.blankBeforeEvangelist},
        [this](const SiteEntry &site) { Site_Click(site); });

    const OKCancelButtons okCancel = AddOKCancelFrame(this, m_layout.okCancel);
    m_btnOK = okCancel.btnOK;
    m_btnCancel = okCancel.btnCancel;

    QList<QWidget *> keyboardOrder;
    if (m_layout.firstInKeyboardOrder == Button::OK)
        keyboardOrder << m_btnOK << m_btnCancel;
    else
        keyboardOrder << m_btnCancel << m_btnOK;
    for (PictureButton *site : sites)
        keyboardOrder << site;
    for (qsizetype i = 1; i < keyboardOrder.size(); ++i)
        QWidget::setTabOrder(keyboardOrder[i - 1], keyboardOrder[i]);
}

void ShortcutWindow::showEvent(QShowEvent *event)
{
    // Every opening starts on the same button, whatever had the focus before.
    if (!event->spontaneous()) {
        PictureButton *first = m_layout.focusOnOpening == Button::OK ? m_btnOK : m_btnCancel;
        first->setFocus(Qt::OtherFocusReason);
    }
    QWidget::showEvent(event);
}

void ShortcutWindow::Site_Click(const SiteEntry &site)
{
    const ShortcutTarget target = m_layout.target;
    m_writer.WriteInternetShortcut(target, std::string(site.shortcutName(target)), std::string(site.url));
}

}  // namespace vellory
