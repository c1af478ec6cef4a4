#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <utility>
#include <vector>

#include "kernel/install_dir.h"
#include "kernel/levels.h"
#include "kernel/map_files.h"
#include "tests/support/plot_fixture.h"

namespace {

using UserFiles = PlotTest;

TEST_F(UserFiles, UnitsRoundTrip) {
    ASSERT_EQ(openfl("data.bin", 7, 1), 0);
    EXPECT_EQ(openfl("other.bin", 7, 1), 2); // the unit is in use; its file stays open
    EXPECT_EQ(writfl(7, "abcdefgh", 6), 6);
    EXPECT_EQ(tellfl(7), 6);
    EXPECT_EQ(closfl(7), 0);
    ASSERT_EQ(openfl("data.bin", 7, 0), 0);
    EXPECT_EQ(skipfl(7, 2), 0);
    char buffer[8] = {};
    EXPECT_EQ(readfl(7, buffer, 3), 3);
    EXPECT_STREQ(buffer, "cde");
    EXPECT_EQ(posifl(7, 1), 0);
    EXPECT_EQ(readfl(7, buffer, 8), 5); // fewer at the end of the file
    EXPECT_EQ(std::string(buffer, 5), "bcdef");
    EXPECT_EQ(closfl(7), 0);
    EXPECT_EQ(openfl("absent/missing.bin", 8, 0), 1);
}

// A position is an int: moves that would pass INT_MAX bytes are refused and
// leave the position alone, so tellfl never gives a cut value.
TEST_F(UserFiles, PositionsStayWithinAnInt) {
    ASSERT_EQ(openfl("data.bin", 7, 1), 0);
    EXPECT_EQ(writfl(7, "abcdefgh", 8), 8);
    EXPECT_EQ(closfl(7), 0);
    ASSERT_EQ(openfl("data.bin", 7, 0), 0);
    EXPECT_EQ(posifl(7, INT_MAX), 0);
    EXPECT_EQ(tellfl(7), INT_MAX);
    EXPECT_EQ(skipfl(7, 1), -1);
    EXPECT_EQ(skipfl(7, INT_MAX), -1);
    EXPECT_EQ(tellfl(7), INT_MAX);
    EXPECT_EQ(posifl(7, -1), -1);
    EXPECT_EQ(skipfl(7, INT_MIN), -1); // before the start
    EXPECT_EQ(tellfl(7), INT_MAX);
    EXPECT_EQ(skipfl(7, -INT_MAX), 0);
    EXPECT_EQ(tellfl(7), 0);
    EXPECT_EQ(closfl(7), 0);
}

TEST_F(UserFiles, BadAndClosedUnitsTouchNothing) {
    char buffer[4] = {'x', 'x', 'x', 'x'};
    const std::string out = captureStdout([&] {
        EXPECT_EQ(openfl("a.bin", 100, 0), -1);
        EXPECT_EQ(openfl("a.bin", 1, 3), -1);
        EXPECT_EQ(closfl(-1), -1);
    });
    EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in openfl!   ( 100)\n"
                   " <<<< Warning   2: Incorrect parameter in openfl!   (   3)\n"
                   " <<<< Warning   2: Incorrect parameter in closfl!   (  -1)\n");
    for (int unit : {-1, 100, 42}) { // 42 is not open
        EXPECT_EQ(readfl(unit, buffer, 4), -1);
        EXPECT_EQ(writfl(unit, buffer, 4), -1);
        EXPECT_EQ(skipfl(unit, 1), -1);
        EXPECT_EQ(posifl(unit, 0), -1);
        EXPECT_EQ(tellfl(unit), -1);
    }
    EXPECT_EQ(closfl(42), -1);
    EXPECT_EQ(std::string(buffer, 4), "xxxx");
}

