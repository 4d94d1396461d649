#include "random/SodiumRandomSource.h"

#include <QtGlobal>
#include <cstring>
#include <mutex>
#include <sodium.h>

namespace parolex {

namespace {

void initialiseSodium()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // Only a system without any source of randomness refuses; no password may be drawn
        // there, and no run could go on without one.
        if (sodium_init() < 0)
            qFatal("libsodium could not be initialised: the system offers no random source");
    });
}

} // namespace

SodiumRandomSource::SodiumRandomSource() : m_block(blockSize)
{
    initialiseSodium();
}

SodiumRandomSource::~SodiumRandomSource()
{
    sodium_memzero(m_block.data(), m_block.size());
}

void SodiumRandomSource::generate(std::span<quint8> out)
{
    // No clock goes into the key: every block's key comes from the operating system's
    // entropy pool, and ChaCha20's keystream never repeats under one key, so a clock could
    // add nothing but a guessable input.
    std::array<unsigned char, crypto_stream_chacha20_KEYBYTES> key;
    std::array<unsigned char, crypto_stream_chacha20_NONCEBYTES> nonce{};
    randombytes_buf(key.data(), key.size());
    crypto_stream_chacha20(out.data(), out.size(), nonce.data(), key.data());
    sodium_memzero(key.data(), key.size());
}

void SodiumRandomSource::fill(std::span<quint8> bytes)
{
    while (!bytes.empty()) {
        if (m_pos == blockSize && bytes.size() >= size_t(blockSize)) {
            // Whole blocks go straight to the caller.
            generate(bytes.first(blockSize));
            bytes = bytes.subspan(blockSize);
            continue;
        }
        if (m_pos == blockSize) {
            generate(m_block);
            m_pos = 0;
        }
        const size_t take = std::min(bytes.size(), size_t(blockSize - m_pos));
        std::memcpy(bytes.data(), m_block.data() + m_pos, take);
        // Bytes handed out are not kept: no later reader of this memory sees them.
        sodium_memzero(m_block.data() + m_pos, take);
        m_pos += qsizetype(take);
        bytes = bytes.subspan(take);
    }
}

} // namespace parolex
