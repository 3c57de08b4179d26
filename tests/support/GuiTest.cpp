#include "GuiTest.h"

#include <QCoreApplication>
#include <QTimer>

namespace vellory::test {

namespace {

// The offscreen platform warns about every raise(); the noise hides real failures. Installed
// from inside a test, so that it sits in front of the test framework's own handler.
void QuietenOffscreenWarnings()
{
    static QtMessageHandler previous = nullptr;
    if (previous)
        return;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &message) {
        if (message.startsWith(QStringLiteral("This plugin does not support")))
            return;
        previous(type, context, message);
    });
}

}  // namespace

GuiFixture::GuiFixture()
{
    QuietenOffscreenWarnings();
    m_platform = std::make_unique<RecordingPlatform>(m_dir.path().toStdString());
    m_override = std::make_unique<PlatformOverride>(*m_platform);
    m_previousExit = SetFailureExit([this](int status) { exitStatus = status; });
}

GuiFixture::~GuiFixture()
{
    CloseAllWindows();
    SetFailureExit(std::move(m_previousExit));
}

void CloseAllWindows()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    // Windows delete themselves on close; let the deferred deletions happen.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

bool ProgramEndsAfter(const std::function<void()> &action, int waitMs)
{
    constexpr int kStillRunning = 99;
    QTimer::singleShot(0, qApp, action);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(kStillRunning); });
    guard.start(waitMs);
    return QCoreApplication::exec() != kStillRunning;
}

QWidget *TopLevel(const QString &objectName)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == objectName && window->isVisible())
            return window;
    }
    return nullptr;
}

}  // namespace vellory::test
