#include "pupil.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>

Pupil::Pupil(int cueBeatMs) : m_window(cueBeatMs)
{
    m_window.showFitted();
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
    // Qt Test's keyClicks takes Latin-1 only; anything else comes as a key Qt does not know.
    for (const QChar c : text)
        c.toLatin1() ? QTest::keyClick(l, c.toLatin1())
                     : QTest::sendKeyEvent(QTest::Click, l, Qt::Key_unknown, c, Qt::NoModifier);
}

void Pupil::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *focused = QApplication::focusWidget();
    QTest::keyClick(focused ? focused : &m_window, key, modifiers);
}

void Pupil::moveToScreen(const QString &name)
{
    for (const QScreen *screen : QGuiApplication::screens())
        if (screen->name() == name)
            m_window.move(screen->availableGeometry().topLeft() + QPoint(20, 20));
    QTRY_COMPARE(m_window.screen()->name(), name);
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

QStringList Pupil::print(int copies, const QString &file, const std::function<void()> &press)
{
    QStringList messages;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QPrintDialog *>(modal); dialog && dialog->isVisible()) {
            ++m_printDialogs;
            // Print to File, on A4.
            auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers"));
            printers->setCurrentIndex(printers->count() - 1);
            dialog->printer()->setPageSize(QPageSize(QPageSize::A4));
            dialog->findChild<QLineEdit *>(QStringLiteral("filename"))->setText(file);
            dialog->findChild<QSpinBox *>(QStringLiteral("copies"))->setValue(qMax(copies, 1));
            copies > 0 ? dialog->accept() : dialog->reject();
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            messages << box->text();
            if (QAbstractButton *yes = box->button(QMessageBox::Yes))
                yes->click();
            else
                box->accept();
        }
    });
    answer.start(5);
    const int before = m_printDialogs;
    press ? press() : click("print");
    // A shortcut clicks its button a moment later, as it shows it pressed.
    // (No dialog at all is for the caller to find.)
    (void)QTest::qWaitFor([&] { return m_printDialogs > before; }, 1000);
    // As a desktop's window manager does when the dialogs close.
    QApplication::setActiveWindow(&m_window);
    return messages;
}

int Pupil::highlightedRule()
{
    int found = 0;
    for (int k = 1; k <= 5; ++k)
        if (box(qPrintable(QStringLiteral("rule%1").arg(k)))->palette().color(QPalette::Base) ==
            QColor(Qt::yellow))
            found = found ? -1 : k;
    return found;
}

int pagesIn(const QString &pdf)
{
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(file.readAll()).count(page));
}
