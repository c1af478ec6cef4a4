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
