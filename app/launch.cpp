#include "app/launch.h"

#include <QApplication>
#include <QDir>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace launch {

namespace {

// Qt hangs at a scale factor of 0, takes gigabytes at 100, draws 11 x 8 pixels at a font DPI of 1.
constexpr double kLargestScaleFactor = 8;
constexpr int kSmallestFontDpi = 47;
constexpr int kLargestFontDpi = 480;

QByteArray noDisplayReason()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    // The platform may carry options ("offscreen:size=...") or list fallbacks ("wayland;xcb").
    const QByteArray first = platform.split(';').constFirst().split(':').constFirst();
    if (!first.isEmpty() && first != "xcb")
        return "the Qt platform \"" + platform + "\" could not start";
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        return "DISPLAY is not set";
    return "cannot open display \"" + display + "\"";
}

// Qt hands back its default handler when no other was installed: there always is a previous one.
const char *guardedProgram = nullptr;
QtMessageHandler previousHandler = nullptr;
QList<std::function<void()>> heldMessages;

// QApplication's only fatal message is the platform's failure to start; Qt would then abort.
void holdOrGiveUp(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr,
                     "two-circles: no display found (%s); run it on a desktop, or on a virtual "
                     "one with: xvfb-run -a %s\n",
                     noDisplayReason().constData(), guardedProgram);
        std::_Exit(1);
    }
    heldMessages.append([type, category = QByteArray(context.category), text] {
        previousHandler(type, QMessageLogContext(nullptr, 0, nullptr, category.constData()), text);
    });
}

// Qt 6.4 draws rich text as black bars at a QT_SCALE_FACTOR below 1: set to 1, it caps the zoom.
double takeScaleFactorBelowOne()
{
    bool ok = false;
    const double factor = qgetenv("QT_SCALE_FACTOR").toDouble(&ok);
    if (!ok || factor <= 0 || factor >= 1)
        return 1.0;
    qputenv("QT_SCALE_FACTOR", "1");
    return factor;
}

// A closed standard stream ("2>&-") went to the X connection; Qt warned into it, and hung.
void openClosedStandardStreams()
{
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor)
        // Those below are open by now, so /dev/null takes this number.
        if (::fcntl(descriptor, F_GETFD) == -1 && errno == EBADF)
            ::open("/dev/null", O_RDWR);
}

void refuseNonsenseScaleVariables()
{
    for (const char *name : {"QT_SCALE_FACTOR", "QT_FONT_DPI"}) {
        // Empty, as Qt takes it, is unset.
        if (qEnvironmentVariableIsEmpty(name))
            continue;
        const ScaleVariable sane = saneScaleVariable(name, qgetenv(name));
        if (sane.note.isEmpty())
            continue;
        std::fputs(sane.note.constData(), stderr);
        sane.value.isNull() ? qunsetenv(name) : qputenv(name, sane.value);
    }
}

} // namespace

void avoidSessionBusAutolaunch()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    QByteArray address("disabled:");
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        const QByteArray bus = QFile::encodeName(QDir(runtime).filePath(QStringLiteral("bus")));
        struct stat info;
        // D-Bus addresses escape every byte outside [-0-9A-Za-z_/.\*].
        if (::stat(bus.constData(), &info) == 0 && S_ISSOCK(info.st_mode))
            address = "unix:path=" + bus.toPercentEncoding("/\\*", "~");
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
}

ScaleVariable saneScaleVariable(const char *name, const QByteArray &value)
{
    const QByteArray said = QByteArray("two-circles: ") + name;
    const auto bounded = [&said](double given, double bound) {
        const QByteArray number = QByteArray::number(bound);
        return ScaleVariable{number, said + ' ' + QByteArray::number(given, 'g', 12) + " is too " +
                                         (given < bound ? "small" : "large") + "; " + number +
                                         " is used\n"};
    };
    bool isNumber = false;
    if (qstrcmp(name, "QT_FONT_DPI") == 0) {
        // As Qt reads it: a whole number, in any base C knows.
        const int dpi = value.toInt(&isNumber, 0);
        if (!isNumber || dpi <= 0)
            return {QByteArray(), said + " is no positive whole number; it is ignored\n"};
        const int within = std::clamp(dpi, kSmallestFontDpi, kLargestFontDpi);
        return within == dpi ? ScaleVariable{value, {}} : bounded(dpi, within);
    }
    const double factor = value.toDouble(&isNumber);
    if (!isNumber || !std::isfinite(factor) || factor <= 0)
        return {QByteArray(), said + " is no positive number; it is ignored\n"};
    return factor <= kLargestScaleFactor ? ScaleVariable{value, {}}
                                         : bounded(factor, kLargestScaleFactor);
}

Started startApplication(int &argc, char **argv)
{
    // What Qt reads when its platform starts has to be right before QApplication exists.
    openClosedStandardStreams();
    refuseNonsenseScaleVariables();
    const double wantedScale = takeScaleFactorBelowOne();
    avoidSessionBusAutolaunch();

    // Qt's other messages wait until the platform has started, and then mean something after all.
    guardedProgram = argv[0];
    previousHandler = qInstallMessageHandler(holdOrGiveUp);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    for (const std::function<void()> &handOn : std::exchange(heldMessages, {}))
        handOn();

    QApplication::setApplicationName(QStringLiteral("two-circles"));
    // No display name, which Qt would append to the title: the desktop entry names the lesson.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.TwoCircles"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    return {std::move(application), wantedScale,
            QCoreApplication::arguments().contains(QStringLiteral("--full-screen"))};
}

} // namespace launch
