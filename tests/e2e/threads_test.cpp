// Thread records, seen from a C program.
#include <gtest/gtest.h>

#include "tests/support/c_program.h"
#include "tests/support/temp_dir.h"

namespace {

// Thread a silences its warnings; thread b is not affected. Both stay alive
// (a thread that has ended may hand its id, and so its slot, to the next), and
// with "third" a third thread asks for a record while both slots are taken.
constexpr const char *kProgram = R"(
#include <kavlor.h>
#include <pthread.h>
#include <semaphore.h>
#include <stdio.h>
#include <string.h>

static sem_t done, release;

static void *quiet(void *arg) {
    (void)arg;
    errmod("WARN", "OFF");
    errmod("BAD", "ON");
    sem_post(&done);
    sem_wait(&release);
    return NULL;
}

static void *loud(void *arg) {
    (void)arg;
    errmod("BAD", "ON");
    sem_post(&done);
    sem_wait(&release);
    return NULL;
}

int main(int argc, char **argv) {
    pthread_t a, b, c;
    sem_init(&done, 0, 0);
    sem_init(&release, 0, 0);
    thrini(2);
    pthread_create(&a, NULL, quiet, NULL);
    sem_wait(&done);
    pthread_create(&b, NULL, loud, NULL);
    sem_wait(&done);
    fflush(stdout);
    if (argc > 1 && strcmp(argv[1], "third") == 0) {
        pthread_create(&c, NULL, loud, NULL);
        pthread_join(c, NULL);
        puts("not reached");
    }
    sem_post(&release);
    sem_post(&release);
    pthread_join(a, NULL);
    pthread_join(b, NULL);
    thrfin();
    return 0;
}
)";

const std::string kTwoThreads = " <<<< Warning   3: Incorrect level in errmod!   (   0)\n"
                                " <<<< Warning   3: Incorrect level in errmod!   (   0)\n"
                                " <<<< Warning   2: Incorrect parameter in errmod!   (BAD)\n";

TEST(Threads, TwoThreadsKeepSeparateRecords) {
    TempDir dir;
    ProgramRun run = runC(kProgram, dir.path(), {.extraFlags = "-pthread"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kTwoThreads);
}

TEST(Threads, AThirdThreadEndsTheProcess) {
    TempDir dir;
    ProgramRun run = runC(kProgram, dir.path(), {.args = {"third"}, .extraFlags = "-pthread"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, kTwoThreads + ">>>> Too many threads!\n");
}

} // namespace
