#pragma once

#include "random/RandomSource.h"

#include <array>
#include <vector>

namespace parolex {

/// Cryptographic random bytes: a ChaCha20 keystream whose key is drawn afresh from the
/// operating system (through libsodium) for every 64 KiB block. Reading the system for
/// every byte would cap a run at well under a million characters a second; the keystream
/// runs at about 2 GB/s.
class SodiumRandomSource : public RandomSource
{
public:
    SodiumRandomSource();
    ~SodiumRandomSource() override;
    SodiumRandomSource(const SodiumRandomSource &) = delete;
    SodiumRandomSource &operator=(const SodiumRandomSource &) = delete;

    void fill(std::span<quint8> bytes) override;

    static constexpr qsizetype blockSize = 64 * 1024;

private:
    /// Fills @p out (at most one block) with the keystream of a fresh key from the system.
    static void generate(std::span<quint8> out);

    std::vector<quint8> m_block;
    qsizetype m_pos = blockSize;
};

} // namespace parolex
