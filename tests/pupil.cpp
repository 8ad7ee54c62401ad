#include "pupil.h"

#include "platform/design.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTextBlock>

#include <algorithm>

Pupil::Pupil()
{
    m_window.showAtDesignedPlace();
    QApplication::setActiveWindow(&m_window);
    QVERIFY(QTest::qWaitForWindowExposed(&m_window));
}

void Pupil::doubleClick(const char *button)
{
    QWidget *target = control(button);
    QTest::mouseClick(target, Qt::LeftButton);
    // The second press, which Qt delivers as a double-click event, lands on whatever now stands
    // under the pointer.
    QWidget *under = m_window.childAt(m_window.mapFromGlobal(target->mapToGlobal(QPoint(5, 5))));
    QTest::mouseDClick(under ? under : &m_window, Qt::LeftButton);
    QTest::mouseRelease(under ? under : &m_window, Qt::LeftButton);
}

void Pupil::pick(const char *name, int value)
{
    ChoiceList *l = list(name);
    // The click that opens the list takes the keyboard focus, as it does for a pupil.
    l->setFocus(Qt::MouseFocusReason);
    const int index = l->findText(QString::number(value));
    l->setCurrentIndex(index);
    emit l->activated(index);
}

void Pupil::type(const char *name, const QString &text)
{
    ChoiceList *l = list(name);
    l->setFocus(Qt::MouseFocusReason);
    l->lineEdit()->selectAll();
    QTest::keyClicks(l, text);
}

void Pupil::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : &m_window, key, modifiers);
}

void Pupil::point(const char *name, QPoint at)
{
    QWidget *target = name ? control(name) : &m_window;
    if (at == QPoint(-1, -1))
        at = target->rect().center();
    // The event goes where the mouse's would: to the innermost widget there (a text box's
    // viewport, say).
    if (QWidget *inner = name ? target->childAt(at) : nullptr) {
        at = inner->mapFrom(target, at);
        target = inner;
    }
    QMouseEvent move(QEvent::MouseMove, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

void Pupil::answerPrint(std::optional<int> copies)
{
    m_window.printing().replaceDialog([this, copies](QPrinter &) {
        ++m_printDialogs;
        return copies;
    });
}

QString Pupil::text(const char *name)
{
    QWidget *widget = control(name);
    if (auto *edit = qobject_cast<QTextEdit *>(widget)) {
        QString seen;
        for (auto it = edit->document()->begin().begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const bool lowered = format.baselineOffset() < 0 && format.fontPointSize() == 7;
            for (const QChar c : it.fragment().text())
                seen += !lowered      ? QString(c)
                        : c.isDigit() ? QString(QChar(0x2080 + c.digitValue()))
                                      : QStringLiteral("_") + c;
        }
        return seen;
    }
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return combo->currentText();
    return widget->property("text").toString();
}

int Pupil::highlightedRule()
{
    int found = 0;
    for (int k = 0; k < 5; ++k)
        if (box(kRules[k])->palette().color(QPalette::Base) == seen::yellow)
            found = found ? -1 : k + 1;
    return found;
}

QImage Pupil::surface()
{
    return m_window.surface().image().convertToFormat(QImage::Format_ARGB32);
}

bool Pupil::drawsNothing()
{
    // Read as kept, without a copy: random lessons ask after every action.
    const QImage &image = m_window.surface().image();
    return std::all_of(image.constBits(), image.constBits() + image.sizeInBytes(),
                       [](uchar byte) { return byte == 0; });
}

QColor Pupil::surfaceAt(double xCm, double yCm)
{
    const QImage image = surface();
    return image.pixelColor(int(design::centimetresToPixels(xCm) * image.devicePixelRatio()),
                            int(design::centimetresToPixels(yCm) * image.devicePixelRatio()));
}
