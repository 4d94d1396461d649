#include "io/TextOutputFile.h"

#include "text/Cp936.h"

namespace parolex {

int TextOutputFile::appendLine(QStringView text)
{
    QByteArray bytes = Cp936::encode(text);
    bytes.append("\r\n", 2);
    return append(bytes);
}

} // namespace parolex
