// The start-up environment: the settings made before Qt starts. (tests/desktop checks what needs
// a real display.)

#include "app/launch.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

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
    // What Qt is let read of a scale variable (null: unset); the pupil is told of any change.
    void scaleVariables_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("read");
        // Each "value:read", read empty where the value is dropped.
        const auto rows = [](const char *name, const char *values) {
            for (const QByteArray &pair : QByteArray(values).split(' ')) {
                const QByteArray value = pair.first(pair.indexOf(':'));
                const QByteArray read = pair.sliced(value.size() + 1);
                QTest::addRow("%s %s", name, value.constData())
                    << QByteArray(name) << value << (read.isEmpty() ? QByteArray() : read);
            }
        };
        rows("QT_SCALE_FACTOR",
             "1.5:1.5 0.5:0.5 8:8 100:8 1e300:8 0: -1: nan: inf: -inf: two: 1.5x:");
        rows("QT_FONT_DPI", "120:120 47:47 1:47 100000:480 0: -96: 96.5: many: 99999999999:");
    }
    void scaleVariables()
    {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, read);
        const launch::ScaleVariable sane = launch::saneScaleVariable(name.constData(), value);
        QCOMPARE(sane.value, read);
        QCOMPARE(sane.value.isNull(), read.isNull());
        // A line that names the variable (as desktop/starts.py reads it), or nothing.
        QCOMPARE(sane.note.startsWith("two-circles: " + name + ' '), read != value);
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

QTEST_GUILESS_MAIN(LaunchTest)
#include "tst_launch.moc"
