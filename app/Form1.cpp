#include "Form1.h"

#include "app/frmAbout.h"
#include "background/frmDesktopBackground.h"
#include "homepage/frmHomePage.h"
#include "links/frmDesktopShortcuts.h"
#include "links/frmFavoritesMenu.h"
#include "links/frmStartMenu.h"
#include "platform/DesktopPlatform.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/SingleWindow.h"
#include "platform/qt/Twips.h"
#include "platform/qt/WindowKit.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace vellory {

const char *const Form1::kWebsiteUrl = "http://www.vellory.com";

namespace {

// Every window that Form1 opens, with its button (if any) and its menu twin.
struct WindowCommand {
    const char *button;  // nullptr: menu only
    const char *menuItem;
    void (*show)();
};

// clang-format off
const WindowCommand kWindowCommands[] = {
    {"btnDesktopBackground", "DesktopBackground", [] { ShowSingleWindow<frmDesktopBackground>(); }},
    {"btnDesktopShortcuts",  "DesktopShortcuts",  [] { ShowSingleWindow<frmDesktopShortcuts>(); }},
    {"btnStartMenu",         "StartMenu",         [] { ShowSingleWindow<frmStartMenu>(); }},
    {"btnFavoritesMenu",     "FavoritesMenu",     [] { ShowSingleWindow<frmFavoritesMenu>(); }},
    {"btnHomePage",          "IEHomePage",        [] { ShowSingleWindow<frmHomePage>(); }},
    {nullptr,                "AboutVellory",      [] { ShowSingleWindow<frmAbout>(); }},
};

struct MenuItem {
    const char *menu;
    const char *name;
    const char *caption;
    QKeyCombination shortcut;
};

const MenuItem kMenuItems[] = {
    {"File",           "Close",             "&Close",               Qt::CTRL | Qt::Key_F4},
    {"VelloryOptions", "DesktopBackground", "Desktop &Background",  Qt::CTRL | Qt::Key_B},
    {"VelloryOptions", "DesktopShortcuts",  "Desktop &Shortcuts",   Qt::CTRL | Qt::Key_S},
    {"VelloryOptions", "FavoritesMenu",     "&Favorites Menu",      Qt::CTRL | Qt::Key_A},
    {"VelloryOptions", "IEHomePage",        "I.E. &Home Page",      Qt::CTRL | Qt::Key_P},
    {"VelloryOptions", "StartMenu",         "Start &Menu",          Qt::CTRL | Qt::Key_M},
    {"Help",           "AboutVellory",      "Ab&out Vellory",       Qt::CTRL | Qt::Key_O},
    {"Help",           "VelloryWebsite",    "&Vellory Website",     Qt::CTRL | Qt::Key_K},
};

const struct {
    const char *name;
    const char *caption;
} kMenus[] = {
    {"File",           "&File"},
    {"VelloryOptions", "&Vellory Options"},
    {"Help",           "&Help"},
};
// clang-format on

const QString kDescription = QStringLiteral(
    "Vellory  - Christian Edition provides the following options so that you can add links to the best Christian "
    "websites for Everyone on the internet. There are over 20 links to add to your computer. You can choose from 1 "
    "to all of them for each area. You can also change your desktop image and your Internet Explorer Home Page.");

}  // namespace

Form1::Form1(QWidget *parent)
    : QMainWindow(parent)
{
    SetupWindow(this, "Form1", QStringLiteral("Vellory - Christian Edition"), WindowBorder::Sizable, 9930, 6885);
    setWindowIcon(QIcon(QStringLiteral(":/icons/main")));
    setFont(ComicSans());

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    BuildControls(client);
    BuildMenus();

    for (const WindowCommand &command : kWindowCommands) {
        if (command.button) {
            auto *button = client->findChild<QPushButton *>(QString::fromLatin1(command.button));
            connect(button, &QPushButton::clicked, this, [show = command.show] { show(); });
        }
        auto *action = findChild<QAction *>(QString::fromLatin1(command.menuItem));
        connect(action, &QAction::triggered, this, [show = command.show] { show(); });
    }
    connect(findChild<QAction *>(QStringLiteral("Close")), &QAction::triggered, this, &QWidget::close);
    connect(findChild<QAction *>(QStringLiteral("VelloryWebsite")), &QAction::triggered, this,
        &Form1::VelloryWebsite_Click);

    // The client area is the window minus its menu bar.
    resize(width(), height() + menuBar()->sizeHint().height());
    CenterOnScreen(this);
}

void Form1::BuildControls(QWidget *client)
{
    QGroupBox *frameOptions = AddFrame(client, "frameOptions", QStringLiteral("Vellory Options"), 120, 120, 9735, 5655);
    QLabel *description = AddLabel(frameOptions, "Label", kDescription, 240, 360, 9255, 1095);
    description->setWordWrap(true);

    QGroupBox *desktop = AddFrame(frameOptions, "Frame1", QStringLiteral("Desktop"), 240, 1080, 4500, 4335);
    AddCommandButton(desktop, "btnDesktopShortcuts", QStringLiteral("Desktop &Shortcuts..."), 360, 1800, 3615, 855);
    AddCommandButton(desktop, "btnStartMenu", QStringLiteral("Start &Menu..."), 360, 3120, 3615, 855);

    // These stand in front of the frames behind them.
    AddCommandButton(client, "btnDesktopBackground", QStringLiteral("Desktop &Background..."), 720, 1800, 3615, 855)
        ->raise();
    QGroupBox *browser
        = AddFrame(client, "frameBrowserOptions", QStringLiteral("I.E. Browser"), 5160, 1200, 4433, 4335);
    browser->raise();
    AddCommandButton(browser, "btnHomePage", QStringLiteral("Home &Page..."), 360, 600, 3615, 855);
    AddCommandButton(browser, "btnFavoritesMenu", QStringLiteral("F&avorites Menu"), 360, 1800, 3615, 855);

    AddFrame(client, "frameOKCancel", QString(), 120, 5880, 9735, 855);
    QPushButton *btnOK = AddCommandButton(client, "btnOK", QStringLiteral("&OK"), 7200, 6120, 1215, 495);
    QPushButton *btnCancel = AddCommandButton(client, "btnCancel", QStringLiteral("&Cancel"), 8520, 6120, 1215, 495);
    btnOK->raise();
    btnCancel->raise();
    connect(btnOK, &QPushButton::clicked, this, &QWidget::close);
    connect(btnCancel, &QPushButton::clicked, this, &QWidget::close);
    SetCancelButton(this, btnCancel);
}

void Form1::BuildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    for (const auto &menuInfo : kMenus) {
        QMenu *menu = bar->addMenu(QString::fromLatin1(menuInfo.caption));
        menu->setObjectName(QString::fromLatin1(menuInfo.name));
        menu->menuAction()->setObjectName(QString::fromLatin1(menuInfo.name) + QStringLiteral("Menu"));
        for (const MenuItem &item : kMenuItems) {
            if (qstrcmp(item.menu, menuInfo.name) != 0)
                continue;
            QAction *action = menu->addAction(QString::fromLatin1(item.caption));
            action->setObjectName(QString::fromLatin1(item.name));
            action->setShortcut(QKeySequence(item.shortcut));
            action->setShortcutContext(Qt::WindowShortcut);
        }
    }
}

void Form1::VelloryWebsite_Click()
{
    Platform().OpenDocument("Open", kWebsiteUrl);
}

}  // namespace vellory
