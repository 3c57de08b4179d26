#pragma once

// Shared set-up for the window tests: the program's own application object (so that the
// top-level failure handling is the real one), a recording platform in a temporary folder,
// and helpers to find windows and close them between tests.

#include "app/VelloryApplication.h"
#include "support/RecordingPlatform.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

namespace vellory::test {

// One recording platform per test, installed for the test's lifetime; it also records how
// the program would have ended after an uncaught failure.
class GuiFixture {
public:
    GuiFixture();
    ~GuiFixture();

    RecordingPlatform &platform() { return *m_platform; }
    // The exit status the program would have ended with, if it tried.
    std::optional<int> exitStatus;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<PlatformOverride> m_override;
    FailureExit m_previousExit;
};

// Closes and destroys every top-level window.
void CloseAllWindows();

// The visible top-level window with this object name, or nullptr.
QWidget *TopLevel(const QString &objectName);

// Runs the program's event loop, does action inside it and reports whether the program
// ended by itself (its last window closed) within waitMs.
bool ProgramEndsAfter(const std::function<void()> &action, int waitMs = 300);

}  // namespace vellory::test

// A test executable whose QApplication is the program's own.
#define VELLORY_GUI_TEST_MAIN(TestClass)                                                                               \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                                       \
        vellory::VelloryApplication app(argc, argv);                                                                   \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
