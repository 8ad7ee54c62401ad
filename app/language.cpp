#include "app/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <optional>

namespace language {

namespace {

// Where the build puts the lesson's compiled translations (qt_add_translations).
constexpr char kTranslations[] = ":/i18n";
constexpr char kOption[] = "--language";

std::optional<QString> askedOnCommandLine(const QStringList &arguments)
{
    const QString option = QString::fromLatin1(kOption);
    std::optional<QString> asked;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments.at(i) == option)
            asked = i + 1 < arguments.size() ? arguments.at(++i) : QString();
        else if (arguments.at(i).startsWith(option + QLatin1Char('=')))
            asked = arguments.at(i).mid(option.size() + 1);
    }
    return asked;
}

// "de-DE" and "de_DE.UTF-8" alike become "de_DE", as the translations' file names have it.
QString fileCode(QString language)
{
    language = language.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    return language.replace(QLatin1Char('-'), QLatin1Char('_'));
}

bool isEnglish(const QString &language)
{
    return QLocale(fileCode(language)).language() == QLocale::English;
}

} // namespace

QString install(const QStringList &arguments)
{
    const std::optional<QString> asked = askedOnCommandLine(arguments);
    // A language asked for by its code alone stands for its usual country too: "pt" finds pt_BR.
    const QStringList languages =
        asked ? QLocale(fileCode(*asked)).uiLanguages() : QLocale::system().uiLanguages();
    auto *lesson = new QTranslator(QCoreApplication::instance());
    QString found;
    for (const QString &language : languages) {
        if (isEnglish(language))
            break;
        // QTranslator tries "two-circles_pt_BR", then "two-circles_pt".
        if (!fileCode(language).isEmpty() &&
            lesson->load(QStringLiteral("two-circles_") + fileCode(language),
                         QString::fromLatin1(kTranslations))) {
            found = lesson->language();
            break;
        }
    }
    if (found.isEmpty()) {
        delete lesson;
        if (asked && asked->isEmpty())
            std::fputs("two-circles: --language needs a language code, such as de; the lesson "
                       "is shown in English\n",
                       stderr);
        else if (asked && !isEnglish(*asked))
            std::fprintf(stderr,
                         "two-circles: the lesson has no translation into \"%s\"; it is shown "
                         "in English\n",
                         qPrintable(*asked));
        return {};
    }
    QCoreApplication::installTranslator(lesson);

    const QLocale locale(found);
    auto *qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    // Qt's dialogs write numbers and paper sizes as the language does.
    QLocale::setDefault(locale);
    return found;
}

} // namespace language
