// How the lesson reads to assistive technology, through Qt's accessibility interfaces: every
// control the pupil can see has a role and a lasting name, nothing hidden or covered is
// exposed, the window reads in the page's order, a list's value can be set as a choice, the
// rule that holds carries a state, and the figure is described in words. (The events that
// announce a change reach a screen reader only through a platform bridge; the test over
// AT-SPI listens for them.)

#include "pupil.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAccessibleValueInterface>
#include <QTest>

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// The window's children as a screen reader walks them: "role:name".
QStringList tree(Pupil &pupil)
{
    QStringList read;
    QAccessibleInterface *window = accessible(&pupil.window());
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface *child = window->child(i);
        read << QStringLiteral("%1:%2").arg(int(child->role())).arg(child->text(QAccessible::Name));
    }
    return read;
}

QString entry(QAccessible::Role role, const QString &name)
{
    return QStringLiteral("%1:%2").arg(int(role)).arg(name);
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void theIntroductionReadsInOrder()
    {
        Pupil pupil;
        const QStringList read = tree(pupil);
        const QStringList expected = {
            entry(QAccessible::StaticText,
                  QStringLiteral("Author: lessons@example.org Mobile: 07700 900461")),
            entry(QAccessible::Button, QStringLiteral("Next")),
            entry(QAccessible::Button, QStringLiteral("Home")),
            entry(QAccessible::Heading,
                  QStringLiteral("Relative position of two circles in R") + QChar(0x00B2)),
        };
        QCOMPARE(read.mid(0, 4), expected);
        QCOMPARE(read.size(), 4 + 2 + 1 + 5 + 2); // sentences, statement, rules, note, invitation
        QVERIFY(read.last().endsWith(QStringLiteral("Click 'Next'.")));
        QVERIFY(!read.join(' ').contains(QStringLiteral("Back")));
        QCOMPARE(accessible(&pupil.window())->text(QAccessible::Name),
                 pupil.window().windowTitle());
    }

    void thePracticePage_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("r1") << "cboR1" << int(QAccessible::ComboBox) << "Radius r1" << true;
        QTest::newRow("r2") << "cboR2" << int(QAccessible::ComboBox) << "Radius r2" << false;
        QTest::newRow("PQ") << "cboPQ" << int(QAccessible::ComboBox) << "Distance PQ" << false;
        QTest::newRow("Back") << "lblBack" << int(QAccessible::Button) << "Back" << true;
        QTest::newRow("Home") << "lblHome" << int(QAccessible::Button) << "Home" << true;
    }
    void thePracticePage()
    {
        QFETCH(QString, control);
        QFETCH(int, role);
        QFETCH(QString, name);
        QFETCH(bool, enabled);
        Pupil pupil;
        pupil.next();
        QAccessibleInterface *item = accessible(pupil.control(control.toLatin1().constData()));
        QCOMPARE(int(item->role()), role);
        QCOMPARE(item->text(QAccessible::Name), name);
        QCOMPARE(item->state().disabled, !enabled);
        QVERIFY(!item->state().invisible);
        QVERIFY(tree(pupil).contains(entry(QAccessible::Role(role), name)));
        // Nothing covered or hidden is read: the invitation under the message line, Next.
        QVERIFY(!tree(pupil).join(' ').contains(QStringLiteral("Click 'Next'")));
        QVERIFY(!tree(pupil).contains(entry(QAccessible::Button, QStringLiteral("Next"))));
    }

    void aChoiceThroughTheListsValues()
    {
        Pupil pupil;
        pupil.next();
        const auto set = [&](const char *list, int value) {
            QAccessibleValueInterface *v = accessible(pupil.control(list))->valueInterface();
            QVERIFY(v);
            v->setCurrentValue(value);
            QCOMPARE(v->currentValue().toInt(), value);
        };
        QAccessibleValueInterface *distance = accessible(pupil.control("cboPQ"))->valueInterface();
        distance->setCurrentValue(4); // not open yet: refused
        QVERIFY(!distance->currentValue().isValid());
        QCOMPARE(distance->maximumValue().toInt(), 12);
        set("cboR1", 3);
        set("cboR2", 2);
        set("cboPQ", 4);
        QCOMPARE(pupil.highlightedRule(), 3);
        QAccessibleInterface *rule = accessible(pupil.control("rtBox3"));
        QVERIFY(rule->state().selected);
        QVERIFY(!accessible(pupil.control("rtBox1"))->state().selected);
        QCOMPARE(rule->text(QAccessible::Description),
                 QStringLiteral("This rule holds for the circles you chose."));

        QAccessibleInterface *figure = accessible(pupil.control("figure"));
        QCOMPARE(figure->role(), QAccessible::Graphic);
        QCOMPARE(figure->text(QAccessible::Name),
                 QStringLiteral("Circle with centre P and radius 3 cm, circle with centre Q and "
                                "radius 2 cm, centres 4 cm apart."));
        QCOMPARE(
            figure->text(QAccessible::Description),
            QStringLiteral("The two circles intersect each other in 2 points; rule (3) holds."));
        set("cboPQ", 0);
        QCOMPARE(figure->text(QAccessible::Description),
                 QStringLiteral("The two circles neither intersect nor touch and one of them is "
                                "inside the other; rule (4) holds."));

        // Back takes the figure away from the reader too.
        accessible(pupil.control("lblBack"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(pupil.shows("lblNext"));
        QVERIFY(!tree(pupil).join(' ').contains(QStringLiteral("Circle with centre")));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
