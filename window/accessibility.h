#pragma once

class LessonWindow;

// Names and descriptions that a screen reader reads for the label buttons, the lists and the
// rule boxes. Nothing here changes what the window shows or how the mouse works.
void describeForScreenReaders(LessonWindow &window);

// The description a rule box carries while it is highlighted as the rule that holds.
inline constexpr const char *kRuleHoldsDescription = "This rule holds for the circles you chose.";
