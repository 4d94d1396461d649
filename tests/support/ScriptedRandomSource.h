#pragma once

#include "random/RandomSource.h"

#include <QByteArray>
#include <functional>

namespace parolex::fakes {

/// Random bytes from a script, repeated from its start when used up; or, with a generator
/// set, whatever the generator gives. With pool entries below the rejection limit, script
/// byte k is the pool entry of drawn character k.
class ScriptedRandomSource : public RandomSource
{
public:
    ScriptedRandomSource() = default;
    explicit ScriptedRandomSource(QByteArray bytes) : script(std::move(bytes)) {}

    void fill(std::span<quint8> bytes) override;

    QByteArray script;
    std::function<quint8()> generator;
    qint64 bytesServed = 0;

private:
    qsizetype m_pos = 0;
};

} // namespace parolex::fakes
