#pragma once

class ChoiceLists;
class Pages;
class QWidget;
class RuleBoard;
struct Controls;

// How the lesson reads to a screen reader, without changing what the window shows.
void describeForAssistiveTechnology(QWidget *window, const Controls &controls, RuleBoard *rules,
                                    Pages *pages, ChoiceLists *lists);

// Before the first control is made: Qt keeps the interface it first made for a control.
void installAccessibleInterfaces();

// A control that only decorates (frames, captions) carries this property and is not read.
inline constexpr const char *kDecorationProperty = "decoration";

// A control that reads in a role of its own (the heading, the figure) carries it from the start.
inline constexpr const char *kRoleProperty = "accessibleRole";
