#include "app/Form1.h"
#include "app/frmAbout.h"
#include "background/frmDesktopBackground.h"
#include "homepage/frmHomePage.h"
#include "links/frmDesktopShortcuts.h"
#include "links/frmFavoritesMenu.h"
#include "links/frmStartMenu.h"
#include "platform/qt/SingleWindow.h"
#include "platform/qt/Twips.h"
#include "support/GuiTest.h"
#include "support/WindowChecks.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace vellory;
using namespace vellory::test;

class TestForm1 : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GuiFixture> m_fixture;
    Form1 *m_form = nullptr;

    QWidget *client() { return m_form->centralWidget(); }

private slots:
    void init()
    {
        m_fixture = std::make_unique<GuiFixture>();
        m_form = ShowSingleWindow<Form1>();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
    }

    void cleanup() { m_fixture.reset(); }

    void window()
    {
        VerifyWindowKind(m_form,
            {.title = "Vellory - Christian Edition",
                .clientTwips = {9930, 6885},
                .fixedSize = false,
                .type = Qt::Window,
                .with = Qt::WindowMinimizeButtonHint,
                .without = Qt::WindowMaximizeButtonHint,
                .iconPixels = 64});
        QCOMPARE(m_form->font().family(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(m_form->font().pointSizeF(), 8.25);
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("caption");

        // clang-format off
        QTest::newRow("frameOptions")         << "frameOptions"         << "client"              << QRect(120, 120, 9735, 5655)  << "Vellory Options";
        QTest::newRow("Label")                << "Label"                << "frameOptions"        << QRect(240, 360, 9255, 1095)  << QString();
        QTest::newRow("Frame1")               << "Frame1"               << "frameOptions"        << QRect(240, 1080, 4500, 4335) << "Desktop";
        QTest::newRow("btnDesktopShortcuts")  << "btnDesktopShortcuts"  << "Frame1"              << QRect(360, 1800, 3615, 855)  << "Desktop &Shortcuts...";
        QTest::newRow("btnStartMenu")         << "btnStartMenu"         << "Frame1"              << QRect(360, 3120, 3615, 855)  << "Start &Menu...";
        QTest::newRow("btnDesktopBackground") << "btnDesktopBackground" << "client"              << QRect(720, 1800, 3615, 855)  << "Desktop &Background...";
        QTest::newRow("frameBrowserOptions")  << "frameBrowserOptions"  << "client"              << QRect(5160, 1200, 4433, 4335) << "I.E. Browser";
        QTest::newRow("btnHomePage")          << "btnHomePage"          << "frameBrowserOptions" << QRect(360, 600, 3615, 855)   << "Home &Page...";
        QTest::newRow("btnFavoritesMenu")     << "btnFavoritesMenu"     << "frameBrowserOptions" << QRect(360, 1800, 3615, 855)  << "F&avorites Menu";
        QTest::newRow("frameOKCancel")        << "frameOKCancel"        << "client"              << QRect(120, 5880, 9735, 855)  << "";
        QTest::newRow("btnOK")                << "btnOK"                << "client"              << QRect(7200, 6120, 1215, 495) << "&OK";
        QTest::newRow("btnCancel")            << "btnCancel"            << "client"              << QRect(8520, 6120, 1215, 495) << "&Cancel";
        // clang-format on
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, twips);
        QFETCH(QString, caption);

        QWidget *control = client()->findChild<QWidget *>(name);
        QVERIFY(control);
        VerifyPlace(control, container, twips);
        QCOMPARE(control->font().family(), QStringLiteral("Comic Sans MS"));
        QCOMPARE(control->font().pointSizeF(), 8.25);
        if (auto *frame = qobject_cast<QGroupBox *>(control))
            QCOMPARE(frame->title(), caption);
        else if (auto *button = qobject_cast<QPushButton *>(control))
            QCOMPARE(button->text(), caption);
    }

    void descriptionText()
    {
        QCOMPARE(client()->findChild<QLabel *>("Label")->text(),
            QStringLiteral("Vellory  - Christian Edition provides the following options so that you can add "
                           "links to the best Christian websites for Everyone on the internet. There are over "
                           "20 links to add to your computer. You can choose from 1 to all of them for each "
                           "area. You can also change your desktop image and your Internet Explorer Home Page."));
    }

    void buttonsInWindowCoordinates()
    {
        // The Desktop column at x 720 and the I.E. Browser column at x 5520.
        const struct {
            const char *name;
            int x, y;
        } expected[] = {{"btnDesktopBackground", 720, 1800}, {"btnDesktopShortcuts", 720, 3000},
            {"btnStartMenu", 720, 4320}, {"btnHomePage", 5520, 1800}, {"btnFavoritesMenu", 5520, 3000}};
        for (const auto &e : expected) {
            QWidget *button = client()->findChild<QWidget *>(e.name);
            QCOMPARE(button->mapTo(client(), QPoint(0, 0)), TwipsPoint(e.x, e.y));
        }
    }

    void menus()
    {
        const QList<QAction *> menus = m_form->menuBar()->actions();
        QCOMPARE(menus.size(), 3);
        const QStringList titles = {"&File", "&Vellory Options", "&Help"};
        const QStringList names = {"File", "VelloryOptions", "Help"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(menus[i]->text(), titles[i]);
            QCOMPARE(menus[i]->menu()->objectName(), names[i]);
        }
    }

    void menuItems_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<int>("position");
        // clang-format off
        QTest::newRow("Close")             << "File"           << "Close"             << "&Close"              << QKeySequence("Ctrl+F4") << 0;
        QTest::newRow("DesktopBackground") << "VelloryOptions" << "DesktopBackground" << "Desktop &Background" << QKeySequence("Ctrl+B") << 0;
        QTest::newRow("DesktopShortcuts")  << "VelloryOptions" << "DesktopShortcuts"  << "Desktop &Shortcuts"  << QKeySequence("Ctrl+S") << 1;
        QTest::newRow("FavoritesMenu")     << "VelloryOptions" << "FavoritesMenu"     << "&Favorites Menu"     << QKeySequence("Ctrl+A") << 2;
        QTest::newRow("IEHomePage")        << "VelloryOptions" << "IEHomePage"        << "I.E. &Home Page"     << QKeySequence("Ctrl+P") << 3;
        QTest::newRow("StartMenu")         << "VelloryOptions" << "StartMenu"         << "Start &Menu"         << QKeySequence("Ctrl+M") << 4;
        QTest::newRow("AboutVellory")      << "Help"           << "AboutVellory"      << "Ab&out Vellory"      << QKeySequence("Ctrl+O") << 0;
        QTest::newRow("VelloryWebsite")    << "Help"           << "VelloryWebsite"    << "&Vellory Website"    << QKeySequence("Ctrl+K") << 1;
        // clang-format on
    }

    void menuItems()
    {
        QFETCH(QString, menu);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        QFETCH(int, position);
        auto *owner = m_form->findChild<QMenu *>(menu);
        QVERIFY(owner);
        QAction *item = owner->actions().value(position);
        QVERIFY(item);
        QCOMPARE(item->objectName(), name);
        QCOMPARE(item->text(), caption);
        QCOMPARE(item->shortcut(), shortcut);
        QVERIFY(item->isEnabled());
        QVERIFY(!item->isCheckable());
        QVERIFY(!item->isSeparator());
    }

    void commandsShowOneWindowEach_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<QString>("window");
        QTest::newRow("Desktop Background")
            << "btnDesktopBackground" << QKeySequence("Ctrl+B") << "frmDesktopBackground";
        QTest::newRow("Desktop Shortcuts") << "btnDesktopShortcuts" << QKeySequence("Ctrl+S") << "frmDesktopShortcuts";
        QTest::newRow("Start Menu") << "btnStartMenu" << QKeySequence("Ctrl+M") << "frmStartMenu";
        QTest::newRow("Favorites Menu") << "btnFavoritesMenu" << QKeySequence("Ctrl+A") << "frmFavoritesMenu";
        QTest::newRow("Home Page") << "btnHomePage" << QKeySequence("Ctrl+P") << "frmHomePage";
        QTest::newRow("About") << "" << QKeySequence("Ctrl+O") << "frmAbout";
    }

    void commandsShowOneWindowEach()
    {
        QFETCH(QString, button);
        QFETCH(QKeySequence, shortcut);
        QFETCH(QString, window);

        if (!button.isEmpty()) {
            Click<QPushButton>(client(), button);
            QCOMPARE(CountTopLevels(window), 1);
            QWidget *first = TopLevel(window);
            QVERIFY(QTest::qWaitForWindowActive(first));
            // The button twice, then its menu twin: still the one window, brought forward.
            QApplication::setActiveWindow(m_form);
            Click<QPushButton>(client(), button);
            QCOMPARE(TopLevel(window), first);
            QApplication::setActiveWindow(m_form);
        }
        QTest::keySequence(m_form, shortcut);
        QCOMPARE(CountTopLevels(window), 1);
        QVERIFY(QTest::qWaitForWindowActive(TopLevel(window)));
        // Form1 stays open beside it.
        QVERIFY(m_form->isVisible());
    }

    void everyWindowCanBeOpenAtOnce()
    {
        for (const char *shortcut : {"Ctrl+B", "Ctrl+S", "Ctrl+M", "Ctrl+A", "Ctrl+P", "Ctrl+O"}) {
            QApplication::setActiveWindow(m_form);
            QTest::keySequence(m_form, QKeySequence(shortcut));
        }
        for (const char *name : {"frmDesktopBackground", "frmDesktopShortcuts", "frmStartMenu", "frmFavoritesMenu",
                 "frmHomePage", "frmAbout", "Form1"})
            QVERIFY2(TopLevel(name), name);
    }

    void closingCommands_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK") << "btnOK";
        QTest::newRow("Cancel") << "btnCancel";
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("Ctrl+F4") << "Ctrl+F4";
        QTest::newRow("File > Close") << "Close";
        QTest::newRow("close box") << "closeEvent";
    }

    void closingCommands()
    {
        QFETCH(QString, how);
        QPointer<Form1> form = m_form;
        if (how == "Esc")
            QTest::keyClick(m_form, Qt::Key_Escape);
        else if (how == "Ctrl+F4")
            QTest::keySequence(m_form, QKeySequence("Ctrl+F4"));
        else if (how == "Close")
            m_form->findChild<QAction *>("Close")->trigger();
        else if (how == "closeEvent")
            m_form->close();
        else
            Click<QPushButton>(client(), how);
        QTRY_VERIFY(form.isNull());
        QVERIFY(!OpenWindow<Form1>());
    }

    void closingForm1LeavesOtherWindowsAndTheProgramRunning()
    {
        Click<QPushButton>(client(), "btnStartMenu");
        QWidget *startMenu = TopLevel("frmStartMenu");
        QVERIFY(startMenu);
        QVERIFY(!ProgramEndsAfter([this] { m_form->close(); }));
        QVERIFY(!OpenWindow<Form1>());
        QVERIFY(startMenu->isVisible());
        QVERIFY(ProgramEndsAfter([startMenu] { startMenu->close(); }, 5000));
    }

    void resizingMovesNoControl()
    {
        QList<QPair<QWidget *, QRect>> before;
        for (QWidget *w : client()->findChildren<QWidget *>())
            before.append({w, w->geometry()});
        m_form->resize(m_form->width() + 200, m_form->height() + 150);
        QCoreApplication::processEvents();
        for (const auto &[widget, geometry] : before)
            QCOMPARE(widget->geometry(), geometry);
    }

    void websiteOpensTheHomePageInTheBrowser()
    {
        QTest::keySequence(m_form, QKeySequence("Ctrl+K"));
        const auto &opened = m_fixture->platform().documentsOpened;
        QCOMPARE(opened.size(), size_t(1));
        QCOMPARE(opened[0].first, std::string("Open"));
        QCOMPARE(opened[0].second, std::string("http://www.vellory.com"));
        QVERIFY(m_form->isVisible());
        QVERIFY(m_fixture->platform().ui().messageBoxes.empty());
    }
};

VELLORY_GUI_TEST_MAIN(TestForm1)
#include "test_form1.moc"
