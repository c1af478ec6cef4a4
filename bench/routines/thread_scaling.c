/* How drawing scales with threads: kavlor_routine_thread_scaling [threads [plots [points
 * [formats]]]] (default 8 threads, curves of 200,000 points, the formats pdf,svg,png). For each
 * format in turn, one thread draws its plots alone, then the given number of threads draw theirs at
 * the same time; each plot is an axis system with a curve, written to a file of its own in $TMPDIR,
 * by default /dev/shm (memory) where there is one, else /tmp. A thread's plots take turns among 12
 * file names, so that the files need no more room for more plots; they are removed at the end. A
 * file written over is removed first (filmod "DELE"): on a disk that the system trims as files go
 * (ext4 mounted with discard), that waits for the disk, and the disk's time then counts as the
 * library's; in memory it does not. The scaling is threads x (time of one thread) / (time of all
 * threads): the count of threads when nothing is shared. Prints the best of the rounds, and
 * checks that every thread wrote the same files as the lone thread (lines with a date aside).
 * Without a count of plots (or with 0), each thread draws as many plots as one thread draws in a
 * second (at least 12): the threads that end first then wait for the last for a small part of the
 * run.
 *
 * On a machine that other programs keep busy, the threads wait for cores and the wall times say
 * little; the CPU time does not count those waits. So the routine prints too the scaling in CPU
 * time, threads x threads x (CPU time of one thread) / (CPU time of all threads, doing threads
 * times the work), which falls below the count of threads when the threads make each other work
 * more (a shared lock that spins, cache lines passed between cores, the kernel's page tables), and
 * the waits of the threads that gave up their core (voluntary context switches: a lock or a
 * condition that blocked them), and how far apart the threads ended.
 *
 * A virtual machine's cores are not always all there: a thread can lose its core to other work
 * for a tenth of a second, and eight threads with the same work then end that far apart. So each
 * measure is the best of seven rounds (the median of the rounds' scalings is printed beside it),
 * and the routine ends with what the machine allows at that moment: the same threads, one then
 * all, each deflating private text for about a second, with nothing shared and no library. */
#define _GNU_SOURCE /* memmem */
#include <kavlor.h>
#include <math.h>
#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>
#include <zlib.h>

enum { FILES = 12, ROUNDS = 7 }; /* file names of one thread, taken in turn; rounds of a measure */

typedef struct {
    const char *format, *device;
    int index, plots, points;
    const float *x, *y;
    double ended; /* when the thread drew its last plot */
} job;

static char folder[4096];

static double seconds(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec + 1e-9 * (double)t.tv_nsec;
}

static void file_name(char *name, size_t size, const job *j, int plot) {
    snprintf(name, size, "%s/kavlor_threads_%d_%d.%s", folder, j->index, plot, j->format);
}

static void *draw(void *arg) {
    job *j = arg;
    char file[4200];
    for (int k = 0; k < j->plots; k++) {
        file_name(file, sizeof file, j, k % FILES);
        metafl(j->device);
        setfil(file);
        filmod("DELE");
        if (strcmp(j->device, "PNG") == 0) winsiz(1169, 827);
        kavini();
        errmod("PROTOCOL", "OFF");
        name("X axis", "X");
        name("Y axis", "Y");
        titlin("Thread scaling", 1);
        graf(0.0f, 360.0f, 0.0f, 90.0f, -1.5f, 1.5f, -1.5f, 0.5f);
        title();
        color("BLUE");
        curve((float *)j->x, (float *)j->y, j->points);
        endgrf();
        kavfin();
    }
    j->ended = seconds();
    return NULL;
}

static double cpu_seconds(void) {
    struct timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return (double)t.tv_sec + 1e-9 * (double)t.tv_nsec;
}

static long voluntary_switches(void) {
    struct rusage usage;
    return getrusage(RUSAGE_SELF, &usage) == 0 ? usage.ru_nvcsw : 0;
}

typedef struct {
    double wall, cpu, spread;
    long waits;
} timing;

