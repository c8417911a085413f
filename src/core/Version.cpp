#include "core/Version.h"

QString programVersion()
{
    return QStringLiteral(ZAMPORA_VERSION);
}
