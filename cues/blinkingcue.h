#pragma once

#include <QObject>
#include <QTimer>

// A cue that flickers between two styles, each shown for one beat. Each half, when due, shows its
// style and hands the cue on to the other half, started afresh; so the halves alternate, whoever
// starts or pauses the cue.
class BlinkingCue : public QObject
{
    Q_OBJECT

public:
    BlinkingCue(const QString &name, int beatMs, QObject *parent);

    // A first half that already runs keeps its schedule: the hover over the bare window starts
    // the cue with every mouse movement.
    void start();
    void stop();
    void dropSecondHalf();

signals:
    void firstStyleDue();
    void secondStyleDue();

private:
    void handOver(QTimer &from, QTimer &to);

    QTimer m_first;
    QTimer m_second;
};
