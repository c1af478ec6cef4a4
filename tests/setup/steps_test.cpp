// The setup program's steps one by one, without a display: the progress,
// the program group's commands, the folders and the registry values.
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#include "setup/install_steps.h"
#include "setup/setup_state.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(SetupSteps, ProgressNeverLeavesZeroToHundred) {
    struct Case {
        long long total, running;
        bool last;
        int percent;
    };
    const Case cases[] = {
        {200, 99, false, 49},   // 49.5 truncated
        {200, 200, false, 100}, //
        {200, 250, true, 100},  // the last row is 100 whatever the sum
        {200, 150, true, 100},  //
        {200, 400, false, 100}, // sizes that add up to more than the total
        {0, 0, false, 100},     // nothing to weigh
        {-5, 3, false, 100},    //
        {200, -20, false, 0},   // a negative size
        {3, 1, false, 33},      //
    };
    for (const Case &c : cases)
        EXPECT_EQ(copyPercent(c.total, c.running, c.last), c.percent)
            << c.total << " " << c.running << " " << c.last;
}

int itemsLeftOut = 0;
void countItemLeftOut() {
    ++itemsLeftOut;
}

TEST(SetupSteps, GroupCommandsCreateDeleteAndCreateAndFitTheBlock) {
    itemsLeftOut = 0;
    const std::string commands = groupCommands("/opt/kavlor", countItemLeftOut);
    const std::string group = "[CreateGroup(KAVGCC,/opt/kavlor/kavlor)]";
    EXPECT_EQ(commands.rfind(group + "[DeleteGroup(KAVGCC)]" + group, 0), 0u) << commands;
    const std::string readme =
        "[AddItem(/opt/kavlor/win/readme.exe  /opt/kavlor/readme.cyg,Readme,progman.exe,40)]";
    EXPECT_EQ(commands.substr(commands.size() - readme.size() - 14), readme + "[ShowGroup(1)]");
    EXPECT_NE(commands.find("[AddItem(/opt/kavlor/win/readme.exe  /opt/kavlor/kavlor.inf,Overview,"
                            "progman.exe,40)]"),
              std::string::npos);
    EXPECT_EQ(itemsLeftOut, 0);

    // The longest folder: an item that does not fit is left out with its
    // message, and the block with its NUL keeps to 1000 bytes.
    const std::string longest(131, 'f');
    const std::string full = groupCommands("/" + longest.substr(1), countItemLeftOut);
    EXPECT_EQ(itemsLeftOut, 1);
    EXPECT_LE(full.size() + 1, 1000u);
    EXPECT_NE(full.find(",Overview,"), std::string::npos);
    EXPECT_EQ(full.find(",Readme,"), std::string::npos);
    EXPECT_EQ(full.substr(full.size() - 14), "[ShowGroup(1)]");
}

class SetupFolders : public ::testing::Test {
  protected:
    TempDir dir;
    void SetUp() override { setup.failures = 0; }
    int makeFolders(const std::string &folder) {
        std::snprintf(instpath, instpathSize, "%s", folder.c_str());
        return instmkdirs();
    }
};

TEST_F(SetupFolders, TheTreeIsMadeOrTheSetupStops) {
    const char *tree[] = {"hlp", "man",        "fonts",    "win",  "map",    "real64",
                          "g95", "g95/real64", "examples", "perl", "python", "zel"};
    // An existing installation folder: only what is missing is made.
    std::filesystem::create_directories(dir.file("kavlor/map"));
    EXPECT_EQ(makeFolders(dir.file("kavlor")), 0);
    for (const char *name : tree)
        EXPECT_TRUE(std::filesystem::is_directory(dir.file("kavlor/") + name)) << name;
    EXPECT_EQ(setup.failures, 0);

    // Folders that cannot be made stop the setup, and nothing else is made.
    writeFile(dir.file("file"), "x");
    std::filesystem::create_directories(dir.file("taken"));
    writeFile(dir.file("taken/fonts"), "a file where a folder belongs");
    const std::string stops[] = {dir.file("missing/kavlor"), dir.file("file"),
                                 dir.file("file/kavlor"), dir.file("taken"), ""};
    for (const std::string &folder : stops) {
        EXPECT_EQ(makeFolders(folder), -1) << folder;
        EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("taken/win")));
    EXPECT_EQ(setup.failures, 5);
}

TEST(SetupRegistry, ValuesHoldTheirTerminatingNul) {
    TempDir dir;
    setenv("KAVLOR_REGISTRY", dir.file("registry").c_str(), 1);
    EXPECT_EQ(instregistry("/opt/kavlor", "9.1"), 0);
    HKEY key = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kavlor", 0, KEY_QUERY_VALUE, &key),
              ERROR_SUCCESS);
    BYTE value[64];
    DWORD size = sizeof value, type = 0;
    EXPECT_EQ(RegQueryValueExA(key, "Path", nullptr, &type, value, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 12u);
    EXPECT_STREQ(reinterpret_cast<char *>(value), "/opt/kavlor");
    size = sizeof value;
    EXPECT_EQ(RegQueryValueExA(key, "Version", nullptr, &type, value, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 4u);
    EXPECT_STREQ(reinterpret_cast<char *>(value), "9.1");
    RegCloseKey(key);

    // A registry file that cannot be written.
    setenv("KAVLOR_REGISTRY", dir.file("registry/under-a-file").c_str(), 1);
    EXPECT_EQ(instregistry("/opt/kavlor", "9.1"), 1);
    unsetenv("KAVLOR_REGISTRY");
}

} // namespace
