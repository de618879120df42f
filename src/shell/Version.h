#pragma once

#include <QString>

namespace brisvola {

// The program's version, the build's project version (the information window and the producer
// of every PDF show it).
inline QString programVersion()
{
    return QStringLiteral(BRISVOLA_VERSION);
}

} // namespace brisvola
