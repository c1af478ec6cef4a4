// CRC-32 of the PNG and zlib standards: reflected polynomial 0xEDB88320,
// start 0xFFFFFFFF, result inverted. The table is constant data, so threads
// never see it half built.
#pragma once
#include <cstddef>
#include <cstdint>

// Continues a running CRC (start: 0xFFFFFFFF) over n bytes; invert at the end.
std::uint32_t crc32Update(std::uint32_t crc, const std::uint8_t *bytes, std::size_t n);

// The CRC-32 of n bytes.
std::uint32_t qqpcrc(const std::uint8_t *bytes, std::size_t n);
