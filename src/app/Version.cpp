#include "app/Version.h"

QString programVersion()
{
    return QStringLiteral(ZAMPORA_VERSION);
}
