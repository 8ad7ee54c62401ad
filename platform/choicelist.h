#pragma once

#include <QComboBox>

// A drop-down list of whole numbers whose editable field shows a placeholder until the pupil
// chooses. A pick is a choice, also of the item already shown. A typed number is a choice only
// once committed (Enter, Tab, leaving the field) and only if it is an item; anything else, and
// Escape or the list being hidden, puts back the last choice, so the field never shows a value
// the lesson has not taken. A key with Ctrl or Alt belongs to the window, never to the field.
class ChoiceList : public QComboBox
{
    Q_OBJECT

public:
    ChoiceList(const QString &placeholder, int first, int last, const QFont &font, QWidget *parent);

    std::optional<int> value() const
    {
        return currentIndex() < 0 ? std::nullopt : std::optional(m_first + currentIndex());
    }
    int first() const { return m_first; }
    int last() const { return m_last; }
    // Chooses as a pick would (for assistive tools); false if it is no item or the list is shut.
    bool choose(int value);
    void discardTyping();
    // The blinking cue colours the field.
    void setBackground(const QColor &colour);

signals:
    void chosen(int value);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void pick(int index);
    void commitTyped();
    void showLastChoice();

    QString m_placeholder;
    int m_first;
    int m_last;
};
