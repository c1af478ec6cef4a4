// A fixture for in-process tests that open a plot: a fresh record, a temporary
// working folder, and helpers to open a plot on a device and read back the
// file it wrote. The protocol and warnings are captured, not printed.
#pragma once
#include <string>

#include "kavlor.h"
#include "kernel/record.h"
#include "tests/support/capture.h"
#include "tests/support/fresh_record.h"
#include "tests/support/temp_dir.h"
#include "tests/support/text.h"

class PlotTest : public FreshRecord {
  protected:
    TempDir dir;
    ScopedCwd cwd{dir.path()};

    // Opens a plot on device (a keyword of metafl), writing file; returns the record.
    GlobalRecord &open(const char *device = "GKSL", const char *file = "plot.out") {
        captureStdout([&] {
            metafl(device);
            setfil(file);
            filmod("DELE");
            kavini();
        });
        return currentRecord();
    }

    // Closes the plot and returns the contents of its file.
    std::string close(const char *file = "plot.out") {
        captureStdout([] { kavfin(); });
        return readFile(dir.file(file));
    }
};

// A plot open on the text metafile for the whole test, closed at its end.
class OpenPlotTest : public PlotTest {
  protected:
    GlobalRecord *rec = nullptr;

    void SetUp() override {
        PlotTest::SetUp();
        rec = &open("GKSL");
    }
    void TearDown() override {
        close();
        PlotTest::TearDown();
    }
};
