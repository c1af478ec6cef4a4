#include <gtest/gtest.h>

#include "devices/driver_record.h"
#include "devices/driver_requests.h"
#include "kernel/record.h"
#include "kernel/record_table.h"
#include "tests/support/fresh_record.h"

namespace {

using DriverRequests = FreshRecord;

TEST_F(DriverRequests, LightingFlagAndDepthToleranceLiveInTheDriverRecord) {
    GlobalRecord &rec = currentRecord();
    ASSERT_EQ(rec.dev.pdriver, nullptr);
    qqwext(rec, 3, 1); // the record is made on the first request
    ASSERT_NE(rec.dev.pdriver, nullptr);
    const DriverRecord &driver = *rec.dev.pdriver;
    EXPECT_EQ(driver.nreq3, 1);
    EXPECT_EQ(driver.xdepthtol, 0.001);

    qqwext(rec, 17, 0);
    EXPECT_EQ(driver.xdepthtol, 1.0e-5);
    qqwext(rec, 18, 0);
    EXPECT_EQ(driver.xdepthtol, 0.001);
    qqwext(rec, 3, 0);
    EXPECT_EQ(driver.nreq3, 0);
    EXPECT_EQ(driver.xdepthtol, 0.001);
}

} // namespace
