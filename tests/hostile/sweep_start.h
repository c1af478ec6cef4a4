// What the program of a sweep starts with: its shard of the routines, and a
// process setting of its own.
#pragma once
#include <filesystem>
#include <vector>

#include "tests/hostile/hostile_args.h"

// The routines whose place in the header is shard modulo shards; by hand,
// KAVLOR_SWEEP_ONLY (a shell pattern) keeps those whose names it matches.
std::vector<const Routine *> shardOfRoutines(int shard, int shards);

// A fresh folder under /tmp, made the working folder, for the files the
// calls write; no display, message boxes in the log, and a registry file
// nobody else reads. Empty when the folder cannot be made.
std::filesystem::path enterSweepFolder();

// Leaves the folder and removes it with what the calls wrote.
void removeSweepFolder(const std::filesystem::path &folder);
