#pragma once

class ChoiceLists;
class Pages;
class QWidget;
class RuleBoard;
struct Controls;

// How the lesson reads to assistive technology (a screen reader): the lists by lasting names
// with their chosen values, the rule that holds marked and announced, the figure in words, and
// the window's controls in the reading order of the page, without what is hidden or covered.
// What each step changes (the page, the outcome of a choice, a prompt that appears) is told to
// the screen reader once the step is over. Nothing here changes what the window shows.
void describeForAssistiveTechnology(QWidget *window, const Controls &controls, RuleBoard *rules,
                                    Pages *pages, ChoiceLists *lists);

// The lesson's own accessible interfaces; installed before the first control is made, since
// Qt keeps the interface it first made for a control.
void installAccessibleInterfaces();

// A control that only decorates (frames, captions, the area round the lists) carries this
// property, and assistive technology is not shown it.
inline constexpr const char *kDecorationProperty = "decoration";

// A control that reads in a role of its own (the heading, the figure's stand-in) carries the
// role in this property from the moment it is made, before Qt first asks for its interface.
inline constexpr const char *kRoleProperty = "accessibleRole";
