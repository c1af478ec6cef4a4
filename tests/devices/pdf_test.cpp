#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "devices/pdf_writer.h"
#include "kernel/colour_value.h"
#include "kernel/dispatch.h"
#include "kernel/polyline.h"
#include "tests/support/c_program.h"
#include "tests/support/plot_fixture.h"
#include "tests/support/rendered_image.h"
#include "tests/support/vector_plot.h"

namespace {

class Pdf : public PlotTest {
  protected:
    GlobalRecord &openPdf(bool compressed = true, const char *file = "plot.pdf") {
        captureStdout([&] {
            metafl("PDF");
            pdfmod(compressed ? "ON" : "OFF", "COMP");
            setfil(file);
            filmod("DELE");
            kavini();
        });
        return currentRecord();
    }
    // qpdf's verdict on a file: empty when it finds nothing wrong.
    std::string qpdfProblems(const std::string &file) {
        std::string out;
        const int status = runCommand("qpdf --check '" + file + "'", &out);
        return status == 0 ? "" : out;
    }
};

TEST_F(Pdf, OnePageWithoutCompressionHasTheObjectsInOrder) {
    GlobalRecord &rec = openPdf(false);
    line(100, 100, 2000, 1000);
    const std::string pdf = close("plot.pdf");
    (void)rec;
    EXPECT_EQ(qpdfProblems(dir.file("plot.pdf")), "");
    // Content 3 with its length object 4, page 5, page tree 2, catalog 1, info 6.
    EXPECT_NE(pdf.find("3 0 obj\n<< /Length 4 0 R >>\nstream\n0.709 w\n2 J\n2 j\n"),
              std::string::npos);
    const std::size_t page = pdf.find("5 0 obj\n<<\n/Type /Page\n/MediaBox [0 0 553 782]\n");
    ASSERT_NE(page, std::string::npos) << pdf;
    EXPECT_NE(pdf.find("/Rotate 90\n/Resources << /ProcSet [/PDF]\n>>\n/Contents 3 0 R\n", page),
              std::string::npos);
    EXPECT_LT(page, pdf.find("2 0 obj\n<< /Type /Pages /Kids [\n5 0 R\n] /Count 1\n"));
    EXPECT_NE(pdf.find("xref\n0 7\n0000000000 65535 f \n"), std::string::npos);
    EXPECT_NE(pdf.find("trailer\n<< /Size 7 /Root 1 0 R /Info 6 0 R\n>>\nstartxref\n"),
              std::string::npos);
    EXPECT_EQ(pdf.substr(pdf.size() - 6), "%%EOF\n");
    // The line: a move, a draw, and its stroke before the stream ends.
    EXPECT_NE(pdf.find(" m\n"), std::string::npos);
    EXPECT_NE(pdf.find(" l\nS\nendstream\n"), std::string::npos);
}

TEST_F(Pdf, CompressedAndUncompressedFilesAreValidAndRenderAlike) {
    for (bool compressed : {true, false}) {
        GlobalRecord &rec = openPdf(compressed);
        drawVectorPlot(rec);
        newpag();
        setrgb(1, 0, 0);
        line(100, 100, 2800, 2000);
        const std::string pdf = close("plot.pdf");
        EXPECT_EQ(qpdfProblems(dir.file("plot.pdf")), "") << compressed;
        EXPECT_EQ(pdf.find("/FlateDecode") != std::string::npos, compressed);
        std::string info;
        EXPECT_EQ(runCommand("pdfinfo '" + dir.file("plot.pdf") + "'", &info), 0);
        EXPECT_TRUE(std::regex_search(info, std::regex(R"(Pages: +2\n)"))) << info;
        const RgbImage poppler = renderPdf(dir.file("plot.pdf"), 40);
        ASSERT_TRUE(poppler.valid());
        std::string log;
        EXPECT_EQ(runCommand("gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=nullpage '" +
                                 dir.file("plot.pdf") + "'",
                             &log),
                  0);
        EXPECT_EQ(log, "");
        // The orange box lies at plot (1850, 1150): landscape pixels at 40 dpi.
        const double k = 40.0 / 72.0 * rec.page.xdevscl;
        const unsigned char *p = poppler.at(int(1850 * k), int(1150 * k));
        EXPECT_EQ(p[0], 255);
        EXPECT_GT(p[1], 100);
        EXPECT_LT(p[2], 30);
    }
}

TEST_F(Pdf, TheMemoryBufferHoldsTheSameBytesAsTheFile) {
    GlobalRecord &rec = openPdf();
    drawVectorPlot(rec);
    const std::string file = close("plot.pdf");

    captureStdout([] {
        pdfmod("ON", "BUFF");
        kavini();
    });
    drawVectorPlot(currentRecord());
    captureStdout([] { kavfin(); });
    const int length = pdfbuf(nullptr, 0);
    ASSERT_GT(length, 0);
    EXPECT_EQ(pdfbuf(nullptr, 0), length); // the size query leaves the buffer in place
    std::string buffer(std::size_t(length), '\0');
    std::string out = captureStdout([&] { EXPECT_EQ(pdfbuf(nullptr, length), 0); });
    EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in pdfbuf!\n");
    out = captureStdout([&] { EXPECT_EQ(pdfbuf(buffer.data(), length - 1), 0); });
    EXPECT_EQ(out, " <<<< Warning 101: Buffer too small for PDF file in pdfbuf!\n");
    EXPECT_EQ(pdfbuf(buffer.data(), length), length);
    EXPECT_EQ(maskDateTime(buffer), maskDateTime(file));
    out = captureStdout([&] { EXPECT_EQ(pdfbuf(buffer.data(), length), 0); });
    EXPECT_EQ(out, " <<<< Warning 101: Internal PDF buffer is empty in pdfbuf!\n");
    EXPECT_EQ(pdfbuf(nullptr, 0), length) << "the size query still knows the copied document";

    // A later plot written to a file leaves no length behind.
    captureStdout([] { pdfmod("OFF", "BUFF"); });
    open("PDF", "later.pdf");
    close("later.pdf");
    captureStdout([] { pdfmod("ON", "BUFF"); });
    EXPECT_EQ(pdfbuf(nullptr, 0), 0);
}

TEST_F(Pdf, PdfbufRefusesOtherDevicesAndFileOutput) {
    openPdf();
    close("plot.pdf");
    char buffer[16];
    EXPECT_EQ(captureStdout([&] { EXPECT_EQ(pdfbuf(buffer, 16), 0); }),
              " <<<< Warning 101: Buffer output is not enabled for PDF in pdfbuf!\n");
    open("SVG", "plot.svg");
    close("plot.svg");
    EXPECT_EQ(captureStdout([&] { EXPECT_EQ(pdfbuf(buffer, 16), 0); }),
              " <<<< Warning 101: Output format is not PDF in pdfbuf!\n");
    EXPECT_EQ(captureStdout([] { pdfmod("ON", "PAGE"); }),
              " <<<< Warning   2: Incorrect parameter in pdfmod!   (PAGE)\n");
}

TEST_F(Pdf, AFullStreamMemoryStartsAnotherContentStream) {
    GlobalRecord &rec = openPdf();
    // About 20 bytes per point: 40000 points pass the 300000 bytes of one stream.
    strtqq(rec, 0, 0);
    for (int i = 0; i < 40000; ++i)
        connqq(rec, float(i % 2900), float((i * 7) % 2000));
    qqstrk(rec);
    const std::string pdf = close("plot.pdf");
    EXPECT_EQ(qpdfProblems(dir.file("plot.pdf")), "");
    const std::regex contents(R"(/Contents \[\n(\d+ 0 R\n){3,}\])");
    EXPECT_TRUE(std::regex_search(pdf, contents)) << pdf.substr(pdf.find("/Contents"), 80);
    EXPECT_TRUE(renderPdf(dir.file("plot.pdf"), 20).valid());
}

// The compressed streams of a file: their bytes, inflated.
std::vector<std::string> inflatedStreams(const std::string &pdf, std::vector<std::string> &raw) {
    std::vector<std::string> streams;
    const std::regex head(R"(/Length (\d+)\n(   )?/Filter /FlateDecode\n>>\nstream\n)");
    for (auto m = std::sregex_iterator(pdf.begin(), pdf.end(), head); m != std::sregex_iterator();
         ++m) {
        raw.push_back(pdf.substr(std::size_t(m->position() + m->length()), std::stoul((*m)[1])));
        std::string out(4 << 20, '\0');
        uLongf length = out.size();
        EXPECT_EQ(uncompress(reinterpret_cast<Bytef *>(out.data()), &length,
                             reinterpret_cast<const Bytef *>(raw.back().data()), raw.back().size()),
                  Z_OK);
        streams.push_back(out.substr(0, length));
    }
    return streams;
}

TEST_F(Pdf, StreamsCompressedWhileTheyFillHoldTheBytesOfOneDeflateCall) {
    // Content streams and an image large enough to be compressed on the
    // helper thread as they fill: each holds the bytes that one deflate call
    // over it gives.
    GlobalRecord &rec = openPdf();
    strtqq(rec, 0, 0);
    for (int i = 0; i < 40000; ++i)
        connqq(rec, float(i % 2900), float((i * 7) % 2000));
    qqstrk(rec);
    const int width = 300, height = 200;
    qqpdf2(rec, float(width), float(height), kPdfImageBegin);
    std::vector<unsigned char> row(width * 3);
    for (int y = 0; y < height - 20; ++y) { // the last rows are left black
        for (int x = 0; x < width * 3; ++x)
            row[std::size_t(x)] = (unsigned char)((x * y) % 251);
        qqpdf7(rec, row.data(), int(row.size()));
    }
    qqpdf2(rec, 0, 0, kPdfImageEnd);
    qqpdf2(rec, 100, 100, kPdfImagePaint);
    const std::string pdf = close("plot.pdf");
    EXPECT_EQ(qpdfProblems(dir.file("plot.pdf")), "");

    std::vector<std::string> raw;
    const std::vector<std::string> streams = inflatedStreams(pdf, raw);
    ASSERT_GE(streams.size(), 4u);
    EXPECT_GT(streams[0].size(), 290000u); // a full stream memory: operators stay whole
    const std::size_t imageSize = std::size_t(width * height * 3);
    const auto image = std::find_if(streams.begin(), streams.end(),
                                    [&](const std::string &s) { return s.size() == imageSize; });
    ASSERT_NE(image, streams.end());
    EXPECT_NE(*image, std::string(imageSize, '\0'));
    for (std::size_t i = 0; i < streams.size(); ++i) {
        const std::string &s = streams[i];
        std::string once(s.size() + s.size() / 100 + 13, '\0');
        z_stream z{};
        ASSERT_EQ(deflateInit(&z, Z_DEFAULT_COMPRESSION), Z_OK);
        z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(s.data()));
        z.avail_in = uInt(s.size());
        z.next_out = reinterpret_cast<Bytef *>(once.data());
        z.avail_out = uInt(once.size());
        ASSERT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
        once.resize(z.total_out);
        deflateEnd(&z);
        EXPECT_EQ(raw[i], once) << "stream " << i << " of " << s.size() << " bytes";
    }
}

