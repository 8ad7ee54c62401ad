#pragma once

#include <QString>

#include <functional>
#include <stdexcept>

namespace platform {

// A run-time error of the lesson window: an overflow of its 16-bit arithmetic, an invalid
// floating-point step or a failing control operation. Only the Print action catches one; any
// other escapes its handler and ends the program with a message.
class RuntimeError : public std::runtime_error
{
public:
    RuntimeError(int number, const QString &description);
    int number() const { return m_number; }

private:
    int m_number;
};

inline constexpr int kErrorOverflow = 6;
inline constexpr int kErrorDivisionByZero = 11;
inline constexpr int kErrorInvalidCall = 5;

[[noreturn]] void raiseOverflow();

// Runs an event handler. An error that escapes it is reported to the pupil and ends the program,
// as an unhandled run-time error does; nothing is left half-running behind a crash.
void runHandler(const std::function<void()> &handler);

// What happens to an unhandled error. By default: a message box, then the program ends.
// Tests replace it to observe the path without ending the test program.
using UnhandledErrorReporter = std::function<void(const QString &message)>;
void setUnhandledErrorReporter(UnhandledErrorReporter reporter);

} // namespace platform
