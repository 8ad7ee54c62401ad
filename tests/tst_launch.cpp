// The start-up environment: the font DPI that fits the window to a screen and honours a scale
// factor below 1, the settings made before Qt starts, and the DPIs offered below 96, at each of
// which every text of the window stays whole. (tests/desktop checks what needs a real display.)

#include "app/launch.h"
#include "pupil.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLocalServer>
#include <QMap>
#include <QProcess>
#include <QScopeGuard>
#include <QScreen>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

namespace {

// Set for a copy of this program that only prints what overflows() finds at its own DPI.
constexpr char kPrintOverflows[] = "TST_LAUNCH_PRINT_OVERFLOWS";

// Sets (or, with a null value, unsets) a variable until the returned guard goes.
auto settingFor(const char *name, const QByteArray &value)
{
    const bool was = qEnvironmentVariableIsSet(name);
    const QByteArray old = qgetenv(name);
    value.isNull() ? qunsetenv(name) : qputenv(name, value);
    return qScopeGuard([=] { was ? qputenv(name, old) : qunsetenv(name); });
}

// How far each text of the window runs past its control, in pixels, in every state a lesson
// passes through: a text box holds one line, which runs out to the right; a label wraps, and
// runs out at the bottom. Keyed "control, state".
QMap<QString, int> overflows()
{
    QMap<QString, int> found;
    Pupil pupil;
    const auto measure = [&](const QString &state) {
        QCoreApplication::processEvents();
        for (auto *box : pupil.window().findChildren<QTextEdit *>())
            if (!box->isHidden())
                found[box->objectName() + QStringLiteral(", ") + state] =
                    int(std::ceil(box->document()->idealWidth())) - box->viewport()->width();
        for (auto *label : pupil.window().findChildren<QLabel *>())
            if (!label->isHidden() && !label->text().isEmpty())
                found[label->objectName() + QStringLiteral(", ") + state] =
                    label->heightForWidth(label->width()) - label->height();
    };
    measure(QStringLiteral("introduction"));
    pupil.next();
    // r1, r2 and PQ that make rules (1) to (5) hold in turn.
    for (const QList<int> &choice : {QList{3, 2, 5}, {3, 2, 1}, {3, 2, 4}, {5, 1, 2}, {1, 1, 9}}) {
        pupil.choose(choice);
        measure(QStringLiteral("rule %1").arg(pupil.highlightedRule()));
    }
    pupil.back();
    measure(QStringLiteral("back"));
    return found;
}

} // namespace

class LaunchTest : public QObject
{
    Q_OBJECT

private slots:
    // Screens in logical pixels; the window is 1018 x 736 at 96 dpi and its frame takes 8 x 36.
    // (The start-up's own copy of the window's size is pinned by the rows at the edge.)
    void fittingFontDpi_data()
    {
        QTest::addColumn<QSizeF>("available");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<double>("qtScale");
        QTest::addColumn<double>("wanted");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<bool>("clamped");
        const QSizeF large(1920, 1050);
        QTest::newRow("fits") << large << 1.0 << 1.0 << 1.0 << 0 << false;
        QTest::newRow("fits exactly") << QSizeF(1026, 772) << 1.0 << 1.0 << 1.0 << 0 << false;
        QTest::newRow("a pixel too high") << QSizeF(1026, 771) << 1.0 << 1.0 << 1.0 << 84 << false;
        QTest::newRow("1024 x 600") << QSizeF(1024, 600) << 1.0 << 1.0 << 1.0 << 72 << false;
        QTest::newRow("scale 0.75") << large << 1.0 << 1.0 << 0.75 << 72 << false;
        QTest::newRow("scale 0.9, too high")
            << QSizeF(1024, 500) << 1.0 << 1.0 << 0.9 << 60 << false;
        // At 125 % Qt's pixels are 1.25 screen pixels: 120 * 554 / 736 = 90 of them fit.
        QTest::newRow("125 %, small screen")
            << QSizeF(1093, 590) << 1.25 << 1.0 << 1.0 << 84 << false;
        QTest::newRow("200 %, above 96") << QSizeF(960, 540) << 2.0 << 1.0 << 1.0 << 131 << false;
        QTest::newRow("the pupil's own factor 2")
            << QSizeF(960, 540) << 2.0 << 2.0 << 1.0 << 60 << false;
        QTest::newRow("too small for any") << QSizeF(500, 300) << 1.0 << 1.0 << 1.0 << 48 << true;
        QTest::newRow("screen unknown") << QSizeF() << 1.0 << 1.0 << 0.75 << 72 << false;
    }
    void fittingFontDpi()
    {
        QFETCH(QSizeF, available);
        QFETCH(double, ratio);
        QFETCH(double, qtScale);
        QFETCH(double, wanted);
        QFETCH(int, dpi);
        QFETCH(bool, clamped);
        const launch::FontDpiChoice choice =
            launch::fittingFontDpi(launch::designedClientSize(), {96, ratio, available}, qtScale,
                                   wanted, {48, 60, 72, 84});
        QCOMPARE(choice.dpi, dpi);
        QCOMPARE(choice.clamped, clamped);
    }