// A unit whose bytes cannot reach the disk reports it when it is closed, and
// a missing buffer is refused before the stream is touched.
TEST_F(UserFiles, AFullDiskAndAMissingBufferAreFailures) {
    ASSERT_EQ(openfl("/dev/full", 3, 1), 0);
    EXPECT_EQ(writfl(3, nullptr, 4), -1);
    char bytes[100] = {};
    EXPECT_EQ(writfl(3, bytes, 100), 100); // still in the stream's buffer
    const std::string out = captureStdout([] { EXPECT_EQ(closfl(3), 1); });
    EXPECT_EQ(out, " <<<< Warning  36: File error in closfl!\n");
    EXPECT_EQ(closfl(3), -1); // the unit is free all the same
    ASSERT_EQ(openfl("/dev/null", 3, 0), 0);
    EXPECT_EQ(readfl(3, nullptr, 4), -1);
    EXPECT_EQ(readfl(3, nullptr, 0), 0);
    EXPECT_EQ(closfl(3), 0);
}

TEST_F(UserFiles, ColourTablesAreSavedAndLoaded) {
    GlobalRecord &rec = open();
    captureStdout([] {
        filmod("COUN");
        setind(5, 1.0f, 0.5f, 0.0f);
        vltfil("table.txt", "SAVE");
        vltfil("table.txt", "SAVE"); // a second save writes a new version
    });
    const std::string text = readFile(dir.file("table.txt"));
    EXPECT_EQ(text.size(), 256u * 31);
    EXPECT_EQ(text.substr(5 * 31, 31), "  1.000000  0.501961  0.000000\n");
    EXPECT_TRUE(readFile(dir.file("table_1.txt")) == text);

    writeFile(dir.file("short.txt"), "0 0 1\n0.0 1.0 0.0\n");
    const int entry7 = rec.colour.nrgbtab[7];
    captureStdout([] { vltfil("short.txt", "LOAD"); });
    EXPECT_EQ(rec.colour.nrgbtab[0], 0x0000FF);
    EXPECT_EQ(rec.colour.nrgbtab[1], 0x00FF00);
    EXPECT_EQ(rec.colour.nrgbtab[7], entry7); // entries the file lacks stay
    EXPECT_EQ(captureStdout([] { vltfil("missing.txt", "LOAD"); }),
              " <<<< Warning  36: File error in VLTFIL!\n");
    close();
}

TEST_F(UserFiles, AColourTableThatCannotBeWrittenWholeIsAFileError) {
    GlobalRecord &rec = open();
    // Files of this process may not grow past 1000 bytes, as on a full disk.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = 1000;
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const std::string out = captureStdout([] { vltfil("table.txt", "SAVE"); });
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_EQ(out, " <<<< Warning  36: File error in VLTFIL!\n");
    EXPECT_EQ(readFile(dir.file("table.txt")).size(), 1000u);
    EXPECT_EQ(rec.colour.ivltfil, 0); // the cut file is not passed to a driver
    close();
}

class InstallationDirectory : public PlotTest {
  protected:
    void SetUp() override {
        PlotTest::SetUp();
        setenv("KAVLOR_REGISTRY", dir.file("registry").c_str(), 1);
        unsetenv("KAVLOR");
    }
    void TearDown() override {
        unsetenv("KAVLOR_REGISTRY");
        PlotTest::TearDown();
    }
};

TEST_F(InstallationDirectory, EnvironmentThenRegistryThenBuiltIn) {
    EXPECT_EQ(qqgenv("KAVLOR"), KAVLOR_TEST_DATADIR);
    writeFile(dir.file("registry"),
              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kavlor]\nPath=/from/registry\n");
    EXPECT_EQ(qqgenv("KAVLOR"), "/from/registry");
    setenv("KAVLOR", "/from/environment", 1);
    EXPECT_EQ(qqgenv("KAVLOR"), "/from/environment");
    setenv("KAVLOR", "", 1);
    EXPECT_EQ(qqgenv("KAVLOR"), ""); // set but empty
    EXPECT_EQ(qqgenv("KAVLOR_SURELY_UNSET"), "");
    unsetenv("KAVLOR");
}

