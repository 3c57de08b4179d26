#include "app/Form1.h"
#include "app/SystemInfo.h"
#include "app/frmAbout.h"
#include "platform/qt/SingleWindow.h"
#include "platform/qt/Twips.h"
#include "platform/qt/WindowKit.h"
#include "support/GuiTest.h"
#include "support/WindowChecks.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

using namespace vellory;
using namespace vellory::test;

namespace {

// A platform with another title and version, noting when the window asks for them.
class OtherProductPlatform : public RecordingPlatform {
public:
    using RecordingPlatform::RecordingPlatform;

    std::string ApplicationTitle() const override
    {
        asked.push_back("title");
        return "Other Product";
    }

    AppVersion ApplicationVersion() const override
    {
        asked.push_back("version");
        if (versionFails)
            throw AppFailure(1009, "The version cannot be read");
        return AppVersion {2, 10, 3};
    }

    mutable std::vector<std::string> asked;
    bool versionFails = false;
};

const QString kDescription = QStringLiteral(
    "Vellory Christian Edition provides parents and children the ability to easily put the favorite Christian "
    "website links on their desktop, favorites menu and start menu. It also allows customization of the I.E. "
    "Desktop and I.E. Home Page.");

}  // namespace

class TestAbout : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GuiFixture> m_fixture;
    Form1 *m_form = nullptr;

    // Help > About through its shortcut, as the user opens it.
    frmAbout *openFromMainWindow()
    {
        m_form->activateWindow();
        if (!QTest::qWaitForWindowActive(m_form))
            return nullptr;
        QTest::keyClick(m_form, Qt::Key_O, Qt::ControlModifier);
        frmAbout *about = OpenWindow<frmAbout>();
        if (!about || !QTest::qWaitForWindowActive(about))
            return nullptr;
        return about;
    }

    template <class T> T *control(const char *name)
    {
        return OpenWindow<frmAbout>()->findChild<T *>(QString::fromLatin1(name));
    }

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
        frmAbout *about = openFromMainWindow();
        QVERIFY(about);
        // A tool window: a title bar with the close box only, and no taskbar entry.
        VerifyWindowKind(about,
            {.title = "About Vellory Christian Edition",
                .clientTwips = {5730, 3555},
                .fixedSize = true,
                .type = Qt::Tool,
                .with = Qt::WindowCloseButtonHint,
                .without = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint,
                .iconPixels = 32,
                // A window frame may shift it by its own few pixels.
                .centring = Centring::Frame,
                .centreSlack = 3});
        QVERIFY(!about->isModal());
        QVERIFY(!about->parentWidget());
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");  // null: checked on its own
        QTest::addColumn<bool>("black");

        // clang-format off
        QTest::newRow("picIcon")        << "picIcon"        << "QLabel"      << QRect(240, 240, 540, 540)    << ""                          << false;
        QTest::newRow("lblTitle")       << "lblTitle"       << "QLabel"      << QRect(1050, 240, 3885, 480)  << "Vellory Christian Edition" << true;
        QTest::newRow("lblVersion")     << "lblVersion"     << "QLabel"      << QRect(1050, 780, 3885, 225)  << "Version 1.0.0"             << false;
        QTest::newRow("lblDescription") << "lblDescription" << "QLabel"      << QRect(1050, 1125, 3885, 1170) << kDescription               << true;
        QTest::newRow("lblDisclaimer")  << "lblDisclaimer"  << "QLabel"      << QRect(255, 2625, 3870, 825)  << QString()                   << true;
        QTest::newRow("cmdOK")          << "cmdOK"          << "QPushButton" << QRect(4245, 2625, 1260, 345) << "OK"                        << false;
        QTest::newRow("cmdSysInfo")     << "cmdSysInfo"     << "QPushButton" << QRect(4260, 3075, 1245, 345) << "&System Info..."           << false;
        // clang-format on
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        QFETCH(bool, black);

        QVERIFY(openFromMainWindow());
        QWidget *widget = control<QWidget>(name.toLatin1().constData());
        QVERIFY(widget);
        QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), kind);
        QCOMPARE(widget->parentWidget(), OpenWindow<frmAbout>());
        QCOMPARE(widget->geometry(), FromTwips(twips));
        VerifyFont(widget, "Comic Sans MS", 8.25, false);
        if (black)
            QCOMPARE(widget->palette().color(QPalette::WindowText), QColor(Qt::black));
        const QString actual
            = kind == "QLabel" ? qobject_cast<QLabel *>(widget)->text() : qobject_cast<QPushButton *>(widget)->text();
        if (!text.isNull())
            QCOMPARE(actual, text);
    }

    void disclaimerWarnsWithYearPatentAndTrademark()
    {
        QVERIFY(openFromMainWindow());
        auto *disclaimer = control<QLabel>("lblDisclaimer");
        const QString text = disclaimer->text();
        QVERIFY2(text.startsWith("Warning"), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Copyright \u00A9 2026")), qPrintable(text));
        QVERIFY2(text.contains("Patent pending"), qPrintable(text));
        QVERIFY2(text.contains("trademark"), qPrintable(text));
        // The whole warning fits its box.
        QVERIFY(disclaimer->wordWrap());
        QVERIFY(disclaimer->heightForWidth(disclaimer->width()) <= disclaimer->height());
    }

    void iconAtItsOwnSize()
    {
        QVERIFY(openFromMainWindow());
        auto *icon = control<QLabel>("picIcon");
        QVERIFY(!icon->hasScaledContents());
        QCOMPARE(icon->alignment(), Qt::AlignLeft | Qt::AlignTop);
        const QImage shown = icon->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), QSize(32, 32));
        QCOMPARE(shown, SharedWindowIcon().pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_RGB32));
    }

    void etchedSeparator_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("from");  // twips
        QTest::addColumn<int>("toX");      // twips, not drawn
        QTest::addColumn<int>("pixels");
        QTest::addColumn<QColor>("colour");

        QTest::newRow("index 1: grey") << "Line1_1" << QPoint(90, 2445) << 5654 << 1 << QColor(128, 128, 128);
        QTest::newRow("index 0: white") << "Line1_0" << QPoint(105, 2460) << 5654 << 2 << QColor(255, 255, 255);
    }

    void etchedSeparator()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, from);
        QFETCH(int, toX);
        QFETCH(int, pixels);
        QFETCH(QColor, colour);

        frmAbout *about = openFromMainWindow();
        QVERIFY(about);
        QWidget *line = control<QWidget>(name.toLatin1().constData());
        QVERIFY(line);
        const QRect expected(Twips(from.x()), Twips(from.y()), Twips(toX) - Twips(from.x()), pixels);
        QCOMPARE(line->geometry(), expected);

        // What is on the screen: the line's colour over its whole length and thickness, and
        // something else just below it, so the two halves read as one etched groove.
        const QImage shot = about->grab().toImage();
        QCOMPARE(shot.size(), about->size());
        for (int y = expected.top(); y <= expected.bottom(); ++y) {
            for (int x : {expected.left(), expected.center().x(), expected.right()})
                QCOMPARE(QColor(shot.pixel(x, y)), colour);
        }
        QVERIFY(QColor(shot.pixel(expected.center().x(), expected.bottom() + 1)) != colour);
    }

    void textsAreSetAtLoadFromThePlatform()
    {
        QTemporaryDir dir;
        OtherProductPlatform platform(dir.path().toStdString());
        PlatformOverride installed(platform);

        frmAbout *about = openFromMainWindow();
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QStringLiteral("About Other Product"));
        QCOMPARE(control<QLabel>("lblVersion")->text(), QStringLiteral("Version 2.10.3"));
        QCOMPARE(control<QLabel>("lblTitle")->text(), QStringLiteral("Other Product"));
        // Caption, then version, then title.
        QCOMPARE(platform.asked, (std::vector<std::string> {"title", "version", "title"}));
    }

    void failureWhileLoadingEndsTheProgram()
    {
        QTemporaryDir dir;
        OtherProductPlatform platform(dir.path().toStdString());
        platform.versionFails = true;
        PlatformOverride installed(platform);

        QTest::keyClick(m_form, Qt::Key_O, Qt::ControlModifier);

        QCOMPARE(m_fixture->exitStatus, std::optional<int>(kFailureExitStatus));
        QCOMPARE(platform.ui().messageBoxes.size(), std::size_t(1));
        QCOMPARE(platform.ui().messageBoxes[0].second, std::string("Error 1009: The version cannot be read"));
        QVERIFY(!OpenWindow<frmAbout>());
    }

    void closes_data()
    {
        QTest::addColumn<QString>("focus");  // the control with the focus; empty: the window itself
        QTest::addColumn<int>("key");        // 0: a mouse click on cmdOK
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("sysInfo");

        // clang-format off
        QTest::newRow("OK clicked")                  << "cmdOK"      << 0                  << true  << false;
        QTest::newRow("Enter")                       << "cmdOK"      << int(Qt::Key_Return) << true  << false;
        QTest::newRow("keypad Enter")                << "cmdOK"      << int(Qt::Key_Enter)  << true  << false;
        QTest::newRow("Esc")                         << "cmdOK"      << int(Qt::Key_Escape) << true  << false;
        QTest::newRow("Esc on System Info")          << "cmdSysInfo" << int(Qt::Key_Escape) << true  << false;
        QTest::newRow("Enter with no control focused") << ""         << int(Qt::Key_Return) << true  << false;
        QTest::newRow("Enter on System Info")        << "cmdSysInfo" << int(Qt::Key_Return) << false << true;
        // clang-format on
    }

    void closes()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, closes);
        QFETCH(bool, sysInfo);

        frmAbout *about = openFromMainWindow();
        QVERIFY(about);
        // OK has the focus when the window opens.
        QVERIFY(control<QPushButton>("cmdOK")->hasFocus());
        QVERIFY(control<QPushButton>("cmdOK")->isDefault());
        QWidget *target = about;
        if (!focus.isEmpty())
            target = control<QWidget>(focus.toLatin1().constData());
        target->setFocus();
        QCOMPARE(QApplication::focusWidget(), target);

        if (key == 0)
            QTest::mouseClick(control<QPushButton>("cmdOK"), Qt::LeftButton);
        else
            QTest::keyClick(target, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(!OpenWindow<frmAbout>(), closes);
        QCOMPARE(m_fixture->platform().ui().messageBoxes.size(), std::size_t(sysInfo ? 1 : 0));
        // Closing the About window leaves the main window alone.
        QVERIFY(m_form->isVisible());
    }

    void oneWindowAtATime()
    {
        frmAbout *first = openFromMainWindow();
        QVERIFY(first);
        frmAbout *second = openFromMainWindow();
        QCOMPARE(second, first);
        QCOMPARE(CountTopLevels("frmAbout"), 1);

        // Closed, it opens fresh the next time.
        QTest::keyClick(first, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(CountTopLevels("frmAbout"), 0);
        QVERIFY(openFromMainWindow());
        QCOMPARE(CountTopLevels("frmAbout"), 1);
        QCOMPARE(control<QLabel>("lblVersion")->text(), QStringLiteral("Version 1.0.0"));
    }

    void systemInfoWithEmptyStoreSaysUnavailable_data()
    {
        QTest::addColumn<bool>("accessKey");
        QTest::newRow("clicked") << false;
        QTest::newRow("Alt+S") << true;
    }

    void systemInfoWithEmptyStoreSaysUnavailable()
    {
        QFETCH(bool, accessKey);
        frmAbout *about = openFromMainWindow();
        QVERIFY(about);
        if (accessKey)
            QTest::keyClick(about, Qt::Key_S, Qt::AltModifier);
        else
            QTest::mouseClick(control<QPushButton>("cmdSysInfo"), Qt::LeftButton);

        // The access key presses the button visibly, which takes a moment.
        RecordingPlatform &platform = m_fixture->platform();
        QTRY_COMPARE(platform.ui().messageBoxes.size(), std::size_t(1));
        QVERIFY(platform.programsStarted.empty());
        QCOMPARE(platform.ui().messageBoxes[0].first, std::string("Vellory Christian Edition"));
        QCOMPARE(platform.ui().messageBoxes[0].second, std::string("System Information Is Unavailable At This Time"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(OpenWindow<frmAbout>(), about);
        QVERIFY(about->isVisible());
        QVERIFY(!m_fixture->exitStatus);
    }

    void systemInfoStartsTheToolEachTime()
    {
        RecordingPlatform &platform = m_fixture->platform();
        RegKey key = 0;
        QCOMPARE(platform.RegCreateKey(HKEY_LOCAL_MACHINE_ROOT, kSysInfoPathKey, &key), kErrorSuccess);
        const std::string tool = "/opt/tools/sysinfo --all";
        QCOMPARE(platform.RegSetValueEx(key, kSysInfoPathValue, kRegSz,
                     reinterpret_cast<const std::uint8_t *>(tool.c_str()), std::uint32_t(tool.size() + 1)),
            kErrorSuccess);
        platform.RegCloseKey(key);

        QVERIFY(openFromMainWindow());
        QTest::mouseClick(control<QPushButton>("cmdSysInfo"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>("cmdSysInfo"), Qt::LeftButton);

        QCOMPARE(platform.programsStarted, (std::vector<std::string> {tool, tool}));
        QVERIFY(platform.ui().messageBoxes.empty());
        QVERIFY(OpenWindow<frmAbout>()->isVisible());
    }
};

VELLORY_GUI_TEST_MAIN(TestAbout)
#include "test_about.moc"
