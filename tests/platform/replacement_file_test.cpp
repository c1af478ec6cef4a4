// ReplacementFile: the new contents replace the file whole or not at all,
// with the file's permissions, and no other file is touched or left behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <sys/stat.h>

#include "platform/replacement_file.h"
#include "tests/support/temp_dir.h"

namespace {

std::set<std::string> filesIn(const std::string &folder) {
    std::set<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

mode_t permissionsOf(const std::string &path) {
    struct stat st {};
    stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

// Committed, the new contents stand under the file's name with its
// permissions; the neighbours that a fixed temporary name would take stay.
TEST(ReplacementFile, CommittedContentsReplaceTheFileAlone) {
    TempDir dir;
    const std::string target = dir.file("plot.wmf");
    writeFile(target, "old");
    chmod(target.c_str(), 0640);
    for (const char *neighbour : {"plot.tmp", "plot.wmf.new", "plot.wmf.tmp"})
        writeFile(dir.file(neighbour), neighbour);
    {
        ReplacementFile out(target.c_str());
        ASSERT_NE(out.file(), nullptr);
        std::fputs("new contents", out.file());
        EXPECT_TRUE(out.commit());
    }
    EXPECT_EQ(readFile(target), "new contents");
    EXPECT_EQ(permissionsOf(target), 0640u);
    for (const char *neighbour : {"plot.tmp", "plot.wmf.new", "plot.wmf.tmp"})
        EXPECT_EQ(readFile(dir.file(neighbour)), neighbour);
    EXPECT_EQ(filesIn(dir.path()).size(), 4u);
}

// Given up, failed or impossible, the replacement leaves the file as it was
// and nothing beside it.
TEST(ReplacementFile, AnythingShortOfACommitLeavesTheFileAsItWas) {
    TempDir dir;
    const std::string target = dir.file("registry");
    writeFile(target, "old");
    {
        ReplacementFile abandoned(target.c_str());
        ASSERT_NE(abandoned.file(), nullptr);
        std::fputs("half", abandoned.file());
    }
    EXPECT_EQ(readFile(target), "old");
    EXPECT_EQ(filesIn(dir.path()), std::set<std::string>{"registry"});

    // A folder cannot be replaced by a file: the rename fails.
    const std::string folder = dir.file("folder");
    std::filesystem::create_directory(folder);
    ReplacementFile onFolder(folder.c_str());
    ASSERT_NE(onFolder.file(), nullptr);
    EXPECT_FALSE(onFolder.commit());
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(filesIn(dir.path()), (std::set<std::string>{"folder", "registry"}));

    ReplacementFile missing(dir.file("missing").c_str());
    EXPECT_EQ(missing.file(), nullptr);
    EXPECT_FALSE(missing.commit());
    EXPECT_EQ(filesIn(dir.path()), (std::set<std::string>{"folder", "registry"}));
}

} // namespace
