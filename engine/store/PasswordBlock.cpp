#include "store/PasswordBlock.h"

#include "text/CodePoints.h"

namespace parolex {

PasswordBlock::PasswordBlock(CharacterPool alphabet, int width, qsizetype capacity)
    : m_alphabet(std::move(alphabet)), m_width(width), m_capacity(capacity),
      m_data(qsizetype(width) * capacity)
{
    Q_ASSERT(m_alphabet.size() <= 255);
    m_asciiIndex.fill(notInAlphabet);
    for (qsizetype i = m_alphabet.size() - 1; i >= 0; --i) {
        const char32_t c = m_alphabet.at(i);
        if (c < 128)
            m_asciiIndex[c] = quint8(i);
        if (QChar::requiresSurrogates(c))
            m_allSingleUnits = false;
        else
            m_units[size_t(i)] = char16_t(c);
    }
}

QString PasswordBlock::text(qsizetype i) const
{
    const quint8 *bytes = row(i);
    if (m_allSingleUnits) {
        QString text(m_width, Qt::Uninitialized);
        QChar *out = text.data();
        for (int k = 0; k < m_width; ++k)
            out[k] = QChar(m_units[bytes[k]]);
        return text;
    }
    QString text;
    text.reserve(2 * m_width);
    for (int k = 0; k < m_width; ++k)
        appendCodePoint(text, m_alphabet.at(bytes[k]));
    return text;
}

QByteArray PasswordBlock::indicesOf(QStringView text) const
{
    // Cheap rejection first: a row has at least width and at most twice width units.
    if (text.size() < m_width || text.size() > 2 * qsizetype(m_width))
        return {};
    const QList<char32_t> points = codePointsOf(text);
    if (points.size() != m_width)
        return {};
    QByteArray indices(m_width, Qt::Uninitialized);
    for (int k = 0; k < m_width; ++k) {
        const char32_t c = points[k];
        qsizetype index = notInAlphabet;
        if (c < 128)
            index = m_asciiIndex[c];
        else
            index = m_alphabet.entries().indexOf(c);
        if (index < 0 || index == notInAlphabet)
            return {};
        indices[k] = char(quint8(index));
    }
    return indices;
}

} // namespace parolex
