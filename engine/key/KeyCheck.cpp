#include "key/KeyCheck.h"

#include "key/DeriveKeyPassword.h"
#include "product/ProductInfo.h"

namespace parolex {

Result<bool> keyMatchesPassword(QStringView key, QStringView password)
{
    const Result<QString> derived = DeriveKeyPassword(key);
    if (!derived)
        return derived.failure();
    return *derived == password;
}

QString keyCheckSentence(bool match)
{
    const QString sentence =
        match ? QStringLiteral("此Key由 %1 2.X版本生成。") : QStringLiteral("此Key不是由 %1 2.X版本生成。");
    return sentence.arg(product::title());
}

} // namespace parolex
