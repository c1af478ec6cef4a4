// Libraries opened on first need: a library or a function that is missing
// makes the load fail with one clear line, never a crash.
#include <gtest/gtest.h>

#include <zlib.h>

#include "platform/shared_library.h"

namespace {

TEST(SharedLibrary, ResolvesTheFunctionsOfAnInstalledLibrary) {
    SharedLibrary zlib("libz.so.1");
    decltype(&::zlibVersion) version = nullptr;
    zlib.resolve(version, "zlibVersion");
    testing::internal::CaptureStderr();
    EXPECT_TRUE(zlib.ready("nothing is compressed"));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    ASSERT_NE(version, nullptr);
    EXPECT_STREQ(version(), zlibVersion());
}

TEST(SharedLibrary, AMissingLibraryOrFunctionFailsWithAWarning) {
    struct Case {
        const char *soname, *function, *reason;
    };
    const Case cases[] = {
        {"libkavlor-none.so.1", "zlibVersion",
         "libkavlor-none.so.1: cannot open shared object file"},
        {"libz.so.1", "kavlorNoSuchFunction", "no function kavlorNoSuchFunction"},
    };
    for (const Case &c : cases) {
        SharedLibrary library(c.soname);
        void (*slot)() = nullptr;
        library.resolve(slot, c.function);
        EXPECT_EQ(slot, nullptr) << c.soname;
        testing::internal::CaptureStderr();
        EXPECT_FALSE(library.ready("windows are not shown"));
        const std::string warning = testing::internal::GetCapturedStderr();
        EXPECT_EQ(warning.rfind(std::string(">>>> ") + c.soname + " cannot be loaded (", 0), 0u)
            << warning;
        EXPECT_NE(warning.find(c.reason), std::string::npos) << warning;
        EXPECT_NE(warning.find("): windows are not shown!\n"), std::string::npos) << warning;
    }
}

} // namespace
