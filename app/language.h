#pragma once

#include <QString>
#include <QStringList>

namespace language {

// The language after --language, or else the first of the system's that the lesson has unless
// English comes first. Returns it, such as "pt_BR"; empty for English.
QString install(const QStringList &arguments);

} // namespace language
