// What the lesson meets that was not meant for it: from a pupil, a paste too long, double-clicks,
// shortcuts pressed in a list while its pop-up is open or a value is typed, and a print that
// fails; from the desktop, settings made before Qt starts. (Tab after typing and the printed pages
// are the renders'; a cancelled print, the soak's; odd values from a screen reader, the
// accessibility test's; what needs a real display, tests/desktop's.)

#include "app/launch.h"
#include "pupil.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QLocalServer>
#include <QScopeGuard>
#include <QTemporaryDir>

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

class RobustnessTest : public QObject
{
    Q_OBJECT

private slots:
    // A paste that Qt cuts to the field's length is not what the pupil pasted: 32767 zeros and a
    // 5, cut to the zeros, would read 0.
    void aPasteLongerThanTheField()
    {
        Pupil pupil;
        pupil.practise({4, 1, 4});
        ChoiceList *distance = pupil.list("distance");
        QApplication::clipboard()->setText(QString(distance->lineEdit()->maxLength(), '0') + '5');
        pupil.type("distance", QString());
        pupil.press(Qt::Key_V, Qt::ControlModifier);
        QVERIFY(distance->lineEdit()->isModified());
        pupil.press(Qt::Key_Return);
        QCOMPARE(pupil.text("distance"), QStringLiteral("4"));
    }

    // Pupils double-click everything; the lesson must not jump back and forth (Back stands where
    // Next stood), nor print twice. (All the buttons are of one kind.)
    void aDoubleClickIsOneClick_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::newRow("Next") << QByteArray("next");
        QTest::newRow("Print") << QByteArray("print");
    }
    void aDoubleClickIsOneClick()
    {
        QFETCH(QByteArray, button);
        QTemporaryDir paper;
        Pupil pupil;
        if (button == "print")
            pupil.practise({3, 2, 4});
        pupil.print(0, paper.filePath("lesson.pdf"), [&] { pupil.doubleClick(button); });
        QVERIFY(pupil.shows("back"));
        QCOMPARE(pupil.printDialogs(), int(button == "print"));
    }

    // The shortcuts act from a list also with its pop-up open, or with a value typed and not
    // committed, which they drop; a key with Alt that is no shortcut never types into the field.
    void theShortcutsFromAList_data()
    {
        QTest::addColumn<QKeyCombination>("keys");
        QTest::addColumn<QString>("first"); // "pop-up" opened, a value "typed", or "nothing"
        QTest::addColumn<QString>("after");
        const auto row = [](const char *name, QKeyCombination keys, const char *first,
                            const char *after) {
            QTest::newRow(name) << keys << QString(first) << QString(after);
        };
        row("Ctrl+Q", Qt::CTRL | Qt::Key_Q, "pop-up", "ended");
        row("Alt+B", Qt::ALT | Qt::Key_B, "pop-up", "introduction");
        row("Alt+P", Qt::ALT | Qt::Key_P, "pop-up", "printed");
        row("Alt+X, no shortcut", Qt::ALT | Qt::Key_X, "pop-up", "practice");
        row("Alt+X, pop-up closed", Qt::ALT | Qt::Key_X, "nothing", "practice");
        row("Alt+H, typed", Qt::ALT | Qt::Key_H, "typed", "ended");
        row("Alt+B, typed", Qt::ALT | Qt::Key_B, "typed", "introduction");
        row("Alt+P, typed", Qt::ALT | Qt::Key_P, "typed", "printed");
    }
    void theShortcutsFromAList()
    {
        QFETCH(QKeyCombination, keys);
        QFETCH(QString, first);
        QFETCH(QString, after);
        QTemporaryDir paper;
        Pupil pupil;
        pupil.practise({3, 2, 4}); // the pick leaves the pupil in the distance's list
        ChoiceList *list = pupil.list("distance");
        const auto press = [&] {
            if (first == "typed")
                pupil.type("distance", QStringLiteral("6"));
            if (first != "pop-up")
                return pupil.press(keys.key(), keys.keyboardModifiers());
            pupil.press(Qt::Key_Down, Qt::AltModifier);
            QTRY_VERIFY(list->view()->isVisible());
            QTest::keyClick(list->view(), keys.key(), keys.keyboardModifiers());
        };
        // Alt+P opens the print dialog, which is answered.
        keys.key() == Qt::Key_P ? void(pupil.print(2, paper.filePath("lesson.pdf"), press))
                                : press();
        QTRY_VERIFY(!list->view()->isVisible());
        if (after == "ended") {
            QTRY_VERIFY(!pupil.window().isVisible());
            return;
        }
        QTRY_COMPARE(pupil.shows("next"), after == "introduction");
        QCOMPARE(pagesIn(paper.filePath("lesson.pdf")), after == "printed" ? 2 : -1);
        QCOMPARE(list->lineEdit()->text(), QStringLiteral("4"));
    }

    // On a device that takes nothing the pupil is told, once, and the next print works.
    void aPrintThatFails()
    {
        QTemporaryDir paper;
        Pupil pupil;
        pupil.practise({3, 2, 4});
        QCOMPARE(
            pupil.print(1, QStringLiteral("/dev/full")),
            QStringList(QStringLiteral("The lesson was not printed: No space left on device.")));
        QVERIFY(pupil.print(2, paper.filePath("lesson.pdf")).isEmpty());
        QCOMPARE(pagesIn(paper.filePath("lesson.pdf")), 2);
    }

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

QTEST_MAIN(RobustnessTest)
#include "tst_robustness.moc"
