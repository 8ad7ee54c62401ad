// The lesson's texts: in the language chosen as the program chooses it; none that the pupil sees
// or hears escapes the translation (a pseudo-translation finds any); and every one stays whole at
// each zoom Ctrl+Minus, Ctrl+Plus and Ctrl+0 step through, and in every language. (Full screen is
// the renders' and the desktop check's.)

#include "app/language.h"
#include "pupil.h"
#include "window/announcer.h"

#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QTranslator>

#include <cmath>

namespace {

// Every text in longer, accented words: each vowel doubled and accented. r1, r2, PQ, the digits
// and the placeholders stay, so that the program finds what it looks for.
class PseudoTranslator : public QTranslator
{
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        static const QString vowels = QStringLiteral("aeiouAEIOU"), accented = "áéíóúÁÉÍÓÚ";
        QString text;
        for (const QChar c : QString::fromUtf8(source))
            text += vowels.contains(c) ? QString(2, accented.at(vowels.indexOf(c))) : QString(c);
        return text;
    }
};

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

// A lesson as the pupil sees it, `look` after each step: the introduction, the guided start, the
// distance asked for, a figure with the help arrow out, and the introduction again.
void overALesson(Pupil &pupil, const std::function<void()> &look)
{
    look();
    pupil.next();
    look();
    pupil.choose({3, 2});
    look();
    pupil.pick("distance", 4);
    pupil.pointNearLists();
    look();
    pupil.click("back");
    look();
}

// The most each text runs past its control over a lesson at a zoom, reached with Ctrl+Minus or
// Ctrl+Plus on the large screen. A zoom that cannot be reached reads as a cut window.
QMap<QString, int> overflowsOverALesson(double zoom)
{
    Pupil pupil;
    pupil.moveToScreen(QStringLiteral("large"));
    for (int step = 0; step < 5 && pupil.window().width() != widthAt(zoom); ++step)
        pupil.press(zoom < 1 ? Qt::Key_Minus : Qt::Key_Plus, Qt::ControlModifier);
    QMap<QString, int> most;
    overALesson(pupil, [&] {
        for (const auto &[name, overflow] : overflows(pupil).asKeyValueRange())
            most[name] = std::max(most.value(name, overflow), overflow);
    });
    return pupil.window().width() == widthAt(zoom) ? most : QMap<QString, int>{{"window", 99}};
}

} // namespace

class LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    // An English vowel left after a step is a text that escaped the pseudo-translation.
    void everyTextIsTranslated()
    {
        QCoreApplication::installTranslator(new PseudoTranslator(qApp));
        Pupil pupil;
        const auto seenTranslated = [&window = pupil.window()] {
            QCoreApplication::processEvents(); // what a screen reader is told comes after a step
            QStringList texts{window.windowTitle(), window.findChild<Announcer *>()->words()};
            for (const QWidget *control : window.findChildren<QWidget *>())
                texts << control->accessibleName() << control->accessibleDescription()
                      << control->toolTip() << control->property("text").toString()
                      << control->property("plainText").toString();
            static const QRegularExpression english(QStringLiteral("[aeiouAEIOU]"));
            for (const QString &text : texts)
                QVERIFY2(!text.contains(english), qPrintable(text));
        };
        overALesson(pupil, seenTranslated);
    }

    void theLessonSpeaksTheLanguageChosen_data()
    {
        QTest::addColumn<QByteArray>("languageVariable");
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("circle"); // as the rules say it
        const auto row = [](const char *name, const char *variable, const char *commandLine,
                            const char *language, const char *circle) {
            QTest::newRow(name) << QByteArray(variable) << commandLine << language << circle;
        };
        row("German", "de", "", "de", "Kreis");
        row("French", "fr", "", "fr", "cercle");
        row("Spanish", "es", "", "es", "circunferencia");
        row("Brazilian Portuguese", "pt_BR", "", "pt_BR", "circunferência");
        row("Russian", "ru", "", "ru", "окружност");
        row("Austrian German, as German", "de_AT", "", "de", "Kreis");
        row("English before German", "en:de", "", "", "circle");
        row("the command line's Russian over French", "fr", "--language ru", "ru", "окружност");
    }
    void theLessonSpeaksTheLanguageChosen()
    {
        QFETCH(QByteArray, languageVariable);
        QFETCH(QString, commandLine);
        QFETCH(QString, language);
        QFETCH(QString, circle);
        // How far the English texts run, at the designed size and at half of it, the smallest the
        // fit to a screen takes.
        static const QMap<QString, int> english[] = {overflowsOverALesson(1),
                                                     overflowsOverALesson(0.5)};
        qputenv("LANGUAGE", languageVariable);
        const QString program = QStringLiteral("two-circles ") + commandLine;
        QCOMPARE(language::install(program.split(' ', Qt::SkipEmptyParts)), language);
        // Qt's own dialogs and standard buttons speak it too.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel") == "Cancel",
                 language.isEmpty());
        // Every text fits its box as the English one does, over a lesson.
        QCOMPARE(cut(overflowsOverALesson(1), english[0], 1), QStringList());
        QCOMPARE(cut(overflowsOverALesson(0.5), english[1], 1), QStringList());

        // The rules in it. (Their formulas as in English: translations.py.)
        QVERIFY(Pupil().text("rule3").contains(circle));
    }

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
};

QTEST_MAIN(LanguageTest)
#include "tst_language.moc"