TEST_F(InstallationDirectory, MapFileWarningsCarryThePath) {
    setenv("KAVLOR", dir.path().c_str(), 1);
    GlobalRecord &rec = open();
    jqqlev(1, 3, "world");
    EXPECT_EQ(captureStdout([&] { EXPECT_EQ(sopnfl(rec, 19), nullptr); }),
              " <<<< Warning  36: File error in world!   (" + dir.path() + ")\n");
    EXPECT_EQ(captureStdout([&] { EXPECT_EQ(sopnfl(rec, 1), nullptr); }),
              " <<<< Warning  36: File error in world!   (" + dir.path() + "/map/map1.dat)\n");
    mkdir(dir.file("map").c_str(), 0755);
    const int words[3] = {1, 2, 3};
    writeFile(dir.file("map/gshhs_i.b"), std::string(reinterpret_cast<const char *>(words), 12));
    FILE *stream = sopnfl(rec, 22);
    ASSERT_NE(stream, nullptr);
    int buffer[4] = {};
    EXPECT_EQ(qqgmap(buffer, 2, stream), 0);
    EXPECT_EQ(buffer[1], 2);
    EXPECT_EQ(qqgmap(buffer, 2, stream), 1); // only one word was left
    fclose(stream);
    unsetenv("KAVLOR");
    close();
}

// Every number of a map file opens its file: the library's map files 1..17,
// the four shoreline files 21..24 and the caller's file of mapfil (25); the
// numbers between and beyond have none.
TEST_F(InstallationDirectory, EveryMapFileNumberOpensItsFile) {
    setenv("KAVLOR", dir.path().c_str(), 1);
    GlobalRecord &rec = open();
    jqqlev(1, 3, "world");
    mkdir(dir.file("map").c_str(), 0755);
    std::vector<std::pair<int, std::string>> files;
    for (int n = 1; n <= 17; ++n)
        files.push_back({n, "map/map" + std::to_string(n) + ".dat"});
    const char *shorelines[4] = {"gshhs_l.b", "gshhs_i.b", "gshhs_h.b", "gshhs_f.b"};
    for (int n = 21; n <= 24; ++n)
        files.push_back({n, std::string("map/") + shorelines[n - 21]});
    for (const auto &[n, name] : files) {
        SCOPED_TRACE(n);
        const std::string path = dir.file(name);
        EXPECT_EQ(captureStdout([&] { EXPECT_EQ(sopnfl(rec, n), nullptr); }),
                  " <<<< Warning  36: File error in world!   (" + path + ")\n");
        writeFile(path, "file " + std::to_string(n));
        FILE *stream = nullptr;
        EXPECT_EQ(captureStdout([&] { stream = sopnfl(rec, n); }), "");
        ASSERT_NE(stream, nullptr);
        char text[16] = {};
        EXPECT_EQ(std::string(text, std::fread(text, 1, sizeof text, stream)),
                  "file " + std::to_string(n));
        fclose(stream);
    }
    for (const int n : {-1, 0, 18, 20, 25, 26}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(captureStdout([&] { EXPECT_EQ(sopnfl(rec, n), nullptr); }),
                  " <<<< Warning  36: File error in world!   (" + dir.path() + ")\n");
    }
    // The caller's file, binary or text.
    writeFile(dir.file("mine.txt"), "# mine\n");
    for (const char *kind : {"GSHH", "MAPG"}) {
        SCOPED_TRACE(kind);
        captureStdout([&] { mapfil(dir.file("mine.txt").c_str(), kind); });
        FILE *stream = sopnfl(rec, 25);
        ASSERT_NE(stream, nullptr);
        fclose(stream);
    }
    captureStdout([&] {
        mapfil(dir.file("gone.txt").c_str(), "MAPG");
        jqqlev(1, 3, "world");
    });
    EXPECT_EQ(captureStdout([&] { EXPECT_EQ(sopnfl(rec, 25), nullptr); }),
              " <<<< Warning  36: File error in world!   (" + dir.file("gone.txt") + ")\n");
    unsetenv("KAVLOR");
    close();
}

} // namespace
