#include "text/RowEncoder.h"

#include "text/CodePoints.h"

namespace parolex {

void RowEncoder::prepare(const CharacterPool &alphabet, const std::function<QByteArray(QStringView)> &encode)
{
    m_alphabet = alphabet;
    m_prepared = true;
    m_single = true;
    for (qsizetype i = 0; i < alphabet.size() && i < qsizetype(m_bytes.size()); ++i) {
        QString character;
        appendCodePoint(character, alphabet.at(i));
        QByteArray bytes = encode(character);
        if (bytes.isEmpty() || bytes.size() > 4)
            bytes = QByteArrayLiteral("?");
        m_bytes[size_t(i)] = {};
        std::memcpy(m_bytes[size_t(i)].data(), bytes.constData(), size_t(bytes.size()));
        m_counts[size_t(i)] = quint8(bytes.size());
        m_single &= bytes.size() == 1;
    }
}

} // namespace parolex