TEST_F(Pdf, AFileCompressedWhileItIsDrawnIsTheFileCompressedStreamByStream) {
    // One thread alone compresses on helper threads while it draws, ends full
    // streams while the helpers still work on them (more of them than the
    // helpers hold at once: a long curve, and circles as a scatter plot
    // draws them); threads drawing at once (thread mode) compress each stream
    // at its end. The files are the same, with full streams followed by a
    // new page, by an image, by text and by the end of the document.
    const auto draw = [this](const char *file) {
        GlobalRecord &rec = openPdf(true, file);
        const auto curve = [&rec](int points, int seed) {
            strtqq(rec, 0, 0);
            for (int i = 0; i < points; ++i)
                connqq(rec, float((i * seed) % 2900), float((i * 7 + seed) % 2000));
            qqstrk(rec);
        };
        curve(70000, 3); // more than four stream memories
        newpag();
        curve(250000, 17);
        penwid(1.8f);
        for (int i = 0; i < 12000; ++i)
            symbol(15, (i * 37) % 2900, (i * 91) % 2000);
        newpag();
        curve(50000, 5);
        const int width = 40, height = 30;
        qqpdf2(rec, float(width), float(height), kPdfImageBegin);
        std::vector<unsigned char> row(width * 3, 200);
        for (int y = 0; y < height; ++y)
            qqpdf7(rec, row.data(), int(row.size()));
        qqpdf2(rec, 0, 0, kPdfImageEnd);
        qqpdf2(rec, 100, 100, kPdfImagePaint);
        curve(30000, 11);
        messag("Text after the streams", 100, 100);
        curve(16000, 13); // ends the document while the helper still works
        return maskDateTime(close(file));
    };
    const std::string alone = draw("alone.pdf");
    EXPECT_EQ(qpdfProblems(dir.file("alone.pdf")), "");
    int status = 0;
    qqsglb(1, status); // thread mode starts before the thread's first call
    thrini(2);
    const std::string threads = draw("threads.pdf");
    thrfin();
    EXPECT_GT(alone.size(), 1500000u);
    EXPECT_TRUE(alone == threads) << alone.size() << " and " << threads.size() << " bytes";
}

