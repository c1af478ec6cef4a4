#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "kernel/file_versions.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "tests/support/fresh_record.h"
#include "tests/support/temp_dir.h"

namespace {

class FileVersions : public FreshRecord {
  protected:
    TempDir dir;
    ScopedCwd cwd{dir.path()};

    std::string versioned(const std::string &name) {
        char buffer[257];
        snprintf(buffer, sizeof buffer, "%s", name.c_str());
        gfilnn(currentRecord(), buffer, sizeof buffer);
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
        {"absent.met", "absent.met"},       // a free name stays
        {"kavlor.met", "kavlor_1.met"},
        {"myplotfile.ps", "myplot_1.ps"},   // base cut to 8 - 2 characters
        {"plot", "plot_1"},                 // no extension
        {"out/plot.met", "out/plot_1.met"}, // directories keep their names
        {"d.x/plot", "d.x/plot_1"},         // a dot in a directory is no extension
        {"ab.c.svg", "ab.c_1.svg"},         // the last dot starts the extension
        {"win\\name.pdf", "win\\name_1.pdf"},
        {"kavlor.met   ", "kavlor_1.met"},  // trailing blanks are trimmed
    };
    for (const Case &c : cases) EXPECT_EQ(versioned(c.given), c.expected) << c.given;
}

TEST_F(FileVersions, CountsOnAndShortensTheBaseFromVersion10) {
    touch("kavlor.met");
    touch("kavlor_1.met");
    EXPECT_EQ(versioned("kavlor.met"), "kavlor_2.met");
    for (int n = 2; n <= 9; ++n) touch("kavlor_" + std::to_string(n) + ".met");
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

TEST_F(FileVersions, DeleteModeRemovesTheOldFile) {
    touch("kavlor.met");
    currentRecord().out.ifilmod = 1;
    EXPECT_EQ(versioned("kavlor.met"), "kavlor.met");
    EXPECT_FALSE(fileExists("kavlor.met"));
}

}  // namespace
