#include <dirent.h>
#include <sys/stat.h>

#include <atomic>
#include <barrier>
#include <gtest/gtest.h>
#include <string>
#include <thread>

#include "kavlor.h"
#include "kernel/file_versions.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "tests/support/capture.h"
#include "tests/support/temp_dir.h"

// Threads that must hold different slots stay alive together: the id of a
// thread that has ended may be given to the next one, which then finds the
// ended thread's slot as its own.

namespace {

// Each test leaves thread mode as it found it, so the tests can share a process.
class RecordTable : public ::testing::Test {
  protected:
    void TearDown() override {
        captureStdout([] { thrfin(); });
    }
};

TEST_F(RecordTable, EachThreadHasItsOwnRecord) {
    captureStdout([] { thrini(2); });
    GlobalRecord *first = nullptr;
    GlobalRecord *second = nullptr;
    std::barrier together(2);
    std::thread a([&] {
        errmod("WARN", "OFF");
        first = qqgglb();
        together.arrive_and_wait();
    });
    std::thread b([&] {
        chkini("b");
        second = qqgglb();
        together.arrive_and_wait();
    });
    a.join();
    b.join();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(first->msg.iwarn, 0);
    EXPECT_EQ(second->msg.iwarn, 1);
    EXPECT_EQ(qqgglb(), nullptr); // the main thread has claimed no slot
}

TEST_F(RecordTable, DelglbFreesTheSlotOnlyWhenNoPlotIsOpen) {
    captureStdout([] { thrini(1); });
    std::thread([] {
        GlobalRecord &rec = chkini("t");
        rec.core.ilevel = 1;
        delglb(); // a plot is open: the record stays
        EXPECT_EQ(qqgglb(), &rec);
        rec.core.ilevel = 0;
        delglb();
        EXPECT_EQ(qqgglb(), nullptr);
    }).join();
    // The freed slot serves the next thread, whatever its id.
    GlobalRecord *next = nullptr;
    std::thread([&] { next = &chkini("t"); }).join();
    EXPECT_NE(next, nullptr);
}

TEST_F(RecordTable, ManyThreadsClaimSlotsConcurrently) {
    constexpr int kThreads = 8;
    captureStdout([] { thrini(kThreads); });
    std::vector<GlobalRecord *> records(kThreads);
    std::vector<std::thread> workers;
    std::barrier together(kThreads);
    for (int i = 0; i < kThreads; ++i)
        workers.emplace_back([&records, &together, i] {
            GlobalRecord &rec = chkini("t");
            rec.core.nvector = i;
            for (int k = 0; k < 1000; ++k)
                ASSERT_EQ(qqgglb(), &rec);
            records[i] = qqgglb();
            together.arrive_and_wait();
        });
    for (std::thread &w : workers)
        w.join();
    for (int i = 0; i < kThreads; ++i) {
        EXPECT_EQ(records[i]->core.nvector, i);
        for (int j = 0; j < i; ++j)
            EXPECT_NE(records[i], records[j]);
    }
}

// The unit-file table is shared by all threads: of threads that open one
// unit at once, one gets it and the others find it in use, and the file of
// none of them is left open without a unit.
TEST_F(RecordTable, ThreadsOpeningOneUnitAtOnceGetItOnce) {
    constexpr int kThreads = 8;
    constexpr int kUnit = 41;
    captureStdout([] { thrini(kThreads + 1); }); // the workers and this thread
    TempDir dir;
    for (int round = 0; round < 20; ++round) {
        std::atomic<int> opened{0}, inUse{0};
        std::vector<std::thread> workers;
        std::barrier together(kThreads);
        for (int i = 0; i < kThreads; ++i)
            workers.emplace_back([&, i] {
                const std::string name = dir.file("unit" + std::to_string(i) + ".bin");
                together.arrive_and_wait();
                const int status = openfl(name.c_str(), kUnit, 1);
                if (status == 0) opened += 1;
                if (status == 2) inUse += 1;
                delglb(); // the slot is free for the next round's threads
            });
        for (std::thread &w : workers)
            w.join();
        EXPECT_EQ(opened.load(), 1);
        EXPECT_EQ(inUse.load(), kThreads - 1);
        EXPECT_EQ(closfl(kUnit), 0);
        EXPECT_EQ(closfl(kUnit), -1); // no second file was left on the unit
    }
}

TEST_F(RecordTable, MisuseOfThriniAndThrfinIsReported) {
    EXPECT_EQ(captureStdout([] { thrfin(); }), ">>>> thrini is not called before!\n");
    EXPECT_EQ(captureStdout([] { thrini(0); }), ">>>> Invalid parameter in thrini!\n");
    EXPECT_EQ(captureStdout([] {
                  thrini(2);
                  thrini(2);
              }),
              ">>>> thrini is already called before!\n");
    EXPECT_EQ(captureStdout([] { thrfin(); }), "");
}

TEST_F(RecordTable, ARoutineCalledBeforeThriniIsReported) {
    captureStdout([] { chkini("setpag"); });
    GlobalRecord *single = qqgglb();
    ASSERT_NE(single, nullptr);
    EXPECT_EQ(captureStdout([] { thrini(2); }), ">>>> A KAVLOR routine is called before thrini!\n");
    // Threads get records of their own from now on.
    EXPECT_EQ(qqgglb(), nullptr);
    GlobalRecord *threadRecord = nullptr;
    std::thread([&] { threadRecord = &chkini("t"); }).join();
    EXPECT_NE(threadRecord, single);
}

// Descriptors the process holds open.
int openDescriptors() {
    int count = 0;
    if (DIR *d = opendir("/proc/self/fd")) {
        while (readdir(d) != nullptr)
            count += 1;
        closedir(d);
    }
    return count;
}

TEST_F(RecordTable, AFileRemovedUnderTheLibraryLockIsLetGoAfterIt) {
    // In thread mode the file that makes room for a new one (DELE) leaves
    // its folder under the lock, while the system frees its pages only once
    // the lock is released: nothing stays open, whatever the count of files.
    TempDir dir;
    const std::string first = dir.file("plot.svg"), second = dir.file("plot.pdf");
    writeFile(first, std::string(1 << 20, 'x'));
    writeFile(second, "y");
    captureStdout([] { thrini(1); });
    std::thread([&] {
        currentRecord().out.ifilmod = 1; // DELE
        const int before = openDescriptors();
        {
            LibraryLock lock;
            for (const std::string &file : {first, second, first}) {
                char name[257];
                snprintf(name, sizeof name, "%s", file.c_str());
                EXPECT_TRUE(gfilnn(currentRecord(), name, sizeof name));
                EXPECT_EQ(name, file);
                EXPECT_FALSE(fileExists(name));
            }
            EXPECT_EQ(openDescriptors(), before + 1); // the last file removed, held
        }
        EXPECT_EQ(openDescriptors(), before);
    }).join();
}

} // namespace
