#pragma once

#include <QObject>

class Frames;
class QLabel;
class QTextEdit;

// The texts that make the lesson's two pages, and the frames round them. The introduction sets
// the scene: the heading, two sentences about the circles with centres P and Q, the statement
// that one of five possibilities holds, and the invitation to practise; the message line at the
// top carries the author's contact line. The practice page keeps the heading and uses the
// message line and the prompt line beneath it to guide the pupil's choice.
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

    // The introduction as Back leaves it: its own positions, not those the window opens with.
    void showIntroduction();
    // The practice page asking for the radii first, or for the distance once they are chosen.
    void showGuidedStart(bool radiiChosen);
    // The practice page with a complete choice in place.
    void showResume();

    // The prompts of the practice page as the choice grows.
    void askForDistance();
    void hideDistancePrompt();
    void offerRearranging();
    void showFullFrames();

signals:
    // A prompt has just appeared (or changed), in words.
    void promptShown(const QString &prompt);

private:
    void showInvitation();
    void hideIntroduction();
    void writeMessage(const QString &text, bool centredWithSubscripts);

    Texts m_texts;
};
