#pragma once

#include <QApplication>

#include <exception>
#include <functional>
#include <string>

namespace vellory {

inline constexpr int kFailureExitStatus = 1;

// The one place that deals with failures nobody caught: a message box with the failure's
// number and description, titled with the application title, then the end of the program.
void HandleUncaughtFailure(std::exception_ptr failure) noexcept;

// How the program ends after such a failure. Tests replace it to watch the ending happen.
using FailureExit = std::function<void(int status)>;
FailureExit SetFailureExit(FailureExit exit);

class VelloryApplication : public QApplication {
    Q_OBJECT
public:
    VelloryApplication(int &argc, char **argv);

    // Runs start, then the event loop; a failure in either ends with kFailureExitStatus.
    int run(const std::function<void()> &start);

    bool notify(QObject *receiver, QEvent *event) override;
};

// Toolkit set-up shared by the program and the window tests: style, fonts, pictures.
void PrepareToolkit();

}  // namespace vellory
