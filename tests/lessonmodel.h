#pragma once

#include "pupil.h"

#include <QTemporaryDir>

#include <array>
#include <optional>

// The rule that holds for circles of radii r1, r2 whose centres lie d apart, from their own
// geometry. With P at 0 and Q at d on a line, a common point has x = (d² + r1² - r2²) / 2d and
// y² = r1² - x²; times 4d² that is the whole number below, so its sign says whether they meet in
// two points, touch in one, or do not meet.
int ruleFromGeometry(int r1, int r2, int d);

// What the window must show, worked out from what the pupil has done by the lesson's rules,
// independently of the program: the page, the choice, what is typed and not committed, the
// prompts, the figure and the rule that holds, and what Print puts on paper.
class LessonModel
{
public:
    // Plays up to `steps` actions read from a stream of bytes (a seeded random one, or a fuzzer's;
    // -1 when it has run dry) on the window and on the model. Returns the first disagreement
    // between them, after the last actions that led to it; nothing if they agreed throughout.
    QString play(Pupil &pupil, int steps, const std::function<int()> &byte);

private:
    // One thing a pupil does, resolved against the window as it stands: a kind (Click, Pick,
    // Type, Key), a target (which of the usable lists or buttons), a number (an item, a key, the
    // copies asked of Print) and, for typing, the text. Says in words what was done.
    QString perform(Pupil &pupil, char kind, int target, int number, const QString &text);
    QString disagreement(Pupil &pupil) const;
    void choose(int list, int value);
    void commit(int list);

    bool m_practice = false;
    std::array<std::optional<int>, 3> m_chosen;
    std::array<std::optional<QString>, 3> m_typed;
    bool m_redrawnForRadius = false;
    QString m_printing; // what went wrong with the last print, if anything
    QTemporaryDir m_paper;
};
