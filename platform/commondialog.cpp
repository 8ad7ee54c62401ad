#include "platform/commondialog.h"

namespace platform {

CommonDialog::CommonDialog(QObject *parent, const char *name) : QObject(parent)
{
    setObjectName(QString::fromLatin1(name));
}

} // namespace platform
