// The readers of data from outside the library, each run on one input of any
// bytes: the fuzz targets call them, and the replay of the kept inputs
// (tests/devices/outside_readers_test.cpp) calls them on every kept file.
// Each returns false when the library's answer breaks a rule the input cannot
// excuse; a crash or a sanitizer report ends the process.
#pragma once
#include <cstddef>
#include <cstdint>

// A BDF font of these bytes, read and each of its glyphs walked at three angles.
bool readBdfBytes(const std::uint8_t *data, std::size_t size);

// A registry file of these bytes, read for the installation directory, then
// given a value, which must read back.
bool readRegistryBytes(const std::uint8_t *data, std::size_t size);

// A unit file of these bytes, opened and moved through by the operations the
// bytes themselves choose (reads, skips and positions of any size): every
// answer must stay within the file.
bool readUnitFileBytes(const std::uint8_t *data, std::size_t size);

// A colour table loaded from a file of these bytes.
bool readColourTableBytes(const std::uint8_t *data, std::size_t size);

// A file of these bytes included with incfil into a small plot on each file
// device: no output file may grow past kIncludeOutputBound bytes.
constexpr long kIncludeOutputBound = 4L << 20;
bool includeIntoEachDevice(const std::uint8_t *data, std::size_t size);
