// The same plot written as PDF, PostScript and SVG and rendered by poppler,
// ghostscript and librsvg at the same resolution gives the same picture.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/plot_fixture.h"
#include "tests/support/rendered_image.h"
#include "tests/support/vector_plot.h"

namespace {

class SameDrawing : public PlotTest {
  protected:
    float scale(const char *device) {
        open(device, "scale.out");
        const float s = currentRecord().page.xdevscl;
        close("scale.out");
        return s;
    }
    void write(const char *device, const char *file) {
        GlobalRecord &rec = open(device, file);
        drawVectorPlot(rec);
        close(file);
    }
};

TEST_F(SameDrawing, PdfPostScriptAndSvgRenderTheSamePicture) {
    write("PDF", "plot.pdf");
    write("EPS", "plot.eps");
    write("SVG", "plot.svg");
    // Pixels per plot unit: that of the SVG page, 853 pixels wide.
    const double perUnit = scale("SVG");
    const double pdfDpi = 72.0 * perUnit / scale("PDF");
    const double psDpi = 508.0 * perUnit / scale("EPS");

    const RgbImage svg = renderSvg(dir.file("plot.svg"), 1.0);
    const RgbImage pdf = renderPdf(dir.file("plot.pdf"), pdfDpi);
    // The EPS is cropped to its bounding box, which starts a little more than
    // a point before the drawing's origin on both axes, and holds the
    // landscape page turned.
    const RgbImage epsPage = renderPostScript(dir.file("plot.eps"), psDpi, true);
    ASSERT_TRUE(svg.valid() && pdf.valid() && epsPage.valid());
    // A margin of a few pixels keeps the lines along the right and bottom edges.
    const int w = int(2969 * perUnit) + 3, h = int(2099 * perUnit) + 3;
    const RgbImage eps = epsPage.turnedRight().crop(1, 1, w, h);
    const RgbImage svgPage = svg.crop(0, 0, w, h);
    const RgbImage pdfPage = pdf.crop(0, 0, w, h);

    if (const char *keep = std::getenv("KAVLOR_KEEP_PICTURES")) {
        writePpm(svgPage, std::string(keep) + "/svg.ppm");
        writePpm(pdfPage, std::string(keep) + "/pdf.ppm");
        writePpm(eps, std::string(keep) + "/eps.ppm");
    }
    // Filled areas: the orange and the blue box, the triangle, a wide line.
    const int probes[4][2] = {{1850, 1150}, {2250, 1150}, {2150, 1650}, {2100, 700}};
    for (const auto &[name, picture] : {std::pair{"PDF", &pdfPage}, std::pair{"EPS", &eps}}) {
        EXPECT_LT(unmatchedInk(svgPage, *picture, 2), 0.01) << name << " lacks ink of the SVG";
        EXPECT_LT(unmatchedInk(*picture, svgPage, 2), 0.01) << name << " has ink the SVG lacks";
        for (const auto &probe : probes) {
            const int x = int(probe[0] * perUnit), y = int(probe[1] * perUnit);
            for (int c = 0; c < 3; ++c)
                EXPECT_NEAR(picture->at(x, y)[c], svgPage.at(x, y)[c], 8)
                    << name << " at " << probe[0];
        }
    }
}

} // namespace
