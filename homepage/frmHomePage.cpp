#include "frmHomePage.h"

#include "homepage/StartPage.h"
#include "links/SiteCatalogue.h"
#include "links/SiteGrid.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/OKCancelFrame.h"
#include "platform/qt/PictureButton.h"
#include "platform/qt/WindowKit.h"

#include <QGroupBox>
#include <QIcon>

#include <string>

namespace vellory {

frmHomePage::frmHomePage(QWidget *parent)
    : QWidget(parent)
{
    SetupWindow(this, "frmHomePage", QStringLiteral("Home Page"), WindowBorder::FixedSingle, 10080, 7335);
    setWindowIcon(SharedWindowIcon());

    const QString caption = QStringLiteral("Home Page - Click on picture button to set your Home Page in I.E.");
    QGroupBox *frameHomePage = AddFrame(this, "frameHomePage", caption, 120, 120, 9735, 6135);
    frameHomePage->setFont(ComicSans());
    // The Desktop Shortcuts grid, with the captions of the other site windows.
    const QList<PictureButton *> sites = AddSiteGrid(
        frameHomePage, SiteGridOptions {240, 360, false}, [this](const SiteEntry &site) { Site_Click(site); });

    const OKCancelButtons okCancel
        = AddOKCancelFrame(this, {"frameOKCancel", QRect(120, 6360, 9735, 855), QPoint(7080, 240), QPoint(8400, 240)});

    // Cancel, OK, then the sites in the order all site windows share. Opening on Cancel means
    // an Enter typed right away closes the window instead of replacing the start page.
    QWidget *previous = okCancel.btnOK;
    setTabOrder(okCancel.btnCancel, okCancel.btnOK);
    for (PictureButton *site : sites) {
        setTabOrder(previous, site);
        previous = site;
    }
    okCancel.btnCancel->setFocus();
}

void frmHomePage::Site_Click(const SiteEntry &site)
{
    // Nothing is shown either way: the outcome of the write is not looked at.
    SetIEHomePage(std::string(site.url));
}

}  // namespace vellory
