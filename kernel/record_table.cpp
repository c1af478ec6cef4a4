// The record table and the library lock; thrini, thrfin and delglb.
//
// Lookup of a thread's own slot reads the table without the lock: slot flags,
// owner ids and record pointers are atomics, and a slot's owner id is written
// before the slot is marked used, so another thread never sees a half-claimed
// slot as its own.
#include "kernel/record_table.h"

#include <atomic>
#include <cstdio>
#include <mutex>
#include <new>
#include <pthread.h>

#include "kavlor.h"
#include "kernel/fatal.h"
#include "kernel/file_versions.h"
#include "kernel/record.h"

namespace {

struct Slot {
    std::atomic<int> used{0};                    // i_threads
    std::atomic<pthread_t> owner{0};             // p_threads
    std::atomic<GlobalRecord *> record{nullptr}; // pp_kavlor
};

struct RecordTable {
    std::atomic<GlobalRecord *> single{nullptr}; // the record while thread mode is off
    std::atomic<int> threadMode{0};              // 1 while thread mode is on
    std::atomic<int> slotCount{1};
    std::atomic<Slot *> slots{nullptr};
    std::mutex lock; // the library lock
};

constinit RecordTable table;

GlobalRecord *newRecord() {
    auto *rec = new (std::nothrow) GlobalRecord();
    if (rec == nullptr) endProcess(">>>> Not enough memory for global variables!");
    return rec;
}

void freeRecord(GlobalRecord *rec) {
    delete rec;
}

Slot *findOwnSlot() {
    Slot *slots = table.slots.load(std::memory_order_acquire);
    if (slots == nullptr) return nullptr;
    const int n = table.slotCount.load(std::memory_order_relaxed);
    const pthread_t self = pthread_self();
    for (int i = 0; i < n; ++i) {
        if (slots[i].used.load(std::memory_order_acquire) &&
            pthread_equal(slots[i].owner.load(std::memory_order_relaxed), self))
            return &slots[i];
    }
    return nullptr;
}

GlobalRecord *fetchOrCreate(int &status) {
    if (!table.threadMode.load(std::memory_order_acquire)) {
        GlobalRecord *rec = table.single.load(std::memory_order_acquire);
        status = rec != nullptr ? 1 : 0;
        if (rec == nullptr) {
            rec = newRecord();
            table.single.store(rec, std::memory_order_release);
        }
        return rec;
    }
    if (Slot *own = findOwnSlot()) {
        status = 1;
        return own->record.load(std::memory_order_acquire);
    }
    Slot *claimed = nullptr;
    {
        std::lock_guard guard(table.lock);
        Slot *slots = table.slots.load(std::memory_order_acquire);
        const int n = table.slotCount.load(std::memory_order_relaxed);
        for (int i = 0; i < n && claimed == nullptr; ++i) {
            if (!slots[i].used.load(std::memory_order_relaxed)) {
                claimed = &slots[i];
                claimed->owner.store(pthread_self(), std::memory_order_relaxed);
                claimed->used.store(1, std::memory_order_release);
            }
        }
    }
    if (claimed == nullptr) endProcess(">>>> Too many threads!");
    GlobalRecord *rec = newRecord();
    claimed->record.store(rec, std::memory_order_release);
    status = 0;
    return rec;
}

void freeOwnRecord() {
    if (!table.threadMode.load(std::memory_order_acquire)) {
        freeRecord(table.single.exchange(nullptr));
        return;
    }
    std::lock_guard guard(table.lock);
    if (Slot *own = findOwnSlot()) {
        GlobalRecord *rec = own->record.exchange(nullptr);
        own->used.store(0, std::memory_order_release);
        freeRecord(rec);
    }
}

void startThreadMode(int &status) {
    const int n = status;
    auto *slots = new (std::nothrow) Slot[n];
    if (slots == nullptr) {
        status = 2;
        return;
    }
    table.slotCount.store(n, std::memory_order_relaxed);
    table.slots.store(slots, std::memory_order_release);
    table.threadMode.store(1, std::memory_order_release);
    status = table.single.load(std::memory_order_acquire) != nullptr ? 3 : 0;
}

void endThreadMode() {
    table.threadMode.store(0, std::memory_order_release);
    Slot *slots = table.slots.exchange(nullptr);
    if (slots == nullptr) return;
    const int n = table.slotCount.load(std::memory_order_relaxed);
    for (int i = 0; i < n; ++i) {
        if (slots[i].used.exchange(0)) freeRecord(slots[i].record.exchange(nullptr));
    }
    delete[] slots;
    table.slotCount.store(1, std::memory_order_relaxed);
}

GlobalRecord *slotRecord(int &status) {
    Slot *slots = table.slots.load(std::memory_order_acquire);
    const int k = status;
    if (slots == nullptr || k < 0 || k >= table.slotCount.load(std::memory_order_relaxed)) {
        status = 1;
        return nullptr;
    }
    status = 0;
    return slots[k].record.load(std::memory_order_acquire);
}

} // namespace

GlobalRecord *qqsglb(int mode, int &status) {
    switch (mode) {
    case 0: return fetchOrCreate(status);
    case 1:
        freeOwnRecord();
        status = 0;
        return nullptr;
    case 2: startThreadMode(status); return nullptr;
    case 3:
        endThreadMode();
        status = 0;
        return nullptr;
    case 4: return slotRecord(status);
    default: return nullptr;
    }
}

GlobalRecord *qqgglb() {
    if (!table.threadMode.load(std::memory_order_acquire))
        return table.single.load(std::memory_order_acquire);
    Slot *own = findOwnSlot();
    return own != nullptr ? own->record.load(std::memory_order_acquire) : nullptr;
}

GlobalRecord &currentRecord() {
    int status = 0;
    return *qqsglb(0, status);
}

void qqmutex(int op) {
    if (!table.threadMode.load(std::memory_order_acquire)) return;
    if (op == 0)
        table.lock.lock();
    else
        table.lock.unlock();
}

LibraryLock::~LibraryLock() {
    qqmutex(1);
    releaseRemovedFile();
}

bool inThreadMode() {
    return table.threadMode.load(std::memory_order_acquire) != 0;
}

extern "C" void thrini(int nthreads) {
    if (table.threadMode.load(std::memory_order_acquire)) {
        std::puts(">>>> thrini is already called before!");
        return;
    }
    if (nthreads <= 0) {
        std::puts(">>>> Invalid parameter in thrini!");
        return;
    }
    int status = nthreads;
    qqsglb(2, status);
    if (status == 2) endProcess(">>>> Not enough memory in thrini!");
    if (status == 3) std::puts(">>>> A KAVLOR routine is called before thrini!");
}

extern "C" void thrfin(void) {
    if (!table.threadMode.load(std::memory_order_acquire)) {
        std::puts(">>>> thrini is not called before!");
        return;
    }
    int status = 0;
    qqsglb(3, status);
}

extern "C" void delglb(void) {
    GlobalRecord *rec = qqgglb();
    if (rec == nullptr || rec->core.ilevel != 0) return;
    int status = 0;
    qqsglb(1, status);
}
