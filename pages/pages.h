#pragma once

#include <QLabel>

#include <optional>

class QTextEdit;

// Three nested rectangles round the lesson area; the others' heights follow the middle one's.
class Frames : public QWidget
{
    Q_OBJECT

public:
    explicit Frames(QWidget *parent);

    static constexpr double kFullHeight = 17.595;
    static constexpr double kShortHeight = 7.595;
    void setMiddleHeight(double cm);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Until a page sets it, each frame has its designed height.
    std::optional<float> m_middle;
};

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
