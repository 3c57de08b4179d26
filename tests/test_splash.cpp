#include "app/Form1.h"
#include "app/frmSplash.h"
#include "platform/qt/SingleWindow.h"
#include "platform/qt/Twips.h"
#include "support/GuiTest.h"
#include "support/WindowChecks.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

using namespace vellory;
using namespace vellory::test;

class TestSplash : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<GuiFixture> m_fixture;
    frmSplash *m_splash = nullptr;

private slots:
    void init()
    {
        m_fixture = std::make_unique<GuiFixture>();
        m_splash = ShowSingleWindow<frmSplash>();
        QVERIFY(QTest::qWaitForWindowActive(m_splash));
    }

    void cleanup() { m_fixture.reset(); }

    void windowHasNoTitleBarAndFixedCentredClientArea()
    {
        // Tool windows stay out of the taskbar.
        VerifyWindowKind(m_splash,
            {.clientTwips = {7380, 4245},
                .fixedSize = true,
                .type = Qt::Tool,
                .with = Qt::FramelessWindowHint,
                .centring = Centring::Client,
                .centreSlack = 1});
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("twips");  // left, top, width, height; 0 size: sized to text
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");

        // clang-format off
        QTest::newRow("btnOK")          << "btnOK"          << "frmSplash" << QRect(5760, 3360, 1215, 495) << "&OK"  << 8.25 << false;
        QTest::newRow("Frame1")         << "Frame1"         << "frmSplash" << QRect(150, 60, 7080, 4050)   << ""     << -1.0 << false;
        QTest::newRow("lblProductName") << "lblProductName" << "Frame1"    << QRect(600, 360, 0, 0)        << "Vellory Christian Edition" << 18.0 << true;
        QTest::newRow("imgLogo")        << "imgLogo"        << "Frame1"    << QRect(720, 840, 2175, 1905)  << ""     << -1.0 << false;
        QTest::newRow("lblCopyright")   << "lblCopyright"   << "Frame1"    << QRect(5640, 1920, 1335, 255) << QString() << 8.25 << false;
        QTest::newRow("lblPlatform")    << "lblPlatform"    << "Frame1"    << QRect(0, 2280, 0, 0)         << "Windows" << 15.75 << false;
        QTest::newRow("lblVersion")     << "lblVersion"     << "Frame1"    << QRect(0, 2700, 0, 0)         << "Version 1.0.0" << 12.0 << true;
        QTest::newRow("lblWarning")     << "lblWarning"     << "Frame1"    << QRect(150, 3660, 6855, 315)  << QString() << 8.25 << false;
        // clang-format on
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        QFETCH(double, points);
        QFETCH(bool, bold);

        QWidget *control = m_splash->findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(), container);
        if (twips.left() != 0)
            QCOMPARE(control->x(), Twips(twips.left()));
        QCOMPARE(control->y(), Twips(twips.top()));
        if (twips.width() != 0)
            QCOMPARE(control->size(), TwipsSize(twips.width(), twips.height()));
        QString actual;
        if (auto *label = qobject_cast<QLabel *>(control))
            actual = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            actual = button->text();
        else if (auto *frame = qobject_cast<QGroupBox *>(control))
            actual = frame->title();
        if (text.isNull())
            QVERIFY(!actual.isEmpty());
        else
            QCOMPARE(actual, text);
        if (points > 0) {
            QCOMPARE(control->font().pointSizeF(), points);
            QCOMPARE(control->font().bold(), bold);
        }
    }

    void logoIsStretchedIntoItsBox()
    {
        auto *logo = m_splash->findChild<QLabel *>("imgLogo");
        QVERIFY(!logo->pixmap().isNull());
        QVERIFY(logo->hasScaledContents());
    }

    void versionEndsWhereThePlatformNameEnds()
    {
        auto *platform = m_splash->findChild<QLabel *>("lblPlatform");
        auto *version = m_splash->findChild<QLabel *>("lblVersion");
        QCOMPARE(platform->geometry().right() + 1, Twips(6855));
        QCOMPARE(version->geometry().right() + 1, Twips(6855));
        // The whole text fits: the label grew to the left for it.
        QVERIFY(version->width() >= version->fontMetrics().horizontalAdvance(version->text()));
    }

    void okAndEscapeOpenTheMainWindow_data()
    {
        QTest::addColumn<bool>("useEscape");
        QTest::newRow("OK clicked") << false;
        QTest::newRow("Esc") << true;
    }

    void okAndEscapeOpenTheMainWindow()
    {
        QFETCH(bool, useEscape);
        const bool ended = ProgramEndsAfter([this, useEscape] {
            if (useEscape)
                QTest::keyClick(m_splash, Qt::Key_Escape);
            else
                QTest::mouseClick(m_splash->findChild<QAbstractButton *>("btnOK"), Qt::LeftButton);
        });
        QVERIFY(!ended);
        QVERIFY(!OpenWindow<frmSplash>());
        QVERIFY(OpenWindow<Form1>());
        QVERIFY(OpenWindow<Form1>()->isVisible());
    }

    void typedCharacterClosesSplashAndEndsTheProgram_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("digit") << int(Qt::Key_7) << "7";
        QTest::newRow("letter o without Alt") << int(Qt::Key_O) << "o";
        QTest::newRow("punctuation") << int(Qt::Key_Period) << ".";
    }

    void typedCharacterClosesSplashAndEndsTheProgram()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        // Key preview: the character reaches the window although OK has the focus.
        QVERIFY(m_splash->findChild<QAbstractButton *>("btnOK")->hasFocus());
        QVERIFY(ProgramEndsAfter(
            [key, text] {
                QTest::sendKeyEvent(
                    QTest::KeyAction::Click, QApplication::focusWidget(), Qt::Key(key), text, Qt::NoModifier);
            },
            5000));
        QVERIFY(!OpenWindow<frmSplash>());
        QVERIFY(!OpenWindow<Form1>());
    }

    void keysThatTypeNothingDoNothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Left") << int(Qt::Key_Left);
        QTest::newRow("F1") << int(Qt::Key_F1);
        QTest::newRow("Shift") << int(Qt::Key_Shift);
    }

    void keysThatTypeNothingDoNothing()
    {
        QFETCH(int, key);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCoreApplication::processEvents();
        QVERIFY(OpenWindow<frmSplash>());
        QVERIFY(OpenWindow<frmSplash>()->isVisible());
        QVERIFY(!OpenWindow<Form1>());
    }
};

VELLORY_GUI_TEST_MAIN(TestSplash)
#include "test_splash.moc"
