#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/windows.h"
#include "tests/support/temp_dir.h"

namespace {

class Registry : public ::testing::Test {
  protected:
    TempDir dir;
    void SetUp() override { setenv("KAVLOR_REGISTRY", dir.file("sub/registry").c_str(), 1); }
    void TearDown() override { unsetenv("KAVLOR_REGISTRY"); }
};

std::string query(HKEY key, const char *name, LONG *status = nullptr) {
    BYTE value[64];
    DWORD size = sizeof value, type = 0;
    const LONG result = RegQueryValueExA(key, name, nullptr, &type, value, &size);
    if (status != nullptr) *status = result;
    return result == ERROR_SUCCESS ? reinterpret_cast<const char *>(value) : "";
}

TEST_F(Registry, ValuesWrittenByOneAreReadByAnother) {
    HKEY missing = 0;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kavlor", 0, KEY_QUERY_VALUE, &missing),
              ERROR_FILE_NOT_FOUND);

    HKEY key = 0;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kavlor", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const char path[] = "/opt/kavlor";
    EXPECT_EQ(
        RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE *>(path), sizeof path),
        ERROR_SUCCESS);
    RegCloseKey(key);

    HKEY reader = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "software\\kavlor", 0, KEY_QUERY_VALUE, &reader),
              ERROR_SUCCESS);
    EXPECT_EQ(query(reader, "Path"), "/opt/kavlor");
    LONG status = 0;
    query(reader, "Version", &status);
    EXPECT_EQ(status, ERROR_FILE_NOT_FOUND);
    // A value longer than the caller's buffer is reported, not cut.
    BYTE small[4];
    DWORD size = sizeof small;
    EXPECT_EQ(RegQueryValueExA(reader, "Path", nullptr, nullptr, small, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, sizeof path);
    EXPECT_EQ(RegCloseKey(reader), ERROR_SUCCESS);
    // Handles no open returned: none, and the predefined root.
    EXPECT_EQ(RegCloseKey(0), ERROR_INVALID_HANDLE);
    EXPECT_EQ(query(HKEY_LOCAL_MACHINE, "Path", &status), "");
    EXPECT_EQ(status, ERROR_INVALID_HANDLE);
}

// A write replaces the registry file through a file of its own: a file of
// the user's beside it keeps its contents, and the registry its permissions.
TEST_F(Registry, AWriteTouchesNoOtherFile) {
    HKEY key = 0;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kavlor", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const std::string registry = dir.file("sub/registry");
    ASSERT_EQ(chmod(registry.c_str(), 0600), 0);
    writeFile(registry + ".new", "the user's own");
    const char path[] = "/opt/kavlor";
    EXPECT_EQ(
        RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE *>(path), sizeof path),
        ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(readFile(registry + ".new"), "the user's own");
    EXPECT_NE(readFile(registry).find("Path=/opt/kavlor"), std::string::npos);
    struct stat st {};
    ASSERT_EQ(stat(registry.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    int files = 0;
    for ([[maybe_unused]] const auto &entry : std::filesystem::directory_iterator(dir.file("sub")))
        ++files;
    EXPECT_EQ(files, 2);
}

// Writers in different processes: each sets values of its own in the same key
// at the same time, and none is lost.
TEST_F(Registry, WritersInDifferentProcessesLoseNoValue) {
    constexpr int kWriters = 4, kValues = 25;
    pid_t children[kWriters];
    for (int w = 0; w < kWriters; ++w) {
        children[w] = fork();
        ASSERT_GE(children[w], 0);
        if (children[w] != 0) continue;
        int failures = 0;
        for (int i = 0; i < kValues; ++i) {
            HKEY key = 0;
            if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kavlor", 0, nullptr, 0,
                                KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
                ++failures;
                continue;
            }
            const std::string name = "V" + std::to_string(w) + "_" + std::to_string(i);
            if (RegSetValueExA(key, name.c_str(), 0, REG_SZ,
                               reinterpret_cast<const BYTE *>(name.c_str()),
                               DWORD(name.size() + 1)) != ERROR_SUCCESS)
                ++failures;
            RegCloseKey(key);
        }
        _exit(failures == 0 ? 0 : 1);
    }
    for (const pid_t child : children) {
        int status = -1;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    HKEY key = 0;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kavlor", 0, KEY_QUERY_VALUE, &key),
              ERROR_SUCCESS);
    for (int w = 0; w < kWriters; ++w)
        for (int i = 0; i < kValues; ++i) {
            const std::string name = "V" + std::to_string(w) + "_" + std::to_string(i);
            EXPECT_EQ(query(key, name.c_str()), name);
        }
    RegCloseKey(key);
}

} // namespace