/* Wall and CPU time of n threads drawing their plots at once, and how often they blocked. */
static timing run(void *(*work)(void *), job *jobs, int n) {
    pthread_t threads[64];
    const long w0 = voluntary_switches();
    const double t0 = seconds(), c0 = cpu_seconds();
    for (int i = 0; i < n; i++)
        pthread_create(&threads[i], NULL, work, &jobs[i]);
    for (int i = 0; i < n; i++)
        pthread_join(threads[i], NULL);
    double first = jobs[0].ended, last = jobs[0].ended;
    for (int i = 1; i < n; i++) {
        if (jobs[i].ended < first) first = jobs[i].ended;
        if (jobs[i].ended > last) last = jobs[i].ended;
    }
    /* the joins of the main thread are not the drawing threads' waits (a join of a thread that
     * has ended does not wait, so the count can fall below n) */
    const long waits = voluntary_switches() - w0 - n;
    return (timing){seconds() - t0, cpu_seconds() - c0, last - first, waits > 0 ? waits : 0};
}

/* The file's bytes, or NULL. */
static char *slurp(const char *name, long *size) {
    FILE *f = fopen(name, "rb");
    char *bytes = NULL;
    if (f != NULL && fseek(f, 0, SEEK_END) == 0 && (*size = ftell(f)) >= 0 &&
        fseek(f, 0, SEEK_SET) == 0 && (bytes = malloc((size_t)*size + 1)) != NULL &&
        fread(bytes, 1, (size_t)*size, f) != (size_t)*size) {
        free(bytes);
        bytes = NULL;
    }
    if (f != NULL) fclose(f);
    if (bytes != NULL) bytes[*size] = '\0';
    return bytes;
}

/* 1 when the files are the same but for lines that carry a date. */
static int same_but_dates(const char *a, const char *b) {
    long na = 0, nb = 0;
    char *x = slurp(a, &na), *y = slurp(b, &nb);
    int same = x != NULL && y != NULL;
    long i = 0, k = 0;
    while (same && (i < na || k < nb)) {
        const char *ex = memchr(x + i, '\n', (size_t)(na - i)),
                   *ey = memchr(y + k, '\n', (size_t)(nb - k));
        const long li = ex ? ex - (x + i) + 1 : na - i, lk = ey ? ey - (y + k) + 1 : nb - k;
        const int dated =
            memmem(x + i, (size_t)li, "Date", 4) && memmem(y + k, (size_t)lk, "Date", 4);
        same = dated || (li == lk && memcmp(x + i, y + k, (size_t)li) == 0);
        i += li;
        k += lk;
    }
    free(x);
    free(y);
    return same;
}

/* Plots one thread draws in about a second, at least 12: the drawing of two plots timed. */
static int plots_for_a_second(job *j) {
    j->plots = 2;
    const timing t = run(draw, j, 1);
    const double per_plot = t.wall / 2;
    const double plots = ceil(1.0 / (per_plot > 1e-6 ? per_plot : 1e-6));
    return plots < 12 ? 12 : plots > 100000 ? 100000 : (int)plots;
}

/* The machine's own pace, with no library: a thread deflates its own megabyte of text like a
 * page's operators, as many times as its job's plots, into its own output. */
enum { TEXT_BYTES = 1 << 20 };

static void *deflate_privately(void *arg) {
    job *j = arg;
    unsigned char *text = malloc(TEXT_BYTES), *packed = malloc(compressBound(TEXT_BYTES));
    if (text != NULL && packed != NULL) {
        unsigned state = 2u * (unsigned)j->index + 1u;
        for (int i = 0; i < TEXT_BYTES; i++) {
            state = state * 1103515245u + 12345u;
            text[i] = (unsigned char)"0123456789 .lm\n"[(state >> 16) % 15];
        }
        for (int k = 0; k < j->plots; k++) {
            uLongf size = compressBound(TEXT_BYTES);
            compress2(packed, &size, text, TEXT_BYTES, Z_DEFAULT_COMPRESSION);
        }
    }
    free(text);
    free(packed);
    j->ended = seconds();
    return NULL;
}

static int by_value(const void *a, const void *b) {
    const double x = *(const double *)a, y = *(const double *)b;
    return (x > y) - (x < y);
}

/* One thread alone, then all at once, ROUNDS times; prints the best times' scalings and the
 * median of the rounds' wall-time scalings. */
