#include "window/lessonwindow.h"

#include "window/richtextrules.h"

#include <initializer_list>
#include <utility>

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

// Lowers the digit after each token in turn, as one edit of the box, so that the rule is laid
// out once rather than after every format.
void lowerDigits(platform::RichTextBox &box,
                 std::initializer_list<std::pair<const char *, const char *>> tokensAndDigits)
{
    const platform::FormattingBatch batch(box);
    for (const auto &[token, digit] : tokensAndDigits)
        FormatSubscript(box, QString::fromLatin1(token), QString::fromLatin1(digit),
                        kRuleSubscriptOffset, kRuleSubscriptSize);
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
    lowerDigits(*rtBox1, {{"r1", "1"}, {"r2", "2"}});

    writeRule(*rtBox2,
              QStringLiteral(
                  " (2)  If PQ = | r1 - r2 | then the two circles touch each other internally."),
              back);
    lowerDigits(*rtBox2, {{"r1", "1"}, {"r2", "2"}});

    // r1 and r2 occur twice here. The second pair is reached through the whole phrase "r1 + r2",
    // so that the search never runs on to the "2" of "2 Points".
    writeRule(*rtBox3,
              QStringLiteral(" (3)  If | r1 - r2 | < PQ < r1 + r2  then the two circles intersect "
                             "each other in 2 Points."),
              back);
    lowerDigits(*rtBox3, {{"r1", "1"}, {"r2", "2"}, {"r1 + r2", "1"}, {"r1 + r2", "2"}});

    writeRule(*rtBox4,
              QStringLiteral(" (4)  If PQ < | r1 - r2 |  then the two circles neither intersect "
                             "nor touch and one of them is inside the other."),
              back);
    lowerDigits(*rtBox4, {{"r1", "1"}, {"r2", "2"}});

    writeRule(*rtBox5,
              QStringLiteral(" (5)  If PQ > r1 + r2  then the two circles do not intersect or "
                             "touch and each is outside the other."),
              back);
    lowerDigits(*rtBox5, {{"r1 + r2", "1"}, {"r1 + r2", "2"}});
}
