#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "kavlor.h"
#include "kernel/file_versions.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "tests/support/capture.h"
#include "tests/support/fresh_record.h"
#include "tests/support/temp_dir.h"

namespace {

class FileVersions : public FreshRecord {
  protected:
    TempDir dir;
    ScopedCwd cwd{dir.path()};

    std::string versioned(const std::string &name, bool *fits = nullptr) {
        char buffer[257];
        snprintf(buffer, sizeof buffer, "%s", name.c_str());
        const bool named = gfilnn(currentRecord(), buffer, sizeof buffer);
        if (fits != nullptr) *fits = named;
        return buffer;
    }
    void touch(const std::string &name) { writeFile(dir.file(name), "x"); }
};

TEST_F(FileVersions, NewNamesForExistingFiles) {
    mkdir(dir.file("out").c_str(), 0755);
    mkdir(dir.file("d.x").c_str(), 0755);
    for (const char *name : {"kavlor.met", "myplotfile.ps", "plot", "out/plot.met", "d.x/plot",
                             "ab.c.svg", "win\\name.pdf"})
        touch(name);
    struct Case {
        const char *given;
        const char *expected;
    };
    const Case cases[] = {
        {"absent.met", "absent.met"}, // a free name stays
        {"kavlor.met", "kavlor_1.met"},
        {"myplotfile.ps", "myplot_1.ps"},   // base cut to 8 - 2 characters
        {"plot", "plot_1"},                 // no extension
        {"out/plot.met", "out/plot_1.met"}, // directories keep their names
        {"d.x/plot", "d.x/plot_1"},         // a dot in a directory is no extension
        {"ab.c.svg", "ab.c_1.svg"},         // the last dot starts the extension
        {"win\\name.pdf", "win\\name_1.pdf"},
        {"kavlor.met   ", "kavlor_1.met"}, // trailing blanks are trimmed
    };
    for (const Case &c : cases)
        EXPECT_EQ(versioned(c.given), c.expected) << c.given;
}

TEST_F(FileVersions, CountsOnAndShortensTheBaseFromVersion10) {
    touch("kavlor.met");
    touch("kavlor_1.met");
    EXPECT_EQ(versioned("kavlor.met"), "kavlor_2.met");
    for (int n = 2; n <= 9; ++n)
        touch("kavlor_" + std::to_string(n) + ".met");
    EXPECT_EQ(versioned("kavlor.met"), "kavlo_10.met");
}

TEST_F(FileVersions, AnUnreadableFileStillCountsAsExisting) {
    touch("locked.met");
    chmod(dir.file("locked.met").c_str(), 0);
    EXPECT_EQ(versioned("locked.met"), "locked_1.met");
    // A link to nowhere is a name in use too: writing through it would create its target.
    symlink("nowhere.met", dir.file("dangling.met").c_str());
    EXPECT_EQ(versioned("dangling.met"), "dangli_1.met");
}

// "dddd/p.met" of the given length, whose folder exists.
std::string nameOfLength(const TempDir &dir, std::size_t length) {
    const std::string folder(length - 6, 'd');
    mkdir(dir.file(folder).c_str(), 0755);
    return folder + "/p.met";
}

TEST_F(FileVersions, ANameWithNoRoomForAVersionIsRefused) {
    // "p_1.met" is two characters longer than "p.met": 254 characters still
    // leave room in the 256 of the name field, 255 do not.
    const std::string fits = nameOfLength(dir, 254), tooLong = nameOfLength(dir, 255);
    touch(fits);
    touch(tooLong);
    bool named = false;
    EXPECT_EQ(versioned(fits, &named), fits.substr(0, 249) + "p_1.met");
    EXPECT_TRUE(named);
    EXPECT_EQ(versioned(tooLong, &named), tooLong);
    EXPECT_FALSE(named);

    // Each routine that names a file gives warning 37, opens nothing and
    // leaves the existing file as it was; the plot goes on.
    struct Case {
        const char *device;
        void (*write)(const char *name); // after kavini; null: the plot file has the name
        const char *routine;
    };
    const Case cases[] = {
        {"GKSL", nullptr, "kavini"},
        {"PDF", nullptr, "kavini"},
        {"PNG", [](const char *name) { vltfil(name, "SAVE"); }, "VLTFIL"},
        {"PNG", [](const char *name) { rpng(name); }, "rpng"},
    };
    for (const Case &c : cases) {
        const std::string out = captureStdout([&] {
            metafl(c.device);
            setfil(c.write == nullptr ? tooLong.c_str() : "plot.png");
            kavini();
            if (c.write != nullptr) c.write(tooLong.c_str());
            line(0, 0, 100, 100);
            kavfin();
        });
        const std::string warning =
            std::string(" <<<< Warning  37: Incorrect filename in ") + c.routine + "!\n";
        EXPECT_EQ(out.find(warning), 0u) << c.routine << "\n" << out;
        EXPECT_EQ(out.find(" <<<< Warning", warning.size()), std::string::npos) << out;
        EXPECT_EQ(readFile(dir.file(tooLong)), "x") << c.routine;
    }
}

TEST_F(FileVersions, DeleteModeRemovesTheOldFile) {
    touch("kavlor.met");
    currentRecord().out.ifilmod = 1;
    EXPECT_EQ(versioned("kavlor.met"), "kavlor.met");
    EXPECT_FALSE(fileExists("kavlor.met"));

    // A device or a pipe of the name is written into, never removed.
    mkfifo(dir.file("pipe.met").c_str(), 0644);
    EXPECT_EQ(versioned("pipe.met"), "pipe.met");
    EXPECT_TRUE(fileExists("pipe.met"));
    EXPECT_EQ(versioned("/dev/null"), "/dev/null");
    struct stat st;
    ASSERT_EQ(stat("/dev/null", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

} // namespace