static void measure(const char *what, void *(*work)(void *), job *jobs, int threads) {
    timing alone = {1e30, 1e30, 0, 0}, together = {1e30, 1e30, 0, 0};
    double scalings[ROUNDS];
    for (int round = 0; round < ROUNDS; round++) {
        const timing t1 = run(work, jobs, 1), tn = run(work, jobs, threads);
        scalings[round] = threads * t1.wall / tn.wall;
        if (t1.wall < alone.wall) alone.wall = t1.wall;
        if (t1.cpu < alone.cpu) alone.cpu = t1.cpu, alone.waits = t1.waits;
        if (tn.wall < together.wall) together.wall = tn.wall, together.spread = tn.spread;
        if (tn.cpu < together.cpu) together.cpu = tn.cpu, together.waits = tn.waits;
    }
    qsort(scalings, ROUNDS, sizeof scalings[0], by_value);
    printf("%s: 1 thread %.3f s, %d threads %.3f s for %d times the work (%d each): scaling "
           "%.2f (median of the rounds %.2f); the threads ended within %.3f s\n",
           what, alone.wall, threads, together.wall, threads, jobs[0].plots,
           threads * alone.wall / together.wall, scalings[ROUNDS / 2], together.spread);
    printf("%s: CPU time 1 thread %.3f s, %d threads %.3f s: scaling %.2f; blocked %ld and %ld "
           "times\n",
           what, alone.cpu, threads, together.cpu, threads * threads * alone.cpu / together.cpu,
           alone.waits, together.waits);
}

int main(int argc, char **argv) {
    static const char *formats[3][2] = {{"pdf", "PDF"}, {"svg", "SVG"}, {"png", "PNG"}};
    const int threads = argc > 1 ? atoi(argv[1]) : 8;
    const int plots_asked = argc > 2 ? atoi(argv[2]) : 0;
    const int points = argc > 3 ? atoi(argv[3]) : 200000;
    const char *chosen = argc > 4 ? argv[4] : "pdf,svg,png";
    const char *tmp = getenv("TMPDIR");
    if (threads < 1 || threads > 64 || plots_asked < 0 || points < 2) {
        fprintf(stderr, "usage: %s [threads 1..64 [plots [points [formats]]]]\n", argv[0]);
        return 1;
    }
    snprintf(folder, sizeof folder, "%s",
             tmp != NULL && *tmp             ? tmp
             : access("/dev/shm", W_OK) == 0 ? "/dev/shm"
                                             : "/tmp");
    float *x = malloc(sizeof(float) * (size_t)points), *y = malloc(sizeof(float) * (size_t)points);
    job jobs[64];
    if (x == NULL || y == NULL) return 1;
    for (int i = 0; i < points; i++) { /* the curve of W1 */
        x[i] = (float)(360.0 * i / (points - 1));
        y[i] = (float)(sin(7.0 * x[i] * 3.14159265358979 / 180.0) + 0.3 * sin(0.7 * i));
    }
    thrini(threads + 1);
    int failed = 0;
    for (int f = 0; f < 3; f++) {
        if (strstr(chosen, formats[f][0]) == NULL) continue;
        jobs[0] = (job){formats[f][0], formats[f][1], 0, 0, points, x, y, 0};
        const int plots = plots_asked > 0 ? plots_asked : plots_for_a_second(&jobs[0]);
        for (int i = 0; i < threads; i++)
            jobs[i] = (job){formats[f][0], formats[f][1], i, plots, points, x, y, 0};
        measure(formats[f][0], draw, jobs, threads);
        int same = 1;
        char first[4200], other[4200];
        for (int i = 1; i < threads; i++)
            for (int k = 0; k < plots && k < FILES; k++) {
                file_name(first, sizeof first, &jobs[0], k);
                file_name(other, sizeof other, &jobs[i], k);
                same = same && same_but_dates(first, other);
            }
        if (!same) printf("%s: FILES DIFFER\n", formats[f][0]);
        failed |= !same;
        for (int i = 0; i < threads; i++)
            for (int k = 0; k < plots && k < FILES; k++) {
                file_name(other, sizeof other, &jobs[i], k);
                remove(other);
            }
    }
    thrfin();
    /* about as long a thread as a format's: a megabyte deflates in some 45 ms */
    for (int i = 0; i < threads; i++)
        jobs[i] = (job){"", "", i, 25, 0, NULL, NULL, 0};
    measure("machine (private deflate)", deflate_privately, jobs, threads);
    free(x);
    free(y);
    return failed;
}
