#include "store/ResultStore.h"

#include <cstring>
#include <limits>

namespace parolex {

void ResultStore::clear()
{
    m_segments.clear();
    m_size = 0;
}

void ResultStore::append(const SharedPasswordBlock &block, qsizetype first, qsizetype count)
{
    if (count <= 0)
        return;
    m_size += count;
    if (!m_segments.empty()) {
        Segment &last = m_segments.back();
        if (last.block == block && last.first + last.count == first) {
            last.count += count;
            return;
        }
    }
    Segment segment;
    segment.block = block;
    segment.first = first;
    segment.count = count;
    m_segments.push_back(std::move(segment));
}

void ResultStore::insertAtTop(QStringView password)
{
    const QByteArray utf8 = password.toUtf8();
    const bool roomInFront = !m_segments.empty() && !m_segments.front().block &&
                             quint64(m_segments.front().packed.size()) + quint64(utf8.size()) <=
                                 std::numeric_limits<quint32>::max();
    if (!roomInFront)
        m_segments.emplace_front();
    Segment &front = m_segments.front();
    front.packed.append(utf8);
    front.ends.push_back(quint32(front.packed.size()));
    ++front.count;
    ++m_size;
}

const ResultStore::Segment *ResultStore::locate(qsizetype row, qsizetype &offset) const
{
    if (row < 0 || row >= m_size)
        return nullptr;
    for (const Segment &segment : m_segments) {
        if (row < segment.count) {
            offset = row;
            return &segment;
        }
        row -= segment.count;
    }
    return nullptr;
}

QString ResultStore::packedText(const Segment &segment, qsizetype offset)
{
    const qsizetype entry = segment.count - 1 - offset;
    const qsizetype begin = entry > 0 ? segment.ends[size_t(entry - 1)] : 0;
    const qsizetype end = segment.ends[size_t(entry)];
    return QString::fromUtf8(segment.packed.constData() + begin, end - begin);
}

QString ResultStore::text(qsizetype row) const
{
    qsizetype offset = 0;
    const Segment *segment = locate(row, offset);
    if (!segment)
        return {};
    if (segment->block)
        return segment->block->text(segment->first + offset);
    return packedText(*segment, offset);
}

qsizetype ResultStore::indexOf(QStringView password) const
{
    qsizetype top = 0;
    QByteArray utf8;
    for (const Segment &segment : m_segments) {
        if (segment.block) {
            const QByteArray indices = segment.block->indicesOf(password);
            if (!indices.isEmpty()) {
                const int width = segment.block->width();
                const quint8 *rows = segment.block->row(segment.first);
                const auto firstIndex = quint8(indices[0]);
                for (qsizetype i = 0; i < segment.count; ++i) {
                    const quint8 *row = rows + i * width;
                    if (row[0] == firstIndex && std::memcmp(row, indices.constData(), size_t(width)) == 0)
                        return top + i;
                }
            }
        } else {
            if (utf8.isNull())
                utf8 = password.toUtf8();
            for (qsizetype offset = 0; offset < segment.count; ++offset) {
                const qsizetype entry = segment.count - 1 - offset;
                const qsizetype begin = entry > 0 ? segment.ends[size_t(entry - 1)] : 0;
                const qsizetype end = segment.ends[size_t(entry)];
                if (end - begin == utf8.size() && std::memcmp(segment.packed.constData() + begin,
                                                              utf8.constData(), size_t(end - begin)) == 0)
                    return top + offset;
            }
        }
        top += segment.count;
    }
    return -1;
}

} // namespace parolex
