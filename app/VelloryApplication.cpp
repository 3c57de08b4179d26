#include "VelloryApplication.h"

#include "platform/DesktopPlatform.h"
#include "platform/qt/Fonts.h"
#include "resources/Resources.h"

#include <QStyleFactory>

#include <cerrno>
#include <cstdio>
#include <new>
#include <system_error>

namespace vellory {

namespace {

FailureExit &ExitHook()
{
    static FailureExit exit = [](int status) { QCoreApplication::exit(status); };
    return exit;
}

bool g_failed = false;

// What the program shows for a failure that no handler caught.
struct FailureReport {
    int number = 0;
    std::string description;
};

FailureReport DescribeFailure(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const AppFailure &e) {
        return {e.number(), e.what()};
    } catch (const std::system_error &e) {
        return {e.code().value(), e.what()};
    } catch (const std::bad_alloc &) {
        return {ENOMEM, "Out of memory"};
    } catch (const std::exception &e) {
        return {-1, e.what()};
    } catch (...) {
        return {-1, "Unknown failure"};
    }
}

std::string FailureMessage(const FailureReport &report)
{
    return "Error " + std::to_string(report.number) + ": " + report.description;
}

}  // namespace

void HandleUncaughtFailure(std::exception_ptr failure) noexcept
{
    g_failed = true;
    const std::string message = FailureMessage(DescribeFailure(failure));
    std::fprintf(stderr, "vellory: %s\n", message.c_str());
    try {
        Platform().ShowMessageBox(message);
    } catch (...) {
        // The message already went to stderr; ending the program matters more.
    }
    ExitHook()(kFailureExitStatus);
}

FailureExit SetFailureExit(FailureExit exit)
{
    FailureExit previous = std::move(ExitHook());
    ExitHook() = std::move(exit);
    return previous;
}

void PrepareToolkit()
{
    // One look everywhere, whatever desktop the program runs on.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    InstallFontSubstitutions();
    InitResources();
}

VelloryApplication::VelloryApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("vellory"));
    setApplicationDisplayName(QString());
    PrepareToolkit();
}

int VelloryApplication::run(const std::function<void()> &start)
{
    try {
        start();
    } catch (...) {
        HandleUncaughtFailure(std::current_exception());
        return kFailureExitStatus;
    }
    const int status = exec();
    return g_failed ? kFailureExitStatus : status;
}

bool VelloryApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleUncaughtFailure(std::current_exception());
        return true;
    }
}

}  // namespace vellory
