// Vector files seen from C programs: handing the finished file to a driver
// program, and a PDF file that cannot be opened.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/c_program.h"
#include "tests/support/temp_dir.h"

namespace {

// A driver program on PATH that writes each of its arguments on a line of
// args.txt in the working folder.
void installStubDriver(const TempDir &bin, const char *name) {
    const std::string path = bin.file(name);
    writeFile(path, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > args.txt\n");
    chmod(path.c_str(), 0755);
}

TEST(ExternalDriver, RunsTheDriverWithItsArguments) {
    TempDir dir, bin;
    installStubDriver(bin, "kavdrv");
    RunOptions options;
    options.env = {"PATH=" + bin.path() + ":/usr/bin:/bin"};
    // A file name with blanks and shell characters arrives as one argument.
    const char *name = "my plot;touch pwned.psc";
    ProgramRun run = runC(cMain(std::string(R"(
    metafl("POST");
    setfil(")") + name + R"(");
    kavini();
    line(0, 0, 100, 100);
    kavfin();
    symfil("post", "KEEP");)"),
                          dir.path(), options);
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(readFile(dir.file("args.txt")), std::string(name) + "\nPOST\nKEEP\nrgre\n-Q\n");
    EXPECT_FALSE(fileExists(dir.file("pwned.psc")));
    EXPECT_TRUE(fileExists(dir.file(name)));
}

TEST(ExternalDriver, StatesAndOptions) {
    TempDir dir, bin;
    installStubDriver(bin, "kavdrv");
    RunOptions options;
    options.env = {"PATH=" + bin.path() + ":/usr/bin:/bin"};
    ProgramRun run = runC(cMain(R"(
    symfil("POST", "KEEP");
    metafl("PSCL");
    symfil("POST", "KEEP");
    setfil("plot.psc");
    kavini();
    kavfin();
    symfil("kyoc", "XXXX");
    symfil("NONE", "DELE");
    symfil("POST", "KEEP");)"),
                          dir.path(), options);
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(
        run.out.find(" <<<< Warning  20: No metafile in symfil!\n"
                     " <<<< Warning  21: The routine must be called after kavfin in symfil!\n"),
        0u)
        << run.out;
    EXPECT_NE(run.out.find(" <<<< Warning   2: Incorrect parameter in symfil!   (XXXX)\n"),
              std::string::npos);
    EXPECT_NE(run.out.find(" <<<< Warning  22: The metafile is deleted before in symfil!\n"),
              std::string::npos);
    // An unknown option counts as KEEP; KYOC is passed as KYO1.
    EXPECT_EQ(readFile(dir.file("args.txt")), "plot.psc\nKYO1\nKEEP\nrain\n-Q\n");
    EXPECT_FALSE(fileExists(dir.file("plot.psc"))); // removed by NONE/DELE
}

// symfil acts on the file the last plot wrote and closed, never on a name the
// record holds for another reason: each program leaves keep.me in place and
// is told that no plot file was written.
TEST(ExternalDriver, DeletesOnlyTheFileThePlotWrote) {
    const struct {
        const char *what, *program;
    } cases[] = {
        {"a PDF kept in memory", R"(
    metafl("PDF");
    setfil("keep.me");
    pdfmod("ON", "BUFF");
    kavini();
    line(0, 0, 100, 100);
    kavfin();)"},
        {"a virtual raster", R"(
    metafl("VIRT");
    setfil("keep.me");
    kavini();
    kavfin();)"},
        {"a folder that could not be opened as the plot file", R"(
    metafl("POST");
    filmod("DELE");
    setfil("keep.me");
    kavini();
    kavfin();)"},
        {"a name given after a plot whose file could not be opened", R"(
    metafl("POST");
    setfil("no-such-folder/plot.psc");
    kavini();
    kavfin();
    setfil("keep.me");)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir, bin;
        installStubDriver(bin, "kavdrv");
        RunOptions options;
        options.env = {"PATH=" + bin.path() + ":/usr/bin:/bin"};
        const bool folder = std::string(c.what).find("folder") != std::string::npos;
        if (folder) {
            mkdir(dir.file("keep.me").c_str(), 0755);
        } else {
            writeFile(dir.file("keep.me"), "the user's data\n");
        }
        ProgramRun run =
            runC(cMain(std::string(c.program) + "\n    symfil(\"NONE\", \"DELE\");\n    "
                                                "symfil(\"POST\", \"DELE\");"),
                 dir.path(), options);
        ASSERT_EQ(run.status, 0) << run.out;
        const std::string refusal =
            " <<<< Warning  21: The routine must be called after kavfin in symfil!\n";
        const std::size_t first = run.out.find(refusal);
        ASSERT_NE(first, std::string::npos) << run.out;
        EXPECT_NE(run.out.find(refusal, first + 1), std::string::npos) << run.out;
        struct stat st = {};
        ASSERT_EQ(stat(dir.file("keep.me").c_str(), &st), 0);
        EXPECT_EQ(S_ISDIR(st.st_mode), folder);
        if (!folder) {
            EXPECT_EQ(readFile(dir.file("keep.me")), "the user's data\n");
        }
        EXPECT_FALSE(fileExists(dir.file("args.txt"))); // no driver was run
    }
}

// A name set for the next plot does not move symfil off the finished one.
TEST(ExternalDriver, ANameForTheNextPlotLeavesTheFinishedFile) {
    TempDir dir, bin;
    installStubDriver(bin, "kavdrv");
    RunOptions options;
    options.env = {"PATH=" + bin.path() + ":/usr/bin:/bin"};
    writeFile(dir.file("keep.me"), "the user's data\n");
    ProgramRun run = runC(cMain(R"(
    metafl("POST");
    setfil("plot.psc");
    kavini();
    kavfin();
    setfil("keep.me");
    metafl("PDF");
    symfil("POST", "KEEP");
    symfil("NONE", "DELE");)"),
                          dir.path(), options);
    ASSERT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out.find("<<<< Warning"), std::string::npos) << run.out;
    EXPECT_EQ(readFile(dir.file("args.txt")), "plot.psc\nPOST\nKEEP\nrgre\n-Q\n");
    EXPECT_FALSE(fileExists(dir.file("plot.psc")));
    EXPECT_EQ(readFile(dir.file("keep.me")), "the user's data\n");
}

TEST(PdfFile, AFileThatCannotBeOpenedLeavesThePlotGoingWithoutIt) {
    TempDir dir;
    ProgramRun run = runC(cMain(R"(
    metafl("PDF");
    setfil("no-such-folder/plot.pdf");
    kavini();
    line(0, 0, 1000, 1000);
    pdfmrk("Chapter", "CHAP");
    newpag();
    line(0, 0, 1000, 1000);
    kavfin();
    puts("still running");)"),
                          dir.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.find(" <<<< Warning  36: File error in kavini!\n"), 0u) << run.out;
    EXPECT_NE(run.out.find("still running"), std::string::npos);
    EXPECT_FALSE(fileExists(dir.file("no-such-folder")));
}

} // namespace
