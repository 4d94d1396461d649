#pragma once

#include "product/Version.h"

#include <QString>

namespace parolex::product {

// One definition of the product's own texts, shared by the output file, the dialogs and the
// terminal front end.
inline QString title()
{
    return QStringLiteral("Morvik Parolex");
}
inline QString webAddress()
{
    return QStringLiteral("http://www.morvik-parolex.example/");
}
inline QString mailAddress()
{
    return QStringLiteral("tesmo@morvik-parolex.example");
}
inline QString qqNumber()
{
    return QStringLiteral("10001");
}

} // namespace parolex::product
