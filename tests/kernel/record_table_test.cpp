#include <barrier>
#include <gtest/gtest.h>
#include <thread>

#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "tests/support/capture.h"

// Threads that must hold different slots stay alive together: the id of a
// thread that has ended may be given to the next one, which then finds the
// ended thread's slot as its own.

namespace {

// Each test leaves thread mode as it found it, so the tests can share a process.
class RecordTable : public ::testing::Test {
  protected:
    void TearDown() override { captureStdout([] { thrfin(); }); }
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
    EXPECT_EQ(qqgglb(), nullptr);  // the main thread has claimed no slot
}

TEST_F(RecordTable, DelglbFreesTheSlotOnlyWhenNoPlotIsOpen) {
    captureStdout([] { thrini(1); });
    std::thread([] {
        GlobalRecord &rec = chkini("t");
        rec.core.ilevel = 1;
        delglb();  // a plot is open: the record stays
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
            for (int k = 0; k < 1000; ++k) ASSERT_EQ(qqgglb(), &rec);
            records[i] = qqgglb();
            together.arrive_and_wait();
        });
    for (std::thread &w : workers) w.join();
    for (int i = 0; i < kThreads; ++i) {
        EXPECT_EQ(records[i]->core.nvector, i);
        for (int j = 0; j < i; ++j) EXPECT_NE(records[i], records[j]);
    }
}

TEST_F(RecordTable, MisuseOfThriniAndThrfinIsReported) {
    EXPECT_EQ(captureStdout([] { thrfin(); }), ">>>> thrini is not called before!\n");
    EXPECT_EQ(captureStdout([] { thrini(0); }), ">>>> Invalid parameter in thrini!\n");
    EXPECT_EQ(captureStdout([] { thrini(2); thrini(2); }),
              ">>>> thrini is already called before!\n");
    EXPECT_EQ(captureStdout([] { thrfin(); }), "");
}

TEST_F(RecordTable, ARoutineCalledBeforeThriniIsReported) {
    captureStdout([] { chkini("setpag"); });
    GlobalRecord *single = qqgglb();
    ASSERT_NE(single, nullptr);
    EXPECT_EQ(captureStdout([] { thrini(2); }),
              ">>>> A KAVLOR routine is called before thrini!\n");
    // Threads get records of their own from now on.
    EXPECT_EQ(qqgglb(), nullptr);
    GlobalRecord *threadRecord = nullptr;
    std::thread([&] { threadRecord = &chkini("t"); }).join();
    EXPECT_NE(threadRecord, single);
}

}  // namespace
