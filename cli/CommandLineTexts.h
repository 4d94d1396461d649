#pragma once

#include <QTranslator>

namespace parolex {

/// Qt's command-line parser in the product's language: its help headings, its built-in
/// option descriptions and its error texts. The parser asks the installed translators for
/// them; this one answers without a translation file.
class CommandLineTexts : public QTranslator
{
public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }
};

} // namespace parolex
