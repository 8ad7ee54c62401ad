// How the lesson reads to assistive technology, through Qt's accessibility interfaces. (That it
// all reaches a screen reader, what each step tells included, is for the check with Orca over
// AT-SPI.)

#include "pupil.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QMetaEnum>

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
    // Each page as a screen reader walks it, top to bottom, its parts named as they read (doubled
    // blanks as one), nothing hidden or covered read out.
    void thePagesRead()
    {
        Pupil pupil;
        QStringList read = tree(pupil);
        QCOMPARE(read.mid(0, 4),
                 QStringList({"StaticText:Author: lessons@example.org Mobile: 07700 900461",
                              "Button:Next", "Button:Home",
                              QStringLiteral("Heading:Relative position of two circles in R") +
                                  QChar(0x00B2)}));
        QVERIFY(!read.join(' ').contains(QStringLiteral("Back")));

        pupil.next();
        read = tree(pupil);
        for (const char *control : {"ComboBox:Radius r1", "ComboBox:Radius r2",
                                    "ComboBox:Distance PQ", "Button:Back", "Button:Home"})
            QVERIFY2(read.contains(QLatin1String(control)), control);
        QVERIFY(!read.join(' ').contains(QStringLiteral("Next"))); // the button, the invitation
    }

    // A choice made through the lists' values, as AT-SPI sets them: the rule that holds is
    // selected and says so, the figure is described by its circles and how they lie.
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
        // A number that rounds to an item is a choice (3.5 to 4); no other number of any size is
        // (converted to int, 2^32 + 4 would wrap to 4).
        for (const auto &[list, chosen] : {std::pair{"r1", 3.0}, {"r2", 2.0}, {"distance", 3.5}})
            value(list)->setCurrentValue(chosen);
        for (const auto &[list, set] : {std::pair{"r1", 4294967300.0},
                                        {"r2", -4294967291.0},
                                        {"distance", 4294967296.0},
                                        {"distance", 4294967301.0},
                                        {"distance", 12.5},
                                        {"distance", qQNaN()},
                                        {"distance", qInf()},
                                        {"distance", 1e300}})
            value(list)->setCurrentValue(set);
        QCOMPARE(pupil.text("r1") + pupil.text("r2") + pupil.text("distance"), "324");
        QCOMPARE(pupil.highlightedRule(), 3);
        QAccessibleInterface *rule = accessible(pupil.control("rule3"));
        QVERIFY(rule->state().selected && !accessible(pupil.control("rule1"))->state().selected);
        QCOMPARE(rule->text(QAccessible::Description),
                 QStringLiteral("This rule holds for the circles you chose."));
        // To the mouse its box says so in its tooltip, the note of the introduction.
        QCOMPARE(pupil.box("rule3")->toolTip(), pupil.box("note")->toPlainText());
        QVERIFY(pupil.box("rule1")->toolTip().isEmpty());

        QAccessibleInterface *figure = accessible(pupil.control("figure"));
        QCOMPARE(figure->role(), QAccessible::Graphic);
        const auto reads = [figure] {
            return figure->text(QAccessible::Name) + ' ' + figure->text(QAccessible::Description);
        };
        const auto circles = [](int r2, int d, const char *relation, int rule) {
            return QStringLiteral("Circle with centre P and radius 3 cm, circle with centre Q and "
                                  "radius %1 cm, centres %2 cm apart. The two circles %3; rule "
                                  "(%4) holds.")
                .arg(r2)
                .arg(d)
                .arg(QLatin1String(relation))
                .arg(rule);
        };
        QCOMPARE(reads(), circles(2, 4, "intersect each other in 2 points", 3));
        value("distance")->setCurrentValue(0);
        value("r2")->setCurrentValue(3); // a new radius is described as it is drawn
        QCOMPARE(reads(), circles(3, 0, "touch each other internally", 2));

        // Back takes the figure away from the reader too.
        accessible(pupil.control("back"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(pupil.shows("next"));
        QVERIFY(!tree(pupil).join(' ').contains(QStringLiteral("Circle with centre")));
    }

    // A text box reads as text, where its words stand on the screen (for a reader that reviews
    // the window line by line), and nothing can change it.
    void aTextBoxReadsAsText()
    {
        Pupil pupil;
        QTextEdit *edit = pupil.box("rule3");
        QAccessibleInterface *read = accessible(edit);
        QAccessibleTextInterface *text = read->textInterface();
        QVERIFY(text && read->state().readOnly);
        QCOMPARE(text->text(0, text->characterCount()), edit->toPlainText());
        const QRect first = text->characterRect(0);
        QVERIFY(QRect(edit->mapToGlobal(QPoint()), edit->size()).contains(first));
        QVERIFY(first.width() > 0);
        QCOMPARE(text->offsetAtPoint(first.center()), 0);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
