#include "platform/runtimeerror.h"

#include "platform/program.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

namespace platform {

namespace {

UnhandledErrorReporter &reporter()
{
    static UnhandledErrorReporter current = [](const QString &message) {
        QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                              message);
        endProgram(1);
    };
    return current;
}

} // namespace

RuntimeError::RuntimeError(int number, const QString &description)
    : std::runtime_error(description.toStdString()), m_number(number)
{
}

void raiseOverflow()
{
    throw RuntimeError(kErrorOverflow, QStringLiteral("Overflow"));
}

void runHandler(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const RuntimeError &error) {
        reporter()(QStringLiteral("Run-time error '%1':\n\n%2")
                       .arg(error.number())
                       .arg(QString::fromStdString(error.what())));
    } catch (const std::exception &error) {
        reporter()(
            QStringLiteral("Unexpected error:\n\n%1").arg(QString::fromStdString(error.what())));
    }
}

void setUnhandledErrorReporter(UnhandledErrorReporter newReporter)
{
    reporter() = std::move(newReporter);
}

} // namespace platform
