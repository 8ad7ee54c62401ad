#include "window/accessibility.h"

#include "window/lessonwindow.h"

void describeForScreenReaders(LessonWindow &w)
{
    const auto describe = [](QWidget *control, const QString &name, const QString &description) {
        control->setAccessibleName(name);
        control->setAccessibleDescription(description);
    };
    describe(w.lblNext, QStringLiteral("Next"),
             QStringLiteral("Button: go on to the practice page"));
    describe(w.lblBack, QStringLiteral("Back"),
             QStringLiteral("Button: return to the introduction page"));
    describe(w.lblHome, QStringLiteral("Home"), QStringLiteral("Button: end the lesson"));
    describe(w.lblPrint, QStringLiteral("Print"), QStringLiteral("Button: print the window"));
    describe(w.cboR1, QStringLiteral("Radius r1"),
             QStringLiteral("Choose the radius r1 of the circle with centre P, in centimetres"));
    describe(w.cboR2, QStringLiteral("Radius r2"),
             QStringLiteral("Choose the radius r2 of the circle with centre Q, in centimetres"));
    describe(w.cboPQ, QStringLiteral("Distance PQ"),
             QStringLiteral("Choose the distance PQ between the centres P and Q, in centimetres"));
    platform::RichTextBox *rules[] = {w.rtBox1, w.rtBox2, w.rtBox3, w.rtBox4, w.rtBox5};
    for (int k = 0; k < 5; ++k)
        rules[k]->setAccessibleName(QStringLiteral("Rule %1").arg(k + 1));
    w.rtfHighlight->setAccessibleName(QStringLiteral("Note"));
    w.rtfSelect->setAccessibleName(QStringLiteral("Message"));
    w.form->setAccessibleName(w.form->windowTitle());
}
