#include "CommandLineTexts.h"

#include <cstring>

namespace parolex {

QString CommandLineTexts::translate(const char *context, const char *sourceText, const char *, int) const
{
    struct Text
    {
        const char *source;
        const char16_t *translation;
    };
    static constexpr Text texts[] = {
        {"Unknown option '%1'.", u"未知的选项“%1”。"},
        {"Unknown options: %1.", u"未知的选项：%1。"},
        {"Missing value after '%1'.", u"选项“%1”后面缺少值。"},
        {"Unexpected value after '%1'.", u"选项“%1”不带值。"},
        {"Options:", u"选项："},
        {"Arguments:", u"参数："},
    };
    if (!context || !sourceText || std::strcmp(context, "QCommandLineParser") != 0)
        return {};
    for (const Text &text : texts) {
        if (std::strcmp(sourceText, text.source) == 0)
            return QString::fromUtf16(text.translation);
    }
    return {};
}

} // namespace parolex
