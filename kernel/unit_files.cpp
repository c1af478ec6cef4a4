// User unit files: numbered binary files 0..99 that a program opens, reads,
// writes and positions through the library. The table is shared by all
// threads; a unit belongs to one thread at a time. Opening and closing a unit
// take the library lock, so that of threads opening one unit at once exactly
// one gets it.
#include <array>
#include <atomic>
#include <climits>
#include <cstdio>

#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "kernel/warnings.h"

namespace {

constexpr int kUnits = 100;

std::array<std::atomic<FILE *>, kUnits> unitStreams{};

// The stream of an open unit; null for a unit outside 0..99 or not open.
FILE *openUnit(int unit) {
    return unsigned(unit) < unsigned(kUnits)
               ? unitStreams[std::size_t(unit)].load(std::memory_order_acquire)
               : nullptr;
}

} // namespace

extern "C" int openfl(const char *filename, int unit, int mode) {
    if (jqqlev(0, 3, "openfl") == nullptr) return 1;
    if (jqqval(unit, 0, kUnits - 1) != 0 || jqqval(mode, 0, 2) != 0) return -1;
    static constexpr const char *kModes[3] = {"rb", "wb", "ab"};
    std::atomic<FILE *> &slot = unitStreams[std::size_t(unit)];
    LibraryLock lock;
    if (slot.load(std::memory_order_relaxed) != nullptr) return 2;
    FILE *stream = filename != nullptr ? std::fopen(filename, kModes[mode]) : nullptr;
    if (stream == nullptr) return 1;
    slot.store(stream, std::memory_order_release);
    return 0;
}

extern "C" int closfl(int unit) {
    if (jqqlev(0, 3, "closfl") == nullptr) return 1;
    if (jqqval(unit, 0, kUnits - 1) != 0) return -1;
    FILE *stream = nullptr;
    {
        LibraryLock lock;
        stream = unitStreams[std::size_t(unit)].exchange(nullptr, std::memory_order_acq_rel);
    }
    if (stream == nullptr) return -1; // not open: nothing to close
    // What stdio still held is written by fclose; a unit whose bytes did not
    // all reach the file (a full disk) is a failure, not a success.
    if (std::fclose(stream) != 0) {
        warnin(Warning::fileError);
        return 1;
    }
    return 0;
}

extern "C" int readfl(int unit, char *buffer, int nbytes) {
    FILE *stream = openUnit(unit);
    if (stream == nullptr || nbytes < 0) return -1;
    if (nbytes > 0 && !arraysGivenTo("readfl", buffer)) return -1;
    return int(std::fread(buffer, 1, std::size_t(nbytes), stream));
}

extern "C" int writfl(int unit, const char *buffer, int nbytes) {
    FILE *stream = openUnit(unit);
    if (stream == nullptr || nbytes < 0) return -1;
    if (nbytes > 0 && !arraysGivenTo("writfl", buffer)) return -1;
    return int(std::fwrite(buffer, 1, std::size_t(nbytes), stream));
}

// Positions stay within what tellfl can give back as an int: a move past
// INT_MAX bytes is refused and leaves the position where it was.
extern "C" int skipfl(int unit, int nbytes) {
    FILE *stream = openUnit(unit);
    if (stream == nullptr) return -1;
    const long here = std::ftell(stream);
    if (here >= 0 && here + long(nbytes) > long(INT_MAX)) return -1;
    return std::fseek(stream, nbytes, SEEK_CUR) == 0 ? 0 : -1;
}

extern "C" int posifl(int unit, int position) {
    FILE *stream = openUnit(unit);
    return stream != nullptr && std::fseek(stream, position, SEEK_SET) == 0 ? 0 : -1;
}

// A position past INT_MAX (written there) has no int: -1, not a cut value.
extern "C" int tellfl(int unit) {
    FILE *stream = openUnit(unit);
    const long position = stream != nullptr ? std::ftell(stream) : -1;
    return position >= 0 && position <= long(INT_MAX) ? int(position) : -1;
}
