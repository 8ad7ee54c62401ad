#pragma once

#include <QString>

class QFont;
class QRect;
class QSize;
class QTextEdit;

// How the lesson writes r1 and r2 in its text boxes: the digit lowered and small.
namespace richtext {

// How far a text set as a label sets it runs out of the box, across and down.
QSize overflow(const QFont &font, const QRect &box, int flags, const QString &text);

void write(QTextEdit *box, const QString &text, Qt::Alignment alignment = Qt::AlignLeft);
void lowerRadiusDigits(QTextEdit *box, int offsetTwips, double points = 7);
void follow(QTextEdit *box);

} // namespace richtext
