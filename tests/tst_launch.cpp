// The start-up environment: the settings made before Qt starts. (tests/desktop checks what needs
// a real display.)

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

// Sets (or, with a null value, unsets) a variable until the returned guard goes.
auto settingFor(const char *name, const QByteArray &value)
{
    const bool was = qEnvironmentVariableIsSet(name);
    const QByteArray old = qgetenv(name);
    value.isNull() ? qunsetenv(name) : qputenv(name, value);
    return qScopeGuard([=] { was ? qputenv(name, old) : qunsetenv(name); });
}

} // namespace

class LaunchTest : public QObject
{
    Q_OBJECT

private slots:
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
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    LaunchTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_launch.moc"
