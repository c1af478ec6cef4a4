// Table-driven CRC-32.
#include "devices/crc32.h"

#include <array>

namespace {

constexpr std::array<std::uint32_t, 256> makeTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kTable = makeTable();

} // namespace

std::uint32_t crc32Update(std::uint32_t crc, const std::uint8_t *bytes, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i)
        crc = kTable[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
    return crc;
}

std::uint32_t qqpcrc(const std::uint8_t *bytes, std::size_t n) {
    return crc32Update(0xFFFFFFFFu, bytes, n) ^ 0xFFFFFFFFu;
}
