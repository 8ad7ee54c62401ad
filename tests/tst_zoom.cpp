// The lesson at every zoom and in every language: Ctrl+Minus, Ctrl+Plus and Ctrl+0 step through
// the zooms the screen allows, and every text stays whole at each of them over a lesson. (Full
// screen is the renders' and the desktop check's.)

#include "app/language.h"
#include "pupil.h"

#include <QLabel>
#include <QScreen>
#include <QTranslator>

#include <cmath>

namespace {

// The window's width at a zoom: 1018 pixels as designed.
int widthAt(double zoom)
{
    return int(std::lround(1018 * zoom));
}

// How far each text in sight runs past its control: a text box holds one line, which runs out to
// the right; a label or a text button wraps, and runs out at the bottom.
QMap<QString, int> overflows(Pupil &pupil)
{
    QMap<QString, int> found;
    for (const QTextEdit *box : pupil.window().findChildren<QTextEdit *>())
        if (box->isVisible())
            found[box->objectName()] =
                int(std::ceil(box->document()->idealWidth())) - box->viewport()->width();
    for (const QLabel *label : pupil.window().findChildren<QLabel *>())
        if (label->isVisible())
            found[label->objectName()] = label->heightForWidth(label->width()) - label->height();
    for (const char *name : {"next", "back", "print", "home"}) {
        const QWidget *button = pupil.control(name);
        found[button->objectName()] =
            button->fontMetrics()
                .boundingRect(button->rect(), Qt::TextWordWrap, button->property("text").toString())
                .height() -
            button->height();
    }
    return found;
}

// Texts that run further past their controls than as designed (zoomed, and a pixel of
// rounding): a lost letter or a wrapped line is several pixels.
QStringList cut(const QMap<QString, int> &now, const QMap<QString, int> &atDesign, double zoom)
{
    QStringList cut;
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        if (it.value() > std::max(0, atDesign.value(it.key())) * zoom + 1)
            cut << QStringLiteral("%1 at %2: %3 px").arg(it.key()).arg(zoom).arg(it.value());
    return cut;
}

// The most each text runs past its control over a lesson at a zoom, reached with Ctrl+Minus or
// Ctrl+Plus on the large screen: the introduction, the guided start, the distance asked for, a
// figure and the introduction again. A zoom that cannot be reached reads as a cut window.
QMap<QString, int> overflowsOverALesson(double zoom)
{
    Pupil pupil;
    pupil.moveToScreen(QStringLiteral("large"));
    for (int step = 0; step < 5 && pupil.window().width() != widthAt(zoom); ++step)
        pupil.press(zoom < 1 ? Qt::Key_Minus : Qt::Key_Plus, Qt::ControlModifier);
    QMap<QString, int> most;
    const auto measure = [&] {
        for (const auto &[name, overflow] : overflows(pupil).asKeyValueRange())
            most[name] = std::max(most.value(name, overflow), overflow);
    };
    measure();
    pupil.next();
    measure();
    pupil.choose({3, 2});
    measure();
    pupil.pick("distance", 4);
    measure();
    pupil.back();
    measure();
    return pupil.window().width() == widthAt(zoom) ? most : QMap<QString, int>{{"window", 99}};
}

} // namespace

class ZoomTest : public QObject
{
    Q_OBJECT

private slots:
    // Every step from half to twice the designed size is reached from the keyboard, and at each
    // every text is as whole as designed, over a lesson.
    void everyTextFitsAtEveryStep_data()
    {
        QTest::addColumn<double>("zoom");
        for (const double zoom : {0.5, 0.625, 0.75, 0.875, 1.25, 1.5, 1.75, 2.0})
            QTest::addRow("%g", zoom) << zoom;
    }
    void everyTextFitsAtEveryStep()
    {
        QFETCH(double, zoom);
        static const QMap<QString, int> atDesign = overflowsOverALesson(1);
        QCOMPARE(cut(overflowsOverALesson(zoom), atDesign, zoom), QStringList());
    }

    // Past the last step that fits (2.5 would not fit 1600 pixels) the window grows as large as
    // the screen allows, and no larger; Ctrl+0 brings the designed size back.
    void neverBeyondTheScreen()
    {
        Pupil pupil;
        pupil.moveToScreen(QStringLiteral("large"));
        for (int step = 0; step < 6; ++step)
            pupil.press(Qt::Key_Plus, Qt::ControlModifier);
        QTRY_VERIFY(
            pupil.window().screen()->availableGeometry().contains(pupil.window().frameGeometry()));
        QVERIFY(pupil.window().width() > widthAt(2));
        pupil.press(Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(pupil.window().width(), widthAt(1));
    }

    // In each language every text fits its box as the English one does, at the designed size
    // and at half of it, the smallest the fit to a screen takes, over a lesson.
    void everyLanguageFits_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *code : {"de", "fr", "es", "pt_BR", "ru"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }
    void everyLanguageFits()
    {
        QFETCH(QString, language);
        const QMap<QString, int> english[] = {overflowsOverALesson(1), overflowsOverALesson(0.5)};
        QCOMPARE(language::install({"two-circles", "--language", language}), language);
        QCOMPARE(cut(overflowsOverALesson(1), english[0], 1), QStringList());
        QCOMPARE(cut(overflowsOverALesson(0.5), english[1], 1), QStringList());
    }
    void cleanup()
    {
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
};

QTEST_MAIN(ZoomTest)
#include "tst_zoom.moc"
