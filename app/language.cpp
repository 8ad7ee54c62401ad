#include "app/language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>
#include <optional>

namespace language {

namespace {

// "de-DE" and "de_DE.UTF-8" alike become "de_DE", as the translations' file names have it.
QString fileCode(QString language)
{
    language = language.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    return language.replace(QLatin1Char('-'), QLatin1Char('_'));
}

// As gettext reads them, afresh at each call, unlike QLocale::system(), which keeps the first.
QStringList systemLanguages()
{
    const QString list = qEnvironmentVariable("LANGUAGE");
    if (!list.isEmpty())
        return list.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (!qEnvironmentVariableIsEmpty(name))
            return {qEnvironmentVariable(name)};
    return {};
}

bool isEnglish(const QString &language)
{
    return QLocale(fileCode(language)).language() == QLocale::English;
}

} // namespace

QString install(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption option(QStringLiteral("language"), QString(), QStringLiteral("code"));
    parser.addOption(option);
    // Unknown options are no error here: the parse goes on to the end.
    parser.parse(arguments);
    const std::optional<QString> asked =
        parser.isSet(option) ? std::optional(parser.value(option)) : std::nullopt;
    auto *lesson = new QTranslator(QCoreApplication::instance());
    // QTranslator tries each of the locale's languages in the build's :/i18n, each with its country
    // and without: "pt" finds two-circles_pt_BR, "de_AT" two-circles_de.
    for (const QString &wanted : asked ? QStringList{*asked} : systemLanguages())
        if (isEnglish(wanted) ||
            (!fileCode(wanted).isEmpty() &&
             lesson->load(QLocale(fileCode(wanted)), QStringLiteral("two-circles"),
                          QStringLiteral("_"), QStringLiteral(":/i18n"))))
            break;
    const QString found = lesson->language();
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
