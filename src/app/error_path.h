#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <utility>

// The one place where an unexpected error ends the program. Every event handler runs inside
// Guard(): whatever it throws is caught there, never carried through the event loop, shown to
// the user and ends the program with a non-zero exit status.
namespace ErrorPath {

inline constexpr int FailureExitCode = 1;

// Shows the message and ends the program. Tests replace it to record instead.
using Reporter = std::function<void(const QString &message)>;
void SetReporter(Reporter reporter);
void ResetReporter();

// Hands a message to the reporter.
void Fail(const QString &message);
// True once Fail() has run in this process.
bool HasFailed();

// Runs f and sends anything it throws to Fail().
template <class F> void Guard(F &&f) noexcept {
    try {
        std::forward<F>(f)();
    } catch (const std::exception &e) {
        Fail(QString::fromUtf8(e.what()));
    } catch (...) {
        Fail(QCoreApplication::translate("ErrorPath", "An unknown error occurred."));
    }
}

// A slot for connect(): calls (object->*handler)(args...) inside Guard().
template <class T, class... Args> auto Guarded(T *object, void (T::*handler)(Args...)) {
    return [object, handler](Args... args) { Guard([&] { (object->*handler)(args...); }); };
}

} // namespace ErrorPath
