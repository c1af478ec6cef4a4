#include <gtest/gtest.h>
#include <cstdlib>

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
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Kavlor", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const char path[] = "/opt/kavlor";
    EXPECT_EQ(RegSetValueExA(key, "Path", 0, REG_SZ, reinterpret_cast<const BYTE *>(path),
                             sizeof path),
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
    RegCloseKey(reader);
    EXPECT_EQ(RegCloseKey(reader), ERROR_INVALID_HANDLE);
}

}  // namespace
