#pragma once

#include <QComboBox>

// A drop-down list of whole numbers with an editable field that shows a placeholder until the
// pupil chooses. A pick (from the open list, by the arrow keys or the wheel) is a choice, also
// of the item already shown. A number typed into the field becomes a choice only when the pupil
// commits it (Enter, Tab, or leaving the field) and only if it is one of the items; any other
// text, or a paste cut short to the field's length, is refused and the field shows the last
// choice again. Escape, or the list being hidden, puts back the last choice too. So the field
// never shows a value the lesson has not taken. A key with Ctrl or Alt belongs to the window: it
// closes the open list so that the window's shortcut acts, and never types into the field.
class ChoiceList : public QComboBox
{
    Q_OBJECT

public:
    ChoiceList(const QString &placeholder, int first, int last, const QFont &font, QWidget *parent);

    // The chosen number, if any.
    std::optional<int> value() const;
    int first() const { return m_first; }
    int last() const { return m_last; }
    // Chooses a value as a pick would (for assistive tools); false if it is not an item or the
    // list cannot be used now.
    bool choose(int value);
    // Puts the last choice back in place of text typed but not committed.
    void discardTyping();
    // The background the field shows (the blinking cue colours it).
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
