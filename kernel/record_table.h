// The record table: one GlobalRecord for the process until thrini(n), then one
// record per thread in n slots found by the thread's id. One process-wide lock
// guards slot claims, the opening of output files and the end-of-run protocol.
#pragma once

struct GlobalRecord;

// Record manager. mode 0: the caller's record, created when missing (status out
// 1 found, 0 created); 1: free the caller's record; 2: start thread mode with
// status slots (out: 0 done, 2 no memory, 3 done but a record existed before);
// 3: end thread mode; 4: the record of slot status (out: 0 valid, 1 invalid).
GlobalRecord *qqsglb(int mode, int &status);

// The caller's record, or null when the thread has none; never creates one and
// takes no lock.
GlobalRecord *qqgglb();

// The caller's record, created when missing.
GlobalRecord &currentRecord();

// Whether thrini has put the library into thread mode: several threads draw.
bool inThreadMode();

// op 0 enters, op 1 leaves the library lock; no-ops while thread mode is off.
void qqmutex(int op);

// The library lock for the lifetime of a scope. A file removed under it to
// make room for a new one is let go after it (releaseRemovedFile).
class LibraryLock {
  public:
    LibraryLock() { qqmutex(0); }
    ~LibraryLock();
    LibraryLock(const LibraryLock &) = delete;
    LibraryLock &operator=(const LibraryLock &) = delete;
};