    // What Qt is let read of a scale variable (null: unset), and whether the pupil is told.
    void scaleVariables_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("read");
        QTest::addColumn<bool>("told");
        const QByteArray factor("QT_SCALE_FACTOR");
        const QByteArray dpi("QT_FONT_DPI");
        QTest::newRow("factor 1.5, kept")
            << factor << QByteArray("1.5") << QByteArray("1.5") << false;
        QTest::newRow("factor 0.5, kept")
            << factor << QByteArray("0.5") << QByteArray("0.5") << false;
        QTest::newRow("factor 8, kept") << factor << QByteArray("8") << QByteArray("8") << false;
        for (const char *nonsense : {"0", "-1", "nan", "inf", "-inf", "two", "1.5x"})
            QTest::addRow("factor %s, dropped", nonsense)
                << factor << QByteArray(nonsense) << QByteArray() << true;
        QTest::newRow("factor 100, lowered")
            << factor << QByteArray("100") << QByteArray("8") << true;
        QTest::newRow("factor 1e300, lowered")
            << factor << QByteArray("1e300") << QByteArray("8") << true;
        QTest::newRow("font DPI 120, kept")
            << dpi << QByteArray("120") << QByteArray("120") << false;
        QTest::newRow("font DPI 47, kept") << dpi << QByteArray("47") << QByteArray("47") << false;
        QTest::newRow("font DPI 1, raised") << dpi << QByteArray("1") << QByteArray("47") << true;
        QTest::newRow("font DPI 100000, lowered")
            << dpi << QByteArray("100000") << QByteArray("480") << true;
        for (const char *nonsense : {"0", "-96", "96.5", "many", "99999999999"})
            QTest::addRow("font DPI %s, dropped", nonsense)
                << dpi << QByteArray(nonsense) << QByteArray() << true;
    }
    void scaleVariables()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, read);
        QFETCH(bool, told);
        const launch::ScaleVariable sane = launch::saneScaleVariable(name.constData(), value);
        QCOMPARE(sane.value, read);
        QCOMPARE(sane.value.isNull(), read.isNull());
        // One line that names the variable, or nothing.
        QCOMPARE(sane.note.startsWith("two-circles: " + name + ' '), told);
        QCOMPARE(sane.note.count('\n'), told ? 1 : 0);
        QCOMPARE(sane.note.endsWith('\n'), told);
    }

    // value: $DBUS_SESSION_BUS_ADDRESS (null: unset); bus: what $XDG_RUNTIME_DIR/bus is. The
    // folder's name has a blank and a tilde, which a D-Bus address escapes.
    void sessionBus_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("bus");
        QTest::addColumn<QByteArray>("address");
        QTest::newRow("unset") << QByteArray() << "none" << QByteArray("disabled:");
        QTest::newRow("empty") << QByteArray("") << "none" << QByteArray("disabled:");
        QTest::newRow("set: kept")
            << QByteArray("unix:path=/x") << "socket" << QByteArray("unix:path=/x");
        QTest::newRow("the user's bus") << QByteArray() << "socket" << QByteArray("unix:path=");
        QTest::newRow("a file named bus") << QByteArray() << "file" << QByteArray("disabled:");
    }
    void sessionBus()
    {
        QFETCH(QByteArray, value);
        QFETCH(QString, bus);
        QFETCH(QByteArray, address);
        QTemporaryDir scratch;
        const QString runtime = scratch.filePath(QStringLiteral("run time~"));
        QVERIFY(QDir().mkpath(runtime));
        const QByteArray busPath = QFile::encodeName(runtime + QStringLiteral("/bus"));
        QLocalServer socket; // as a session bus listens
        QFile file(QFile::decodeName(busPath));
        QVERIFY(bus == "socket" ? socket.listen(QFile::decodeName(busPath))
                                : bus != "file" || file.open(QIODevice::WriteOnly));
        const auto restoreRuntime = settingFor("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        const auto restoreBus = settingFor("DBUS_SESSION_BUS_ADDRESS", value);
        launch::avoidSessionBusAutolaunch();
        QByteArray expected = address;
        if (expected == "unix:path=")
            expected += QByteArray(busPath).replace(' ', "%20").replace('~', "%7E");
        QCOMPARE(qgetenv("DBUS_SESSION_BUS_ADDRESS"), expected);
    }

    // Each DPI offered below 96 is checked in a copy of this program started at that DPI: no
    // text may run past its control further than at 96, in any state of the lesson.
    void wholeTextDpis_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<bool>("whole");
        for (int dpi : launch::wholeTextDpis())
            QTest::addRow("%d dpi", dpi) << dpi << true;
        // The check sees what it is for: at 48, half size, the rules lose their last letters.
        QTest::newRow("48 dpi, not offered") << 48 << false;
    }
    void wholeTextDpis()
    {
        QFETCH(int, dpi);
        QFETCH(bool, whole);
        QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInch(), 96.0);
        static const QMap<QString, int> atDesign = overflows();

        QProcess copy;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kPrintOverflows), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_FONT_DPI"), QString::number(dpi));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        copy.setProcessEnvironment(env);
        copy.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(copy.waitForFinished(30000));
        QMap<QString, int> atDpi;
        for (const QString &line : QString::fromUtf8(copy.readAllStandardOutput()).split('\n'))
            if (!line.isEmpty())
                atDpi[line.section(' ', 0, -2)] = line.section(' ', -1).toInt();
        QCOMPARE(atDpi.keys(), atDesign.keys());
        QStringList cut;
        for (const auto &[control, overflow] : atDpi.asKeyValueRange())
            // A pixel of rounding either way; a lost letter or wrapped line is several.
            if (overflow > qMax(atDesign.value(control), 0) + 1)
                cut << QStringLiteral("%1: %2 px").arg(control).arg(overflow);
        QCOMPARE(cut.isEmpty(), whole);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (qEnvironmentVariableIsSet(kPrintOverflows)) {
        const QMap<QString, int> found = overflows();
        for (const auto &[control, overflow] : found.asKeyValueRange())
            std::printf("%s %d\n", qPrintable(control), overflow);
        return 0;
    }
    LaunchTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_launch.moc"
