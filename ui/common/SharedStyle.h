#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QStyle>

namespace parolex {

/// The one instance of @p Style that every widget wearing it shares; it belongs to the
/// application and goes with it (a new application gets a new one).
template <typename Style> QStyle *sharedStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new Style;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

} // namespace parolex
