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
    // A language named without a country stands for its usual one too: "pt" finds pt_BR.
    QStringList languages;
    for (const QString &wanted : asked ? QStringList{*asked} : systemLanguages())
        languages << QLocale(fileCode(wanted)).uiLanguages();
    auto *lesson = new QTranslator(QCoreApplication::instance());
    QString found;
    for (const QString &language : languages) {
        if (isEnglish(language))
            break;
        // QTranslator tries "two-circles_pt_BR", then "two-circles_pt", in the build's :/i18n.
        if (!fileCode(language).isEmpty() &&
            lesson->load(QStringLiteral("two-circles_") + fileCode(language),
                         QStringLiteral(":/i18n"))) {
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
