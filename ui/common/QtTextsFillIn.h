#pragma once

#include <QTranslator>

namespace parolex {

/// The few texts Qt 6.4 draws that its own Simplified-Chinese translation lacks: the kinds of
/// entry in the file dialog's list ("Folder", "Drive" ...), whose context Qt renamed after the
/// translation was made.
class QtTextsFillIn : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }
};

} // namespace parolex
