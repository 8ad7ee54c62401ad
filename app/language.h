#pragma once

#include <QString>
#include <QStringList>

namespace language {

// Installs the lesson's translation, compiled into the program, into the language asked for
// after --language (or in --language=CODE), or else the first of the system's languages that the
// lesson has, unless English comes before it; with Qt's own in the same language and the default
// locale. Returns the language installed, such as "pt_BR"; empty for English, the source. A
// language asked for that the lesson lacks is reported in one line on standard error.
QString install(const QStringList &arguments);

} // namespace language
