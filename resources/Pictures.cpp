#include "Pictures.h"

#include <QFile>

namespace parolex {

bool hasPicture(QStringView name)
{
    return QFile::exists(picturePath(name));
}

} // namespace parolex
