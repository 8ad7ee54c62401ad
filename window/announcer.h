#pragma once

#include <QObject>
#include <QStringList>

// What a screen reader is told after a step: each part once, once the step and focus settle.
class Announcer : public QObject
{
    Q_OBJECT

public:
    explicit Announcer(QObject *parent) : QObject(parent) {}

    void placeReached(const QString &where);
    void outcomeShown(const QString &outcome);
    void promptShown(const QString &prompt);

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