TEST_F(Pdf, BookmarksMakeAnOutlineTreeWithEscapedTitles) {
    GlobalRecord &rec = openPdf(false);
    const std::string out = captureStdout([] {
        pdfmrk("too deep", "SECT"); // no chapter yet
        pdfmrk("Chapter (one)", "CHAP");
        pdfmrk("Section 1.1", "SECT");
    });
    EXPECT_EQ(out, " <<<< Warning 101: Bad structure for bookmarks in pdfmrk!\n");
    line(0, 0, 100, 100);
    captureStdout([] {
        newpag();
        pdfmrk("Chapter \\two)", "CHAP");
        pdfmrk("Section 2.1", "SECT");
    });
    EXPECT_EQ(rec.vec.ppdfwr->bookmarkCount, 4);
    const std::string pdf = close("plot.pdf");
    EXPECT_EQ(qpdfProblems(dir.file("plot.pdf")), "");
    // Titles with parentheses and backslashes are escaped.
    EXPECT_NE(pdf.find("<< /Title (Chapter \\50one\\51)\n"), std::string::npos);
    EXPECT_NE(pdf.find("<< /Title (Chapter \\134two\\51)\n"), std::string::npos);
    // Root R, chapters R+1 and R+3, sections R+2 and R+4.
    std::smatch m;
    ASSERT_TRUE(std::regex_search(pdf, m, std::regex(R"((\d+) 0 obj\n<< /Type /Outlines\n)")));
    const int root = std::stoi(m[1]);
    auto item = [&](int k) {
        const std::string head = std::to_string(root + 1 + k) + " 0 obj\n";
        const std::size_t at = pdf.find(head);
        return pdf.substr(at, pdf.find("endobj", at) - at);
    };
    const std::string r = std::to_string(root);
    auto ref = [&](int k) { return std::to_string(root + 1 + k) + " 0 R"; };
    EXPECT_NE(pdf.find(r + " 0 obj\n<< /Type /Outlines\n   /First " + ref(0) + "\n   /Last " +
                       ref(2) + "\n   /Count 4\n"),
              std::string::npos);
    EXPECT_NE(item(0).find("/Parent " + r + " 0 R\n   /Next " + ref(2) + "\n   /First " + ref(1) +
                           "\n   /Last " + ref(1) + "\n   /Count 1\n   /Dest ["),
              std::string::npos)
        << item(0);
    EXPECT_EQ(item(3).find("/Prev"), std::string::npos) << item(3); // the other chapter's section
    EXPECT_NE(item(3).find("/Parent " + ref(2)), std::string::npos);
    EXPECT_NE(pdf.find("   /Outlines " + r + " 0 R\n   /PageMode /UseOutlines\n"),
              std::string::npos);
}

