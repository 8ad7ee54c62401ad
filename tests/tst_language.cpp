// The lesson in the language chosen as the program chooses it; and a pseudo-translation that
// finds any text the pupil sees or hears that escaped the translation.

#include "app/language.h"
#include "pupil.h"
#include "window/announcer.h"

#include <QAbstractButton>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTranslator>

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
        seenTranslated();
        pupil.next();
        seenTranslated();
        pupil.choose({3, 2});
        seenTranslated();
        pupil.pick("distance", 4);
        pupil.pointNearLists();
        seenTranslated();
        pupil.back();
        seenTranslated();
    }

    void theLessonSpeaksTheLanguageChosen_data()
    {
        QTest::addColumn<QByteArray>("languageVariable");
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("circle"); // as the title, the rules and the figure say it
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
        qputenv("LANGUAGE", languageVariable);
        const QString program = QStringLiteral("two-circles ") + commandLine;
        QCOMPARE(language::install(program.split(' ', Qt::SkipEmptyParts)), language);
        const bool english = language.isEmpty();
        // Qt's own dialogs and standard buttons speak it too.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel") == "Cancel", english);

        Pupil pupil;
        pupil.practise({3, 2, 4});
        QVERIFY(pupil.window().windowTitle().contains(circle, Qt::CaseInsensitive));
        QCOMPARE(pupil.control<QAbstractButton>("back")->text() == "Back", english);
        for (const auto &[list, name] : {std::pair("r1", "r1"), {"r2", "r2"}, {"distance", "PQ"}})
            QVERIFY(pupil.list(list)->accessibleName().contains(name));
        const QWidget *figure = pupil.control("figure");
        QVERIFY(figure->accessibleName().contains(circle, Qt::CaseInsensitive));
        QVERIFY(figure->accessibleDescription().contains("(3)"));
        // The rule that holds, its digits of r1 and r2 lowered as in English.
        QVERIFY(pupil.text("rule3").contains(circle));
        QString lowered; // the rule with its lowered digits read as subscripts
        for (auto it = pupil.box("rule3")->document()->begin().begin(); !it.atEnd(); ++it)
            for (const QChar c : it.fragment().text())
                lowered += it.fragment().charFormat().baselineOffset() < 0 && c.isDigit()
                               ? QChar(0x2080 + c.digitValue())
                               : c;
        QVERIFY(lowered.contains(QStringLiteral("| r₁ - r₂ | < PQ < r₁ + r₂")));
        QCOMPARE(pupil.box("rule3")->accessibleDescription() ==
                     "This rule holds for the circles you chose.",
                 english);
    }
};

QTEST_MAIN(LanguageTest)
#include "tst_language.moc"
