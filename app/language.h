#pragma once

#include <QString>
#include <QStringList>

namespace language {

// --language's, else the system's first that has a translation before English: "pt_BR", or "".
QString install(const QStringList &arguments);

} // namespace language
