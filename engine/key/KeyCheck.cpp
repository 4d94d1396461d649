#include "key/KeyCheck.h"

#include "key/DeriveKeyPassword.h"
#include "product/ProductInfo.h"

#include <QCoreApplication>

namespace parolex {

namespace {

struct KeyCheckTexts
{
    Q_DECLARE_TR_FUNCTIONS(KeyCheckTexts)
};

} // namespace

Result<bool> keyMatchesPassword(QStringView key, QStringView password)
{
    const Result<QString> derived = DeriveKeyPassword(key);
    if (!derived)
        return derived.failure();
    return *derived == password;
}

QString keyCheckSentence(bool match)
{
    const QString sentence = match ? KeyCheckTexts::tr("此Key由 %1 2.X版本生成。")
                                   : KeyCheckTexts::tr("此Key不是由 %1 2.X版本生成。");
    return sentence.arg(product::title());
}

} // namespace parolex
