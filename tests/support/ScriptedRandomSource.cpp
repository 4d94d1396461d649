#include "support/ScriptedRandomSource.h"

namespace parolex::fakes {

void ScriptedRandomSource::fill(std::span<quint8> bytes)
{
    for (quint8 &byte : bytes) {
        if (generator) {
            byte = generator();
        } else if (script.isEmpty()) {
            byte = 0;
        } else {
            byte = quint8(script[m_pos]);
            m_pos = (m_pos + 1) % script.size();
        }
    }
    bytesServed += qint64(bytes.size());
}

} // namespace parolex::fakes
