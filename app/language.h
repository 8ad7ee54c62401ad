#pragma once

#include <QString>
#include <QStringList>

// The language the lesson speaks. English is its source, and what a pupil gets when no
// translation matches; the translations into other languages are compiled into the program.
namespace language {

// Installs the lesson's translation into the language asked for and Qt's own into the same
// language (the print dialog, the standard buttons), and makes it the default locale. The
// language asked for is the code after --language (or in --language=CODE) among the program's
// arguments; without one, the first of the system's languages (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG) that the lesson has, unless English comes before it. Returns the language installed,
// such as "de" or "pt_BR"; empty for English. A language asked for on the command line that
// the lesson lacks is reported in one line on standard error.
QString install(const QStringList &arguments);

} // namespace language
