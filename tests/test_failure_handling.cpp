#include "app/VelloryApplication.h"
#include "platform/DesktopPlatform.h"
#include "support/GuiTest.h"

#include <QPushButton>

#include <cerrno>
#include <system_error>

using namespace vellory;
using namespace vellory::test;

class TestFailureHandling : public QObject {
    Q_OBJECT

private slots:
    void failureInAClickHandlerIsShownAndEndsTheProgram_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("program failure") << 0 << "Error 13: Cannot write: Permission denied";
        QTest::newRow("system error") << 1 << QString("Error %1: ").arg(ENOSPC);
        QTest::newRow("other exception") << 2 << "Error -1: something broke";
    }

    void failureInAClickHandlerIsShownAndEndsTheProgram()
    {
        QFETCH(int, kind);
        QFETCH(QString, message);
        GuiFixture fixture;
        QPushButton button;
        QObject::connect(&button, &QPushButton::clicked, [kind] {
            if (kind == 0)
                ThrowErrno(EACCES, "Cannot write");
            if (kind == 1)
                throw std::system_error(ENOSPC, std::generic_category(), "disk");
            throw std::runtime_error("something broke");
        });
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);

        const auto &boxes = fixture.platform().ui().messageBoxes;
        QCOMPARE(boxes.size(), size_t(1));
        QCOMPARE(boxes[0].first, std::string("Vellory Christian Edition"));
        QVERIFY2(QString::fromStdString(boxes[0].second).startsWith(message), boxes[0].second.c_str());
        QCOMPARE(fixture.exitStatus, std::optional<int>(kFailureExitStatus));
    }

    void failureWhileStartingEndsWithFailureStatus()
    {
        GuiFixture fixture;
        auto *app = static_cast<VelloryApplication *>(qApp);
        const int status = app->run([] { throw AppFailure(5, "Access is denied"); });
        QCOMPARE(status, kFailureExitStatus);
        const auto &boxes = fixture.platform().ui().messageBoxes;
        QCOMPARE(boxes.size(), size_t(1));
        QCOMPARE(boxes[0].second, std::string("Error 5: Access is denied"));
    }

    void handlersThatSucceedShowNothing()
    {
        GuiFixture fixture;
        QPushButton button;
        bool clicked = false;
        QObject::connect(&button, &QPushButton::clicked, [&clicked] { clicked = true; });
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QVERIFY(clicked);
        QVERIFY(fixture.platform().ui().messageBoxes.empty());
        QVERIFY(!fixture.exitStatus);
    }
};

VELLORY_GUI_TEST_MAIN(TestFailureHandling)
#include "test_failure_handling.moc"
