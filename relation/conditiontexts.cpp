#include "window/lessonwindow.h"

#include "window/richtextrules.h"

// The five rules for the relative position of two circles, one per box: rtBox1 always holds
// rule (1), rtBox2 rule (2) and so on, which the highlight relies on.

namespace {

// Subscript digits of the rules: lowered 80 twips (4 points) and set in 7-point type.
constexpr int kRuleSubscriptOffset = -80;
constexpr double kRuleSubscriptSize = 7;

// Writes a rule into its box and puts the box into its plain, un-highlighted state: the window's
// back colour, no tooltip. The height is not part of that state; a box highlighted once keeps
// its lower height.
void writeRule(platform::RichTextBox &box, const QString &rule, quint32 windowBackColour)
{
    box.setText(rule);
    // The insertion point's format: 14-point black. It lies on an empty selection, so nothing
    // shown changes; the rule itself takes the box's design font.
    box.setSelFontSize(14);
    box.setSelColor(0x00000000);
    box.setBackColor(windowBackColour);
    box.setToolTipText(QString());
    box.setAccessibleDescription(QString());
    box.setSelLength(0);
    box.setSelStart(0);
}

void lowerDigit(platform::RichTextBox &box, const QString &token, const QString &digit)
{
    FormatSubscript(box, token, digit, kRuleSubscriptOffset, kRuleSubscriptSize);
}

} // namespace

void LessonWindow::WriteConditionTexts()
{
    // Read at every run, so that boxes follow a changed window colour.
    const quint32 back = form->backColor();

    writeRule(
        *rtBox1,
        QStringLiteral(" (1)  If PQ =  r1 + r2 then the two circles touch each other externally."),
        back);
    lowerDigit(*rtBox1, QStringLiteral("r1"), QStringLiteral("1"));
    lowerDigit(*rtBox1, QStringLiteral("r2"), QStringLiteral("2"));

    writeRule(*rtBox2,
              QStringLiteral(
                  " (2)  If PQ = | r1 - r2 | then the two circles touch each other internally."),
              back);
    lowerDigit(*rtBox2, QStringLiteral("r1"), QStringLiteral("1"));
    lowerDigit(*rtBox2, QStringLiteral("r2"), QStringLiteral("2"));

    // r1 and r2 occur twice here. The second pair is reached through the whole phrase "r1 + r2",
    // so that the search never runs on to the "2" of "2 Points".
    writeRule(*rtBox3,
              QStringLiteral(" (3)  If | r1 - r2 | < PQ < r1 + r2  then the two circles intersect "
                             "each other in 2 Points."),
              back);
    lowerDigit(*rtBox3, QStringLiteral("r1"), QStringLiteral("1"));
    lowerDigit(*rtBox3, QStringLiteral("r2"), QStringLiteral("2"));
    lowerDigit(*rtBox3, QStringLiteral("r1 + r2"), QStringLiteral("1"));
    lowerDigit(*rtBox3, QStringLiteral("r1 + r2"), QStringLiteral("2"));

    writeRule(*rtBox4,
              QStringLiteral(" (4)  If PQ < | r1 - r2 |  then the two circles neither intersect "
                             "nor touch and one of them is inside the other."),
              back);
    lowerDigit(*rtBox4, QStringLiteral("r1"), QStringLiteral("1"));
    lowerDigit(*rtBox4, QStringLiteral("r2"), QStringLiteral("2"));

    writeRule(*rtBox5,
              QStringLiteral(" (5)  If PQ > r1 + r2  then the two circles do not intersect or "
                             "touch and each is outside the other."),
              back);
    lowerDigit(*rtBox5, QStringLiteral("r1 + r2"), QStringLiteral("1"));
    lowerDigit(*rtBox5, QStringLiteral("r1 + r2"), QStringLiteral("2"));
}
