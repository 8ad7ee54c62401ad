#pragma once

#include <QObject>
#include <QStringList>

// What a screen reader is told after a step of the lesson: where the pupil now is, how the
// circles lie, and a prompt that has just appeared; told together once the step is over (after
// the focus it moves has settled), each part once, in that order. The accessibility layer
// passes told() on, moving no focus and interrupting nothing.
class Announcer : public QObject
{
    Q_OBJECT

public:
    explicit Announcer(QObject *parent) : QObject(parent) {}

    void placeReached(const QString &where);
    void outcomeShown(const QString &outcome);
    void promptShown(const QString &prompt);

    // The words told last.
    QString words() const { return m_words; }

signals:
    void told(const QString &words);

private:
    void tellSoon();
    void tell();

    QString m_place;
    QString m_outcome;
    QStringList m_prompts;
    bool m_due = false;
    QString m_words;
};