TEST_F(Pdf, TextUsesTheStandardFontsWithEscapes) {
    GlobalRecord &rec = openPdf(false);
    const int font = 4;   // Helvetica
    const int size = 240; // 24 points
    float x = 100;
    for (int code : std::initializer_list<int>{'(', 'A', '\\', ')', 127, 'x', '&', 200}) {
        const float m[6] = {1, 0, 0, 1, x, 300};
        qqpdf5(rec, code, m, 0, font, size);
        x += 20;
    }
    const float turned[6] = {0.7071f, 0.7071f, -0.7071f, 0.7071f, 300, 200};
    qqpdf5(rec, 'B', turned, 45, 0, 120);
    line(0, 0, 100, 100); // closes the text object
    const std::string pdf = close("plot.pdf");
    EXPECT_EQ(qpdfProblems(dir.file("plot.pdf")), "");
    EXPECT_NE(pdf.find("BT\n/F5 24.0 Tf\n1 0 0 1 100.00 300.00 Tm\n(\\50) Tj\n"),
              std::string::npos);
    EXPECT_NE(pdf.find("(\\304) Tj\n"), std::string::npos); // code 127 is WinAnsi C4
    EXPECT_NE(pdf.find("(\\40) Tj\n"), std::string::npos);  // codes from 187 up are blanks
    EXPECT_NE(pdf.find("ET\nBT\n/F1 12.0 Tf\n0.71 0.71 -0.71 0.71 300.00 200.00 Tm\n(B) Tj\nET\n"),
              std::string::npos);
    EXPECT_NE(pdf.find("/Resources << /ProcSet [/PDF /Text]\n/Font <<\n"), std::string::npos);
    std::string fonts;
    runCommand("pdffonts '" + dir.file("plot.pdf") + "'", &fonts);
    EXPECT_NE(fonts.find("Helvetica"), std::string::npos) << fonts;
    EXPECT_NE(fonts.find("Times-Roman"), std::string::npos) << fonts;
    std::string text;
    ASSERT_EQ(runCommand("pdftotext -enc UTF-8 '" + dir.file("plot.pdf") + "' -", &text), 0);
    std::string letters;
    for (char c : text)
        if (c != ' ' && c != '\n') letters += c;
    EXPECT_NE(letters.find("(A\\)\xC3\x84x&"), std::string::npos) << text;
}

