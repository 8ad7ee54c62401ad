#include "platform/combobox.h"

#include "platform/colour.h"

#include <QLineEdit>
#include <QPalette>

namespace platform {

ComboBox::ComboBox(QWidget *parent, const ComboDesign &design)
    : QComboBox(parent), m_back(kSystemWindowBackground)
{
    setObjectName(QString::fromLatin1(design.name));
    setEditable(true);
    // A typed text is never added to the list, and no completion turns typing into a pick.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setDuplicatesEnabled(true);
    setFont(makeFont(design.font));
    setGeometry(pixelRect(design.rect));
    setAttribute(Qt::WA_NoMousePropagation);
    setMouseTracking(true);
    applyPointer(this, design.pointer);
    lineEdit()->setText(design.text);
    // Qt turns a typed item's text into a pick when Enter is pressed or the field is left;
    // here typing never picks, so those two connections are cut. Picks from the list, wheel
    // steps and arrow keys all arrive as activated().
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index >= 0)
            emit selected();
    });
    setEnabled(design.enabled);
    setVisible(design.visible);
}

void ComboBox::AddItem(const QString &item)
{
    // Adding the first item makes Qt show it; the field must go on showing the placeholder.
    const QString shown = currentText();
    const int index = currentIndex();
    addItem(item);
    if (index < 0 && currentIndex() >= 0) {
        setCurrentIndex(-1);
        lineEdit()->setText(shown);
    }
}

void ComboBox::setBackColor(quint32 colour)
{
    m_back = colour;
    QPalette p = palette();
    p.setColor(QPalette::Base, colourFromBgr(colour));
    setPalette(p);
    lineEdit()->setPalette(p);
}

} // namespace platform
