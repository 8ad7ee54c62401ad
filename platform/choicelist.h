#pragma once

#include "platform/colours.h"

#include <QComboBox>
#include <QLineEdit>

// Whole numbers; a typed one counts once committed, if an item. Ctrl and Alt keys are the window's.
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
    void setBackground(const QColor &c) { colours::set(this, QPalette::Base, c, lineEdit()); }

signals:
    void chosen(int value);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void commitTyped();
    void showLastChoice();

    QString m_placeholder;
    int m_first;
    int m_last;
};
