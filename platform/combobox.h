#pragma once

#include "platform/fonts.h"
#include "platform/pointer.h"
#include "platform/twips.h"

#include <QComboBox>

namespace platform {

struct ComboDesign
{
    const char *name;
    TwipsRect rect;
    QString text; // the placeholder shown until the pupil picks an item
    FontSpec font;
    bool visible = true;
    bool enabled = true;
    Pointer pointer = Pointer::Default;
};

// A drop-down list with an editable field. It shows its design text until the pupil picks an
// item. A pick from the open list (mouse or keys), a wheel step or an arrow key in the field is
// a selection and emits selected(), also when the item picked is the one already shown. Typing
// is not a selection, and neither is Enter or leaving the field after typing.
class ComboBox : public QComboBox
{
    Q_OBJECT

public:
    ComboBox(QWidget *parent, const ComboDesign &design);

    // Appends an item; the field keeps showing what it showed before.
    void AddItem(const QString &item);
    // What the field shows: the picked item, the placeholder, or whatever was typed.
    QString Text() const { return currentText(); }
    bool Visible() const { return !isHidden(); }
    void setBackColor(quint32 colour);
    quint32 backColor() const { return m_back; }

signals:
    void selected();

private:
    quint32 m_back;
};

} // namespace platform
