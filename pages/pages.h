#pragma once

#include "pages/frames.h"

#include <QLabel>

class QTextEdit;

// The texts that make the lesson's two pages, and the frames round them.
class Pages : public QObject
{
    Q_OBJECT

public:
    struct Texts
    {
        QLabel *heading;
        QTextEdit *firstSentence;
        QTextEdit *secondSentence;
        QLabel *possibilities;
        QTextEdit *messageLine;
        QLabel *promptLine;
        Frames *frames;
    };
    Pages(const Texts &texts, QObject *parent);

    // As Back leaves it: its own positions, not those the window opens with.
    void showIntroduction();
    void showGuidedStart(bool radiiChosen);
    void showResume();

    void askForDistance();
    void hideDistancePrompt() { m_texts.promptLine->hide(); }
    void offerRearranging();
    void showFullFrames() { m_texts.frames->setMiddleHeight(Frames::kFullHeight); }

signals:
    void promptShown(const QString &prompt);

private:
    void showInvitation();
    void hideIntroduction();
    void writeMessage(const QString &text, bool centredWithSubscripts);

    Texts m_texts;
};
