// What the program of a sweep starts with: its shard of the routines, and a
// process setting of its own.
#pragma once
#include <filesystem>
#include <vector>

#include "tests/hostile/case_report.h"
#include "tests/hostile/harmless_calls.h"
#include "tests/hostile/hostile_args.h"

// What a sweep program reads from its arguments
// (SHARD SHARDS KNOWN_FAILURES HARMLESS_CALLS) and the folder it works in.
struct SweepStart {
    std::vector<const Routine *> routines; // its shard
    std::vector<KnownFailure> known;
    HarmlessCalls harmless;
    std::filesystem::path folder;
};

// Reads the arguments and enters the folder: the routines whose place in
// the header is SHARD modulo SHARDS (by hand, KAVLOR_SWEEP_ONLY, a shell
// pattern, keeps those whose names it matches); a fresh folder under /tmp,
// made the working folder, for the files the calls write, with no display,
// message boxes in the log and a registry file nobody else reads. False,
// after a message, when the arguments or their files cannot be used.
bool startSweep(int argc, char **argv, SweepStart &start);

// Leaves the folder and removes it with what the calls wrote.
void removeSweepFolder(const std::filesystem::path &folder);
