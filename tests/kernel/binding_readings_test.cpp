// The readings of the record that the binding modules size their buffers by
// follow the settings that change them, and a thread without a record reads a
// fresh record's values.
#include <gtest/gtest.h>

#include <vector>

#include "kavlor.h"
#include "kernel/binding_readings.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "tests/support/capture.h"
#include "tests/support/fresh_record.h"

namespace {

using BindingReadings = FreshRecord;

TEST_F(BindingReadings, AThreadWithoutARecordReadsTheDefaults) {
    EXPECT_EQ(kavlor_spline_points(), 201);
    EXPECT_EQ(kavlor_pixel_bytes(), 1);
    EXPECT_EQ(kavlor_legend_size(), 0);
    EXPECT_EQ(kavlor_readable_pixels(), 0);
    EXPECT_EQ(qqgglb(), nullptr); // reading creates no record
}

TEST_F(BindingReadings, FollowTheSettings) {
    currentRecord().core.ilevel = 1;
    splmod(3, 300);
    EXPECT_EQ(kavlor_spline_points(), 301);
    imgmod("RGB");
    EXPECT_EQ(kavlor_pixel_bytes(), 3);
    imgmod("IND");
    EXPECT_EQ(kavlor_pixel_bytes(), 1);
    std::vector<char> legend(61);
    legini(legend.data(), 3, 20);
    EXPECT_EQ(kavlor_legend_size(), 61);
    // A refused legini keeps the legend in force, and its size.
    captureStdout([&] { legini(legend.data(), 31, 20); });
    EXPECT_EQ(kavlor_legend_size(), 61);
}

TEST_F(BindingReadings, PixelsAreReadableOnlyInImageMode) {
    captureStdout([] {
        metafl("VIRT");
        winsiz(20, 10);
        kavini();
        EXPECT_EQ(kavlor_readable_pixels(), 0);
        imgini();
        EXPECT_EQ(kavlor_readable_pixels(), 200);
        imgfin();
        EXPECT_EQ(kavlor_readable_pixels(), 0);
        kavfin();
    });
}

} // namespace