TEST_F(Pdf, ImagesFromAPixelBuffer) {
    for (bool compressed : {true, false}) {
        GlobalRecord &rec = openPdf(compressed);
        // A 4 x 2 image: red, green, blue, white on top, black below.
        const unsigned char top[12] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};
        const unsigned char bottom[12] = {};
        qqpdf2(rec, 4, 2, kPdfImageBegin);
        qqpdf7(rec, top, 12);
        qqpdf7(rec, bottom, 12);
        qqpdf7(rec, bottom, 12); // more than the image holds: dropped
        qqpdf2(rec, 0, 0, kPdfImageEnd);
        qqpdf2(rec, 100, 100, kPdfImageTranslate);
        qqpdf2(rec, 400, 200, kPdfImagePaint);
        const std::string pdf = close("plot.pdf");
        EXPECT_EQ(qpdfProblems(dir.file("plot.pdf")), "") << compressed;
        EXPECT_NE(pdf.find("/XObject <<\n/Image1 "), std::string::npos);
        EXPECT_NE(pdf.find("/ProcSet [/PDF /ImageC]"), std::string::npos);
        if (!compressed) {
            EXPECT_NE(
                pdf.find("q\n1 0 0 1 100.00 100.00 cm\n400.00 0 0 200.00 0 0 cm\n/Image1 Do\nQ\n"),
                std::string::npos);
        }
        // Rendered at 72 dpi, one image pixel covers 100 x 100 pixels.
        const RgbImage page = renderPdf(dir.file("plot.pdf"), 72);
        ASSERT_TRUE(page.valid());
        int redPixels = 0, blackPixels = 0;
        for (int y = 0; y < page.height; ++y)
            for (int x = 0; x < page.width; ++x) {
                const unsigned char *p = page.at(x, y);
                redPixels += p[0] > 200 && p[1] < 50 && p[2] < 50;
                blackPixels += p[0] < 50 && p[1] < 50 && p[2] < 50;
            }
        EXPECT_NEAR(redPixels, 100 * 100, 400); // one pixel of the image is 100 x 100 points
        EXPECT_NEAR(blackPixels, 4 * 100 * 100, 1600);
    }
}

TEST_F(Pdf, ABufferGrowsUntilALargeWriteFits) {
    captureStdout([] {
        metafl("PDF");
        pdfmod("OFF", "COMP");
        pdfmod("ON", "BUFF");
        kavini();
    });
    GlobalRecord &rec = currentRecord();
    // One uncompressed image stream of 600 x 600 x 3 bytes: more than one
    // growth step of the buffer in a single write.
    std::vector<unsigned char> pixels(600 * 600 * 3);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<unsigned char>(i * 2654435761u >> 24);
    qqpdf2(rec, 600, 600, kPdfImageBegin);
    qqpdf7(rec, pixels.data(), int(pixels.size()));
    qqpdf2(rec, 0, 0, kPdfImageEnd);
    qqpdf2(rec, 500, 400, kPdfImagePaint);
    captureStdout([] { kavfin(); });
    const int length = pdfbuf(nullptr, 0);
    ASSERT_GT(length, 600 * 600 * 3);
    std::string buffer(std::size_t(length), '\0');
    ASSERT_EQ(pdfbuf(buffer.data(), length), length);
    writeFile(dir.file("image.pdf"), buffer);
    EXPECT_EQ(qpdfProblems(dir.file("image.pdf")), "");
    EXPECT_NE(buffer.find(std::string(reinterpret_cast<const char *>(pixels.data()), 4096)),
              std::string::npos);
}

