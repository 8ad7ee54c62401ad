#include "pupil.h"

#include "cues/blinkingcue.h"
#include "platform/choicelist.h"
#include "platform/design.h"
#include "platform/labelbutton.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QTextEdit>

Pupil::Pupil()
{
    m_window.showAtDesignedPlace();
    QApplication::setActiveWindow(&m_window);
    QVERIFY(QTest::qWaitForWindowExposed(&m_window));
}

ChoiceList *Pupil::list(const char *name)
{
    return control<ChoiceList>(name);
}

QTextEdit *Pupil::box(const char *name)
{
    return control<QTextEdit>(name);
}

void Pupil::click(const char *button)
{
    QTest::mouseClick(control(button), Qt::LeftButton);
}

void Pupil::doubleClick(const char *button)
{
    QWidget *target = control(button);
    QTest::mouseClick(target, Qt::LeftButton);
    // The second press lands on whatever now stands under the pointer.
    QWidget *under = m_window.childAt(m_window.mapFromGlobal(target->mapToGlobal(QPoint(5, 5))));
    // Qt delivers the second press of a double-click as a double-click event, then a release.
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

void Pupil::choose(int r1, int r2, int distance)
{
    pick("cboR1", r1);
    pick("cboR2", r2);
    pick("cboPQ", distance);
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
    QWidget *target = control(name);
    if (at == QPoint(-1, -1))
        at = target->rect().center();
    // The event goes where the mouse's would: to the innermost widget there (a text box's
    // viewport, say).
    if (QWidget *inner = target->childAt(at)) {
        at = inner->mapFrom(target, at);
        target = inner;
    }
    QMouseEvent move(QEvent::MouseMove, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

void Pupil::pointAtBareWindow()
{
    // Low on the window, below the frames, where nothing stands.
    const QPoint at(10, m_window.height() - 5);
    QMouseEvent move(QEvent::MouseMove, QPointF(at), m_window.mapToGlobal(QPointF(at)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&m_window, &move);
}

void Pupil::tickNextCue()
{
    m_window.findChild<BlinkingCue *>(QStringLiteral("nextCue"))->advance();
}

void Pupil::tickListCue()
{
    m_window.findChild<BlinkingCue *>(QStringLiteral("listCue"))->advance();
}

bool Pupil::nextCueBlinking()
{
    return m_window.findChild<BlinkingCue *>(QStringLiteral("nextCue"))->isBlinking();
}

bool Pupil::listCueBlinking()
{
    return m_window.findChild<BlinkingCue *>(QStringLiteral("listCue"))->isBlinking();
}

bool Pupil::shows(const char *name)
{
    return control(name)->isVisible();
}

QString Pupil::text(const char *name)
{
    QWidget *widget = control(name);
    if (auto *edit = qobject_cast<QTextEdit *>(widget))
        return edit->toPlainText();
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return combo->currentText();
    return widget->property("text").toString();
}

int Pupil::highlightedRule()
{
    int found = 0;
    for (int k = 1; k <= 5; ++k) {
        const QByteArray name = "rtBox" + QByteArray::number(k);
        if (box(name.constData())->palette().color(QPalette::Base) == seen::yellow)
            found = found ? -1 : k;
    }
    return found;
}

QImage Pupil::surface()
{
    return m_window.surface().image().convertToFormat(QImage::Format_ARGB32);
}

QColor Pupil::surfaceAt(double xCm, double yCm)
{
    const QImage image = surface();
    const double ratio = image.devicePixelRatio();
    return image.pixelColor(int(design::centimetresToPixels(xCm) * ratio),
                            int(design::centimetresToPixels(yCm) * ratio));
}
