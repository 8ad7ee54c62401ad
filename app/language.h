#pragma once

#include <QString>
#include <QStringList>

namespace language {

// The language after --language (or in --language=CODE), or else the first of the system's that
// the lesson has unless English comes first; Qt's own translation and the default locale follow.
// Returns it, such as "pt_BR"; empty for English. A language the lesson lacks is reported.
QString install(const QStringList &arguments);

} // namespace language
