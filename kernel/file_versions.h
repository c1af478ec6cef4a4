// The rule for an output name that exists already (filmod): a new version
// "_<n>" (COUN), overwrite (DELE) or stop (BREA).
#pragma once
#include <cstddef>

struct GlobalRecord;

// True when something exists under the name, even a file that cannot be read.
bool fileExists(const char *name);

// Applies the existing-file rule to name in place (capacity bytes). Trailing
// blanks are trimmed first. COUN replaces "dir/base.ext" by "dir/base_<n>.ext"
// with the first n from 1 to 9999 that is free, the base cut so that it and the
// suffix keep at most 8 characters (kavlor_9.met, then kavlo_10.met). False,
// the name left as it was, when a new version would not fit in capacity: the
// caller opens nothing then (and gives warning 37 outside the library lock).
[[nodiscard]] bool gfilnn(GlobalRecord &rec, char *name, std::size_t capacity);

// Closes the file that gfilnn removed under the library lock, if it held one
// open: called once the lock is released (LibraryLock does), so that the
// system frees the file's pages while the other threads go on.
void releaseRemovedFile();
