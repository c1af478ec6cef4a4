// Every writer gives the same bytes under a locale whose decimal point is a
// comma: numbers in files never follow the caller's locale.
#include <gtest/gtest.h>

#include <clocale>

#include "devices/pdf_writer.h"
#include "devices/svg.h"
#include "tests/support/c_program.h"
#include "tests/support/comma_locale.h"
#include "tests/support/plot_fixture.h"
#include "tests/support/vector_plot.h"

namespace {

class CommaLocale : public PlotTest {
  protected:
    // One file of each writer, with dates masked.
    std::string write(const char *device, const char *file, bool compressed = true) {
        captureStdout([&] { pdfmod(compressed ? "ON" : "OFF", "COMP"); });
        GlobalRecord &rec = open(device, file);
        drawVectorPlot(rec);
        captureStdout([] { penwid(2.5f); });
        line(100, 100, 2000, 300);
        if (rec.core.idevice == 511) {
            const float m[6] = {0.5f, 0.866f, -0.866f, 0.5f, 100.25f, 200.75f};
            qqpdf5(rec, 'A', m, 60, 4, 123);
        }
        if (rec.core.idevice == 801) qqsvg5(rec, 'A', 100.5f, 200.25f);
        return maskDateTime(close(file));
    }
};

TEST_F(CommaLocale, WritersIgnoreTheDecimalComma) {
    struct Case {
        const char *device, *file;
        bool compressed;
    };
    const Case cases[] = {{"PDF", "plot.pdf", true}, {"PDF", "plot.pdf", false},
                          {"PS", "plot.ps", true},   {"EPS", "plot.eps", true},
                          {"SVG", "plot.svg", true}, {"CGM", "plot.cgm", true}};
    std::vector<std::string> inC;
    for (const Case &c : cases)
        inC.push_back(write(c.device, c.file, c.compressed));
    const ScopedCommaLocale german(LC_ALL);
    ASSERT_TRUE(german.active()) << "no comma-decimal locale could be made";
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const std::string inGerman = write(cases[i].device, cases[i].file, cases[i].compressed);
        EXPECT_EQ(inGerman.size(), inC[i].size()) << cases[i].device;
        EXPECT_TRUE(inGerman == inC[i]) << cases[i].device << " differs under de_DE";
    }
}

} // namespace
