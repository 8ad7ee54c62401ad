#pragma once

#include <QObject>
#include <QTimer>

// Two styles a beat each; each half starts the other, so they alternate whoever starts the cue.
class BlinkingCue : public QObject
{
    Q_OBJECT

public:
    BlinkingCue(const QString &name, int beatMs, QObject *parent);

    // Keeps a running cue's schedule: the bare window's hover starts it with every movement.
    void start();
    void stop();
    void dropSecondHalf();

signals:
    void styleDue(bool second);

private:
    QTimer m_first;
    QTimer m_second;
};
