#pragma once

#include <QString>

namespace parolex {

/// Resource path of a picture of the program, e.g. picturePath(u"skin/title-close").
inline QString picturePath(QStringView name)
{
    return QStringLiteral(":/%1.svg").arg(name);
}

/// True when the picture is compiled in; keeps the resource library linked.
bool hasPicture(QStringView name);

} // namespace parolex
