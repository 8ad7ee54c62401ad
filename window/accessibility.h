#pragma once

class QWidget;
class RuleBoard;

// How the lesson reads to assistive technology (a screen reader): the lists by lasting names
// with their chosen values, the rule that holds marked and announced, the figure in words, and
// the window's controls in the reading order of the page, without what is hidden or covered.
// Nothing here changes what the window shows.
void describeForAssistiveTechnology(QWidget *window, RuleBoard *rules);

// The lesson's own accessible interfaces; installed before the first control is made, since
// Qt keeps the interface it first made for a control.
void installAccessibleInterfaces();

// A control that only decorates (frames, captions, the area round the lists) carries this
// property, and assistive technology is not shown it.
inline constexpr const char *kDecorationProperty = "decoration";
