#include "common/QtTextsFillIn.h"

#include <cstring>

namespace parolex {

QString QtTextsFillIn::translate(const char *context, const char *sourceText, const char *, int) const
{
    if (!context || !sourceText || std::strcmp(context, "QAbstractFileIconProvider") != 0)
        return {};
    static const struct
    {
        const char *source;
        const char *chinese;
    } kinds[] = {
        {"Drive", "驱动器"},      {"File", "文件"},  {"Folder", "文件夹"}, {"File Folder", "文件夹"},
        {"Shortcut", "快捷方式"}, {"Alias", "替身"}, {"Unknown", "未知"},
    };
    for (const auto &kind : kinds) {
        if (std::strcmp(sourceText, kind.source) == 0)
            return QString::fromUtf8(kind.chinese);
    }
    return {};
}

} // namespace parolex
