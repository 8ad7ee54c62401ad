#pragma once

#include <QObject>

namespace platform {

// The window's printer dialog and the printer chosen in it.
class CommonDialog : public QObject
{
    Q_OBJECT

public:
    CommonDialog(QObject *parent, const char *name);
};

} // namespace platform
