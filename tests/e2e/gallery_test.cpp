// The gallery as ./demo.sh runs it (examples/run_gallery.sh): every example of
// C, Python and Perl ends well without a warning, and the run names, one line
// each, the files each example wrote.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/c_program.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

// The examples' sources as the run names them (examples/c/maps.c, ...).
std::vector<std::string> exampleSources() {
    std::vector<std::string> sources;
    for (const char *language : {"c", "python", "perl"})
        for (const fs::directory_entry &e :
             fs::directory_iterator(fs::path(KAVLOR_SOURCE_DIR "/examples") / language)) {
            const std::string extension = e.path().extension().string();
            const std::string stem = e.path().stem().string();
            if ((extension == ".c" || extension == ".py" || extension == ".pl") &&
                stem != "example_page")
                sources.push_back(std::string("examples/") + language + "/" +
                                  e.path().filename().string());
        }
    return sources;
}

TEST(Gallery, EveryExampleRunsWithoutAWarningAndNamesItsFiles) {
    if (!testCFlags().empty())
        GTEST_SKIP() << "the interpreters of the run load no sanitizer runtime";
    TempDir out;
    const ProgramRun run = runShell("env -u KAVLOR -u DISPLAY " KAVLOR_SOURCE_DIR
                                    "/examples/run_gallery.sh " KAVLOR_BUILD_DIR " '" +
                                    out.path() + "'");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.find("<<<< Warning"), std::string::npos) << run.out;

    // A line "SOURCE  FOLDER/: FILE ..." or "SOURCE  (note)" per example.
    const std::vector<std::string> sources = exampleSources();
    ASSERT_GT(sources.size(), 30u);
    for (const std::string &source : sources) {
        std::istringstream lines(run.out);
        int seen = 0;
        for (std::string line; std::getline(lines, line);) {
            std::istringstream words(line);
            std::string first, folder;
            if (!(words >> first) || first != source) continue;
            ++seen;
            if (!(words >> folder) || folder.front() == '(') continue; // writes no file
            ASSERT_EQ(folder.substr(folder.size() - 2), "/:") << line;
            folder.resize(folder.size() - 2);
            int files = 0;
            for (std::string file; words >> file; ++files)
                EXPECT_TRUE(fs::is_regular_file(fs::path(folder) / file) &&
                            fs::file_size(fs::path(folder) / file) > 0)
                    << line;
            EXPECT_GT(files, 0) << line;
        }
        EXPECT_EQ(seen, 1) << source << "\n" << run.out;
    }
}

} // namespace