TEST_F(Pdf, NewPagesSetTheFillColourAgain) {
    GlobalRecord &rec = openPdf(false);
    setrgb(1, 0, 0);
    dbox(rec, 100, 100, 500, 500, explicitColour(255, 0, 0));
    newpag();
    const float x[3] = {100, 900, 500}, y[3] = {900, 900, 300};
    fillOnDevice(rec, x, y, 3);
    const std::string pdf = close("plot.pdf");
    const std::size_t second = pdf.find("/Type /Page\n");
    const std::size_t page2 = pdf.find("stream\n", second);
    ASSERT_NE(page2, std::string::npos);
    // On page 2 the red fill colour is set again before the triangle.
    const std::string content = pdf.substr(page2, pdf.find("endstream", page2) - page2);
    EXPECT_NE(content.find("1 0 0 rg\n"), std::string::npos) << content;
    EXPECT_NE(content.find("h\nf*\n"), std::string::npos) << content;
    const RgbImage page = renderPdf(dir.file("plot.pdf"), 20);
    EXPECT_TRUE(page.valid());
}

TEST_F(Pdf, ColourComponentsAreWrittenAsPrintfWritesThem) {
    // Every component from 0 to 255, as stroke colours (written every time)
    // and as fill colours: c / 255 with three decimals in five places, 0 and 1
    // as whole numbers.
    GlobalRecord &rec = openPdf(false);
    std::string expected;
    for (int c = 0; c < 256; ++c) {
        qqpdf3(rec, c, 255 - c, (c * 7) % 256, 0);
        qqpdf3(rec, c, 255 - c, (c * 7) % 256, 1);
        std::string line;
        for (const int v : {c, 255 - c, (c * 7) % 256}) {
            char text[16];
            std::snprintf(text, sizeof text, "%5.3f ", double(v) / 255.0);
            line += v == 0 ? "0 " : v == 255 ? "1 " : text;
        }
        expected += line + "RG\n" + line + "rg\n";
    }
    const std::string pdf = close("plot.pdf");
    EXPECT_NE(pdf.find(expected), std::string::npos);
}

TEST_F(Pdf, TheBlackPageOfANewPageDoesNotCoverTheFinishedOne) {
    currentRecord().page.iscrset = 0; // a black background
    openPdf();
    captureStdout([] {
        linwid(20);
        line(100, 1000, 2800, 1000); // in the foreground colour, white
        newpag();
    });
    close("plot.pdf");
    EXPECT_EQ(qpdfProblems(dir.file("plot.pdf")), "");
    const RgbImage page = renderPdf(dir.file("plot.pdf"), 20);
    ASSERT_TRUE(page.valid());
    int white = 0, black = 0; // on page 1, inside a margin of 3 pixels
    for (int y = 3; y < page.height - 3; ++y)
        for (int x = 3; x < page.width - 3; ++x)
            (page.ink(x, y) ? black : white) += 1;
    EXPECT_GT(white, 100);
    EXPECT_GT(black, white * 10);
}

TEST_F(Pdf, DeviceStrokedWidthsJoinsCapsAndMiterLimits) {
    GlobalRecord &rec = openPdf(false);
    captureStdout([] {
        linwid(10);
        lnjoin("SHAR");
        lncap("ROUN");
        lnmlt(1.0f);
        line(100, 100, 1000, 100);
    });
    EXPECT_EQ(rec.line.nlinwid, -10);
    const std::string pdf = close("plot.pdf");
    // t = 20 units of 1/508 inch: 2.835 points; the centre line only.
    EXPECT_NE(pdf.find("2.835 w\n0 j\n"), std::string::npos) << pdf;
    EXPECT_NE(pdf.find("1 J\n"), std::string::npos);
    // Miter limits below 1 are errors for readers: at least 1 point.
    EXPECT_NE(pdf.find("5.669 M\n"), std::string::npos); // lnjoin: 20 x 2.0 units
    EXPECT_NE(pdf.find("2.835 M\n"), std::string::npos); // lnmlt(1.0): 20 units
    std::size_t draws = 0;
    for (std::size_t at = pdf.find(" l\n"); at != std::string::npos; at = pdf.find(" l\n", at + 1))
        ++draws;
    EXPECT_EQ(draws, 1u);
}

} // namespace
