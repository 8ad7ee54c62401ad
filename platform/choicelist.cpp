#include "platform/choicelist.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace {

// Only Alt+Up and Alt+Down, which close the pop-up with a pick, are the list's own.
bool isWindowKey(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers held = key->modifiers();
    if (!(held & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    return !(held == Qt::AltModifier && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down));
}

} // namespace

ChoiceList::ChoiceList(const QString &placeholder, int first, int last, const QFont &font,
                       QWidget *parent)
    : QComboBox(parent), m_placeholder(placeholder), m_first(first), m_last(last)
{
    // The font before the items: the list is laid out once, not again for a new font.
    setFont(font);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    for (int i = first; i <= last; ++i)
        addItem(QString::number(i));
    setCurrentIndex(-1);
    lineEdit()->setText(placeholder);
    // Qt would match the typed text against the items by itself; that is commitTyped's job.
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    connect(lineEdit(), &QLineEdit::returnPressed, this, &ChoiceList::commitTyped);
    connect(lineEdit(), &QLineEdit::editingFinished, this, &ChoiceList::commitTyped);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index >= 0)
            emit chosen(m_first + index);
    });
    view()->installEventFilter(this);
}

bool ChoiceList::choose(int value)
{
    if (value < m_first || value > m_last || !isVisible() || !isEnabled())
        return false;
    setCurrentIndex(value - m_first);
    showLastChoice();
    emit chosen(value);
    return true;
}

void ChoiceList::commitTyped()
{
    if (!lineEdit()->isModified())
        return;
    // A field filled to its length may hold a longer paste cut short by Qt, "0...05" read as 0.
    const QString text = lineEdit()->text();
    bool isNumber = false;
    const int typed = QLocale::c().toInt(text.trimmed(), &isNumber);
    if (!isNumber || text.size() >= lineEdit()->maxLength() || !choose(typed))
        showLastChoice();
}

void ChoiceList::showLastChoice()
{
    lineEdit()->setText(currentIndex() >= 0 ? itemText(currentIndex()) : m_placeholder);
}

void ChoiceList::keyPressEvent(QKeyEvent *event)
{
    // A key with Alt that reaches the field has no shortcut in the window (Alt+X): not text.
    if (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier) && !event->text().isEmpty() &&
        event->text().front().isPrint())
        return event->ignore();
    if (event->key() == Qt::Key_Escape && lineEdit()->isModified()) {
        showLastChoice();
        return event->accept();
    }
    QComboBox::keyPressEvent(event);
}

// Committed as the field loses the focus, a value would open the next list too late for Tab.
bool ChoiceList::focusNextPrevChild(bool next)
{
    commitTyped();
    return QComboBox::focusNextPrevChild(next);
}

// An open pop-up blocks shortcuts: it is closed when Qt asks it whether a key is overridden.
bool ChoiceList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view() &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        isWindowKey(static_cast<QKeyEvent *>(event))) {
        if (view()->isVisible())
            hidePopup();
        event->ignore();
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

void ChoiceList::discardTyping()
{
    if (lineEdit()->isModified())
        showLastChoice();
}

void ChoiceList::hideEvent(QHideEvent *event)
{
    discardTyping();
    QComboBox::hideEvent(event);
}
