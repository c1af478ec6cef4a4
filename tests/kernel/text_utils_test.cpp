#include <gtest/gtest.h>

#include "kavlor.h"
#include "kernel/c_format.h"
#include "kernel/text_utils.h"
#include "tests/support/comma_locale.h"

#include <clocale>

TEST(TextUtils, BoundedCopyStopsAtLimitAndAtEndOfSource) {
    char field[6];
    EXPECT_EQ(qqcopy(field, "abcde", 3), 3);
    EXPECT_STREQ(field, "abc");
    EXPECT_EQ(qqcopy(field, "ab", 5), 2);
    EXPECT_STREQ(field, "ab");
    // The field-size overload never writes past the field.
    EXPECT_EQ(qqcopy(field, "a much longer text"), 5);
    EXPECT_STREQ(field, "a muc");
    EXPECT_EQ(qqcopy(field, nullptr), 0);
    EXPECT_STREQ(field, "");
}

TEST(TextUtils, TrimmedLengthAndUpperCase) {
    EXPECT_EQ(trmlen("ab  "), 2);
    EXPECT_EQ(trmlen("   "), 0);
    EXPECT_EQ(trmlen(""), 0);
    EXPECT_EQ(trmlen(" a b "), 4);
    char text[] = "Kav-lor z\xe4";
    upstr(text);
    EXPECT_STREQ(text, "KAV-LOR Z\xe4"); // only a..z change
}

TEST(TextUtils, NumbersAreFormattedWithADotWhateverTheLocale) {
    char buffer[32];
    {
        const ScopedCommaLocale comma(LC_NUMERIC);
        ASSERT_TRUE(comma.active()) << "no comma-decimal locale could be made";
        formatC(buffer, sizeof buffer, "%10.7f", 0.5f);
    }
    EXPECT_STREQ(buffer, " 0.5000000");
}
