// A fixture that starts each test with no record for the thread, as a new
// program would: the first library call creates it with its first-use defaults.
#pragma once
#include <gtest/gtest.h>

#include "kernel/record_table.h"

class FreshRecord : public ::testing::Test {
  protected:
    void SetUp() override {
        int status = 0;
        qqsglb(1, status);
    }
    void TearDown() override {
        int status = 0;
        qqsglb(1, status);
    }
};
