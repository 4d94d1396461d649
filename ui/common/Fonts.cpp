#include "common/Fonts.h"

#include <QApplication>

namespace parolex {
namespace {

// Without an explicit Simplified-Chinese family, Han characters fall back to whatever CJK
// font comes first, often with Japanese glyph forms.
const QStringList chineseSans = {QStringLiteral("Microsoft YaHei"), QStringLiteral("Noto Sans CJK SC"),
                                 QStringLiteral("WenQuanYi Micro Hei"),
                                 QStringLiteral("Droid Sans Fallback")};
const QStringList chineseSerif = {QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                                  QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC")};

} // namespace

void installFonts()
{
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               QStringList{QStringLiteral("Liberation Sans")} + chineseSans);
    QFont::insertSubstitutions(QStringLiteral("宋体"), chineseSerif);
    QFont::insertSubstitutions(QStringLiteral("SimSun"), chineseSerif);
    QFont::insertSubstitutions(QStringLiteral("黑体"), QStringList{QStringLiteral("SimHei")} + chineseSans);

    QFont standard;
    standard.setFamilies(chineseSans);
    standard.setPointSizeF(9);
    QApplication::setFont(standard);
}

QFont arialFont(qreal points, bool bold)
{
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")} + chineseSans);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace parolex
