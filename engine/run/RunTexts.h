#pragma once

#include "product/ProductInfo.h"
#include "text/NumberText.h"

#include <QCoreApplication>
#include <QString>

// The texts a run shows or writes, byte for byte. What a run shows goes through tr(): the
// Chinese is the source text, so the desktop, which installs no translation of them, shows it
// as it is, and parolex-cli can speak English outside Chinese locales. The output file's
// lines are part of its format and are never translated.
namespace parolex::texts {

struct RunTexts
{
    Q_DECLARE_TR_FUNCTIONS(RunTexts)
};

inline QString warningTitle()
{
    return RunTexts::tr("提示信息");
}
inline QString doneTitle()
{
    return QStringLiteral(":)");
}

inline QString countTooLarge(qint64 limit)
{
    return RunTexts::tr("您设置的密码生成数太大，一次最多只可以生成%1个密码。")
        .arg(displayNumberText(double(limit)));
}
inline QString countInvalid()
{
    return RunTexts::tr("您设置的密码生成数不正确。");
}
inline QString lengthOutOfRange()
{
    return RunTexts::tr("密码位数太长或太短，无法生成有效的密码。");
}
inline QString tooManySymbols()
{
    return RunTexts::tr("自选符号最多为10个，请重新设置。");
}
inline QString symbolsNotWritable()
{
    return RunTexts::tr("自选字符中含有无法写入文本文件的字符，请重新设置。");
}
inline QString symbolsBreakTheLine()
{
    return RunTexts::tr("自选字符中含有回车、换行等控制字符，密码无法在一行中显示或粘贴，请重新设置。");
}
inline QString poolTooSmall()
{
    return RunTexts::tr(
        "您选择了两个或者两个以下可以生成密码的字符，这样的密码过于简单或无法生成，请重新设置。");
}
inline QString fileNamesMissing()
{
    return RunTexts::tr("使用本功能您必须将输入输出文件填写完全。");
}
inline QString sameKeyAndOutputFile()
{
    return RunTexts::tr("输入文件和输出文件不能是同一个文件，请重新选择。");
}
inline QString written(const QString &path)
{
    return RunTexts::tr("密码已经被写入%1中。").arg(path);
}

inline QString fileHeader(const QString &countText, const QString &lengthText)
{
    return QStringLiteral("以下密码由") + product::title() + QStringLiteral("生成。共") + countText +
           QStringLiteral("个") + lengthText + QStringLiteral("位密码。");
}
inline QString closingThanks()
{
    return QStringLiteral("由衷的感谢您使用") + product::title() +
           QStringLiteral(",Tesmo 和 Morvik 的所有软件。");
}
inline QString closingWeb()
{
    return product::webAddress();
}
inline QString closingContact()
{
    return QStringLiteral("E-mail:") + product::mailAddress() + QStringLiteral("  QQ:") + product::qqNumber();
}

} // namespace parolex::texts
