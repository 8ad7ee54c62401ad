// How the lesson reads to assistive technology, through Qt's accessibility interfaces. (The
// events that announce a change reach a screen reader only through a platform bridge; the test
// over AT-SPI listens for them.)

#include "pupil.h"
#include "window/announcer.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAccessibleValueInterface>
#include <QMetaEnum>
#include <QSignalSpy>

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// The window's children as a screen reader walks them: "Role:name".
QStringList tree(Pupil &pupil)
{
    QStringList read;
    QAccessibleInterface *window = accessible(&pupil.window());
    for (int i = 0; i < window->childCount(); ++i)
        read << QLatin1String(
                    QMetaEnum::fromType<QAccessible::Role>().valueToKey(window->child(i)->role())) +
                    QLatin1Char(':') + window->child(i)->text(QAccessible::Name);
    return read;
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
        QCOMPARE(read.mid(0, 4),
                 QStringList({"StaticText:Author: lessons@example.org Mobile: 07700 900461",
                              "Button:Next", "Button:Home",
                              QStringLiteral("Heading:Relative position of two circles in R") +
                                  QChar(0x00B2)}));
        QCOMPARE(read.size(), 4 + 2 + 1 + 5 + 2); // sentences, statement, rules, note, invitation
        QVERIFY(read.last().endsWith(QStringLiteral("Click 'Next'.")));
        QVERIFY(!read.join(' ').contains(QStringLiteral("Back")));
        QCOMPARE(accessible(&pupil.window())->text(QAccessible::Name),
                 pupil.window().windowTitle());
    }

    void thePracticePage_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("read");
        QTest::newRow("r1") << "r1" << true << "ComboBox:Radius r1";
        QTest::newRow("r2") << "r2" << false << "ComboBox:Radius r2";
        QTest::newRow("PQ") << "distance" << false << "ComboBox:Distance PQ";
        QTest::newRow("Back") << "back" << true << "Button:Back";
        QTest::newRow("Home") << "home" << true << "Button:Home";
    }
    void thePracticePage()
    {
        QFETCH(QString, control);
        QFETCH(bool, enabled);
        QFETCH(QString, read);
        Pupil pupil;
        pupil.next();
        QVERIFY(tree(pupil).contains(read));
        QCOMPARE(accessible(pupil.control(qPrintable(control)))->state().disabled, !enabled);
        // Nothing covered or hidden is read: the invitation under the message line, Next.
        QVERIFY(!tree(pupil).join(' ').contains(QStringLiteral("Click 'Next'")));
        QVERIFY(!tree(pupil).contains(QStringLiteral("Button:Next")));
    }
    void aChoiceThroughTheListsValues()
    {
        Pupil pupil;
        pupil.next();
        const auto value = [&](const char *list) {
            return accessible(pupil.control(list))->valueInterface();
        };
        value("distance")->setCurrentValue(4); // not open yet: refused
        QVERIFY(!value("distance")->currentValue().isValid());
        QCOMPARE(value("distance")->maximumValue().toInt(), 12);
        for (const auto &[list, chosen] : {std::pair{"r1", 3}, {"r2", 2}, {"distance", 4}}) {
            value(list)->setCurrentValue(chosen);
            QCOMPARE(value(list)->currentValue().toInt(), chosen);
        }
        QCOMPARE(pupil.highlightedRule(), 3);
        QAccessibleInterface *rule = accessible(pupil.control("rule3"));
        QVERIFY(rule->state().selected);
        QVERIFY(!accessible(pupil.control("rule1"))->state().selected);
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
        value("distance")->setCurrentValue(0);
        QCOMPARE(figure->text(QAccessible::Description),
                 QStringLiteral("The two circles neither intersect nor touch and one of them is "
                                "inside the other; rule (4) holds."));
        // A new radius is described as it is drawn.
        value("r2")->setCurrentValue(3);
        QCOMPARE(figure->text(QAccessible::Name),
                 QStringLiteral("Circle with centre P and radius 3 cm, circle with centre Q and "
                                "radius 3 cm, centres 0 cm apart."));
        QCOMPARE(figure->text(QAccessible::Description),
                 QStringLiteral("The two circles touch each other internally; rule (2) holds."));

        // Back takes the figure away from the reader too.
        accessible(pupil.control("back"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(pupil.shows("next"));
        QVERIFY(!tree(pupil).join(' ').contains(QStringLiteral("Circle with centre")));
    }

    // Each step is told once it is over, in one utterance: where the pupil is, how the circles
    // lie, the prompt that appeared; a step that changes nothing the pupil can hear says nothing.
    void eachStepIsTold()
    {
        Pupil pupil;
        QSignalSpy told(pupil.window().findChild<Announcer *>(), &Announcer::told);
        const auto step = [&](const std::function<void()> &action) {
            told.clear();
            action();
            QCoreApplication::processEvents(); // the step is over
            QStringList said;
            for (const QList<QVariant> &words : told)
                said << words.at(0).toString();
            return said;
        };
        const QString rule3 =
            QStringLiteral("The two circles intersect each other in 2 points; rule (3) holds.");
        const QString rule1 =
            QStringLiteral("The two circles touch each other externally; rule (1) holds.");
        const QString rearrange = QStringLiteral("You can rearrange r1 , r2 and PQ");
        QCOMPARE(step([&] { pupil.next(); }),
                 QStringList("The practice page. Now select length of radius r1 and r2 for "
                             "the circles."));
        QCOMPARE(step([&] { pupil.pick("r1", 3); }), QStringList());
        QCOMPARE(step([&] { pupil.pick("r2", 2); }),
                 QStringList("Select the distance PQ between their centers P and Q"));
        QCOMPARE(step([&] { pupil.pick("distance", 4); }), QStringList(rule3 + ' ' + rearrange));
        QCOMPARE(step([&] { pupil.pick("distance", 3); }), QStringList(rule3));
        QCOMPARE(
            step([&] { accessible(pupil.control("r1"))->valueInterface()->setCurrentValue(1); }),
            QStringList(rule1));
        QCOMPARE(step([&] { pupil.back(); }), QStringList("The introduction page."));
        QCOMPARE(step([&] { pupil.next(); }),
                 QStringList("The practice page. " + rule1 + ' ' + rearrange));

        // A choice left half made comes back with the prompt for what is missing, and only that.
        Pupil half;
        half.practise({4, 2});
        half.back();
        QCoreApplication::processEvents(); // the steps before are told and done
        QSignalSpy toldHalf(half.window().findChild<Announcer *>(), &Announcer::told);
        half.next();
        QTRY_COMPARE(toldHalf.size(), 1);
        QCOMPARE(toldHalf.at(0).at(0).toString(),
                 QStringLiteral("The practice page. Select the distance PQ between their centers P "
                                "and Q"));
    }

    // The text boxes are read as text, which nothing can change.
    void theTextBoxesReadAsText_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("a rule") << "rule3";
        QTest::newRow("the message line") << "messageLine";
        QTest::newRow("a sentence") << "firstSentence";
    }
    void theTextBoxesReadAsText()
    {
        QFETCH(QString, box);
        Pupil pupil;
        QTextEdit *edit = pupil.box(qPrintable(box));
        QAccessibleInterface *read = accessible(edit);
        QAccessibleTextInterface *text = read->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), edit->toPlainText());
        // Where its words stand on the screen, for a reader that reviews the window line by line.
        const QRect onScreen(edit->mapToGlobal(QPoint()), edit->size());
        const QRect first = text->characterRect(0);
        QVERIFY(onScreen.contains(first) && first.width() > 0);
        QCOMPARE(text->offsetAtPoint(first.center()), 0);
        QVERIFY(read->state().readOnly);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
