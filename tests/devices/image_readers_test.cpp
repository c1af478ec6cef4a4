// The image decoders: round trips of what the writers wrote, files made by
// netpbm and ImageMagick, and malformed or truncated files.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "devices/image_readers.h"
#include "devices/raster_writers.h"
#include "tests/devices/raster_fixture.h"
#include "tests/support/c_program.h"
#include "tests/support/rendered_image.h"
#include "tests/support/temp_dir.h"

namespace {

enum class Decoder { Bmp, Gif };

std::string bytesOf(std::initializer_list<int> values) {
    std::string s;
    for (const int v : values)
        s += static_cast<char>(v);
    return s;
}
std::string le16(unsigned v) {
    return bytesOf({int(v & 0xFF), int(v >> 8 & 0xFF)});
}
std::string le32(std::uint32_t v) {
    return le16(v & 0xFFFF) + le16(v >> 16);
}

// Rows that a decoder hands out, in order, for the tests that watch it.
std::vector<int> rowsSeen;
void recordRow(GlobalRecord &, const std::uint8_t *, int, int y, int, int) {
    rowsSeen.push_back(y);
}
void readNothing(GlobalRecord &, std::uint8_t *, int, int, int, int, int) {}
constexpr PixelDriver kRecorder{.readRect = readNothing, .writeRow = recordRow};

class ImageReaders : public RasterTest {
  protected:
    std::vector<int> table = distinctTable();
    TempDir dir;

    // A picture of few colours (index page): every pixel a colour number below
    // colours, and a line across.
    GlobalRecord &paint(int w, int h, int colours) {
        GlobalRecord &rec = makeRaster(w, h);
        qqvvlt(rec, 1, table.data());
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                qqvwpx(rec, x, y, (x + 3 * y) % colours);
        qqvclr(rec, colours - 1);
        qqvlin(rec, 0, h - 1, w - 1, 0);
        return rec;
    }
    RgbImage pixelsOf(GlobalRecord &rec) {
        const DriverRecord &d = *rec.dev.pdriver;
        return rasterPixels(rec, 0, 0, d.nwidth, d.nheight);
    }
    std::string write(GlobalRecord &rec, int format, int imgfmt = kImageFormatIndex,
                      int nbitpix = 8) {
        const DriverRecord &d = *rec.dev.pdriver;
        const RasterFileRequest req{.pixels = kMemoryRasterPixels,
                                    .device = 604,
                                    .area = {0, 0, d.nwidth, d.nheight},
                                    .colours = table.data(),
                                    .imgfmt = imgfmt,
                                    .nbitpix = nbitpix};
        const std::string path = dir.file("written" + std::to_string(format));
        FILE *file = std::fopen(path.c_str(), "wb");
        int status = -9;
        if (format == 0) qqpbmp(rec, file, req, status);
        if (format == 1) qqpgif(rec, file, req, 0, 0, status);
        if (format == 2) qqptif(rec, file, req, 100, 2, 0, status);
        if (format == 3) qqpppm(rec, file, req, status);
        std::fclose(file);
        EXPECT_EQ(status, kRasterDone);
        return readFile(path);
    }
    // Decodes bytes into a fresh RGB raster of w x h at (x, y); the status.
    int decode(Decoder decoder, const std::string &bytes, int w, int h, int x = 0, int y = 0,
               const PixelDriver &pixels = kMemoryRasterPixels) {
        GlobalRecord &rec = makeRaster(w, h, true);
        // (fmemopen wants at least one byte: an empty file is read as one NUL.)
        FILE *file = fmemopen(const_cast<char *>(bytes.data()),
                              std::max<std::size_t>(bytes.size(), 1), "rb");
        const RowTarget target{.pixels = pixels, .right = w, .bottom = h, .x = x, .y = y};
        const int status =
            decoder == Decoder::Bmp ? decodeBmp(rec, file, target) : decodeGif(rec, file, target);
        std::fclose(file);
        return status;
    }
    RgbImage decoded() { return pixelsOf(currentRecord()); }
};

TEST_F(ImageReaders, WrittenFilesComeBackWhole) {
    struct Case {
        Decoder decoder;
        int format, imgfmt, nbitpix;
        const char *name;
    };
    const Case cases[] = {
        {Decoder::Bmp, 0, kImageFormatIndex, 8, "BMP 8 bits"},
        {Decoder::Bmp, 0, kImageFormatRgb, 24, "BMP 24 bits"},
        {Decoder::Gif, 1, kImageFormatIndex, 8, "GIF"},
    };
    for (const Case &c : cases) {
        GlobalRecord &rec = paint(37, 23, 256);
        const RgbImage want = pixelsOf(rec);
        const std::string file = write(rec, c.format, c.imgfmt, c.nbitpix);
        EXPECT_EQ(decode(c.decoder, file, 37, 23), kImageDone) << c.name;
        EXPECT_EQ(decoded(), want) << c.name;
    }
    // Noise: many clear codes in the GIF stream.
    GlobalRecord &rec = makeRaster(150, 150);
    qqvvlt(rec, 1, table.data());
    std::mt19937 random(11);
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 150; ++x)
            qqvwpx(rec, x, y, int(random() % 256));
    const RgbImage want = pixelsOf(rec);
    const std::string gif = write(rec, 1);
    EXPECT_EQ(decode(Decoder::Gif, gif, 150, 150), kImageDone);
    EXPECT_EQ(decoded(), want);
}

TEST_F(ImageReaders, RowsAreCutAtThePictureAndPlacedAtThePosition) {
    GlobalRecord &rec = paint(10, 8, 256);
    const RgbImage source = pixelsOf(rec);
    const std::string bmp = write(rec, 0);
    const std::string gif = write(rec, 1);
    // Placed at (-3, 2) into a 6 x 5 picture: source column c, row r lands on (c - 3, r + 2).
    RgbImage want{6, 5, std::vector<std::uint8_t>(6 * 5 * 3, 0)};
    for (int y = 2; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            for (int k = 0; k < 3; ++k)
                want.rgb[(y * 6 + x) * 3 + k] = source.rgb[((y - 2) * 10 + x + 3) * 3 + k];
    for (const auto &[decoder, file] : {std::pair{Decoder::Bmp, bmp}, {Decoder::Gif, gif}}) {
        EXPECT_EQ(decode(decoder, file, 6, 5, -3, 2), kImageDone);
        EXPECT_EQ(decoded(), want);
    }
}

TEST_F(ImageReaders, FilesOfNetpbmAndImageMagick) {
    // A picture of 2 colours for 1 bit, 16 for 4 bits, more for 8 and 24 bits.
    // netpbm keeps the colours exactly; ImageMagick may change some, so every
    // file is also compared with ImageMagick's own reading of it.
    struct Case {
        int w, h, colours;
        std::string command; // turns the PPM into the file
        Decoder decoder;
        bool exact;      // the file holds the picture's colours
        int compression; // of a BMP: 0 none, 1 RLE8, 2 RLE4
    };
    const Case cases[] = {
        {33, 5, 2, "ppmtobmp -bpp 1", Decoder::Bmp, true, 0}, // rows of 8 bytes
        {13, 7, 16, "ppmtobmp -bpp 4", Decoder::Bmp, true, 0},
        {21, 9, 200, "ppmtobmp -bpp 8", Decoder::Bmp, true, 0},
        {21, 9, 256, "ppmtobmp -bpp 24", Decoder::Bmp, true, 0},
        {21, 9, 200, "convert-im6.q16 - -type Palette -compress RLE bmp3:-", Decoder::Bmp, false,
         1},
        {21, 10, 200, "ppmtogif -interlace", Decoder::Gif, true, -1},
        {21, 9, 3, "ppmtogif", Decoder::Gif, true, -1}, // a code size of 2
        {21, 9, 200, "convert-im6.q16 - gif:-", Decoder::Gif, false, -1},
    };
    for (const Case &c : cases) {
        table[0] = 0x000000;
        table[1] = 0xFFFFFF; // two colours: black and white
        GlobalRecord &rec = paint(c.w, c.h, c.colours);
        const RgbImage picture = pixelsOf(rec);
        const std::string ppm = dir.file("p.ppm");
        writeFile(ppm, write(rec, 3));
        const std::string made = dir.file("made");
        const ProgramRun run = runShell(c.command + " < '" + ppm + "'");
        ASSERT_EQ(run.status, 0) << c.command << ": " << run.err;
        const std::string &bytes = run.out;
        writeFile(made, bytes);
        if (c.compression >= 0) {
            EXPECT_EQ(bytes[30], c.compression) << c.command;
        }
        EXPECT_EQ(decode(c.decoder, bytes, c.w, c.h), kImageDone) << c.command;
        EXPECT_EQ(decoded(), decodeWith("convert-im6.q16", made, "-depth 8 ppm:-")) << c.command;
        if (c.exact) {
            EXPECT_EQ(decoded(), picture) << c.command;
        }
    }
}

TEST_F(ImageReaders, InterlacedRowsComeInPassOrder) {
    GlobalRecord &rec = paint(4, 10, 200);
    const std::string ppm = dir.file("p.ppm");
    writeFile(ppm, write(rec, 3));
    const ProgramRun made = runShell("ppmtogif -interlace < '" + ppm + "'");
    ASSERT_EQ(made.status, 0);
    rowsSeen.clear();
    EXPECT_EQ(decode(Decoder::Gif, made.out, 4, 10, 0, 0, kRecorder), kImageDone);
    EXPECT_EQ(rowsSeen, (std::vector<int>{0, 8, 4, 2, 6, 1, 3, 5, 7, 9}));
}

// A BMP of 16 colours (entry i = (16 i, 0, 255 - 16 i)) and the given data.
std::string bmp4(int w, int h, std::uint32_t compression, const std::string &data) {
    std::string palette;
    for (int i = 0; i < 16; ++i)
        palette += bytesOf({255 - 16 * i, 0, 16 * i, 0});
    const std::uint32_t offset = 14 + 40 + 64;
    return "BM" + le32(offset + data.size()) + le32(0) + le32(offset) + le32(40) + le32(w) +
           le32(h) + le16(1) + le16(4) + le32(compression) + le32(data.size()) + le32(2500) +
           le32(2500) + le32(16) + le32(16) + palette + data;
}

TEST_F(ImageReaders, Rle4RunsAbsoluteRunsAndMoves) {
    // Bottom row: a run of 5 alternating 1 and 2, end of line. Next row up:
    // 3 absolute pixels 3, 4, 5 (two bytes, padded), a run of 2 pixels 6, a
    // move of 1 right past the row's end. End of bitmap.
    const std::string data = bytesOf({5, 0x12, 0, 0, 0, 3, 0x34, 0x50, 2, 0x66, 0, 2, 1, 0, 0, 1});
    EXPECT_EQ(decode(Decoder::Bmp, bmp4(5, 2, 2, data), 5, 2), kImageDone);
    std::vector<std::uint8_t> want;
    for (const int i : {3, 4, 5, 6, 6, 1, 2, 1, 2, 1})
        want.insert(want.end(), {std::uint8_t(16 * i), 0, std::uint8_t(255 - 16 * i)});
    EXPECT_EQ(decoded(), (RgbImage{5, 2, want}));
}

TEST_F(ImageReaders, RunsAndMovesPastTheImageStayInsideIt) {
    // A 3 x 2 RLE4 image on a larger picture: a run of 200 pixels, a move far
    // right, absolute pixels past the row end, a run on the top row, then a
    // move far up and a run beyond the top.
    const std::string data = bytesOf({200, 0x11, 0,    2, 250, 0, 0, 5, 0x22, 0x22, 0x20, 0, 0,
                                      0,   3,    0x44, 0, 0,   0, 2, 0, 200,  9,    0x33, 0, 1});
    EXPECT_EQ(decode(Decoder::Bmp, bmp4(3, 2, 2, data), 8, 4), kImageDone);
    const RgbImage got = decoded();
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool inside = x < 3 && y < 2;
            const std::uint8_t *p = &got.rgb[(y * 8 + x) * 3];
            EXPECT_EQ(p[0] != 0 || p[2] != 0, inside) << x << "," << y;
        }
}

TEST_F(ImageReaders, TiffFilesOfThisLibraryComeBack) {
    struct Case {
        int imgfmt, nbitpix, entries;
        bool rgb;
    };
    for (const Case c :
         {Case{kImageFormatIndex, 8, 14, false}, Case{kImageFormatRgb, 24, 13, true}}) {
        GlobalRecord &rec = paint(7, 5, 256);
        if (c.rgb) { // the same picture on an RGB page
            const RgbImage indexPixels = pixelsOf(rec);
            GlobalRecord &rgbRec = makeRaster(7, 5, true);
            for (int y = 0; y < 5; ++y)
                qqvrow(rgbRec, &indexPixels.rgb[y * 21], 0, y, 7, kPixelValuesRgb);
        }
        GlobalRecord &now = currentRecord();
        const RgbImage want = pixelsOf(now);
        const std::string path = dir.file("t.tif");
        writeFile(path, write(now, 2, c.imgfmt, c.nbitpix));
        FILE *file = std::fopen(path.c_str(), "rb");
        TiffImage image;
        ASSERT_EQ(readTiffHeader(file, image), kImageDone);
        EXPECT_EQ(image.entries, c.entries);
        EXPECT_EQ(image.width, 7);
        EXPECT_EQ(image.height, 5);
        EXPECT_EQ(image.rgb, c.rgb);
        std::vector<std::uint8_t> row(7 * 3);
        for (int y = 0; y < 5; ++y) {
            ASSERT_EQ(readTiffRow(file, image, y, 2, 4, row.data()), kImageDone);
            for (int x = 0; x < 4; ++x) {
                const std::uint8_t *w = &want.rgb[(y * 7 + x + 2) * 3];
                if (c.rgb) {
                    EXPECT_EQ(
                        std::vector<std::uint8_t>(row.begin() + 3 * x, row.begin() + 3 * x + 3),
                        std::vector<std::uint8_t>(w, w + 3));
                } else {
                    const int n = row[x]; // the colour map gives back the colour of the number
                    EXPECT_EQ(image.colourMap[n] / 257, w[0]);
                    EXPECT_EQ(image.colourMap[256 + n] / 257, w[1]);
                    EXPECT_EQ(image.colourMap[512 + n] / 257, w[2]);
                }
            }
        }
        std::fclose(file);
    }
}

TEST_F(ImageReaders, TiffLayoutsOtherThanPaletteAndRgbAreRefused) {
    GlobalRecord &rec = paint(6, 3, 256);
    const std::string bilevel = write(rec, 2, kImageFormatBilevel, 8);
    const std::string palette = write(rec, 2);
    std::string otherCount = palette;
    otherCount[8] = 12;
    std::string nextDirectory = palette;
    nextDirectory[8 + 2 + 12 * 14] = 1;
    std::string compressed = palette;
    compressed[8 + 2 + 12 * 4 + 8] = 5; // Compression = 5 (LZW)
    std::string bigEndian = palette;
    bigEndian[0] = bigEndian[1] = 'M';
    for (const std::string &bytes : {bilevel, otherCount, nextDirectory, compressed, bigEndian}) {
        FILE *file = fmemopen(const_cast<char *>(bytes.data()), bytes.size(), "rb");
        TiffImage image;
        EXPECT_EQ(readTiffHeader(file, image), kImageSyntaxError);
        std::fclose(file);
    }
}

TEST_F(ImageReaders, TruncatedFilesAreSyntaxErrors) {
    GlobalRecord &rec = paint(9, 6, 256);
    const std::string bmp = write(rec, 0);
    const std::string gif = write(rec, 1);
    const std::string tif = write(rec, 2);
    const std::string rle = bmp4(5, 2, 2, bytesOf({5, 0x12, 0, 0, 0, 3, 0x34, 0x50, 0, 0, 0, 1}));
    for (std::size_t n = 0; n < bmp.size(); ++n)
        ASSERT_EQ(decode(Decoder::Bmp, bmp.substr(0, n), 9, 6), kImageSyntaxError) << n;
    for (std::size_t n = 0; n < rle.size(); ++n)
        ASSERT_EQ(decode(Decoder::Bmp, rle.substr(0, n), 5, 2), kImageSyntaxError) << n;
    // Without its trailer a GIF is still whole; without the block terminator it is not.
    for (std::size_t n = 0; n + 1 < gif.size(); ++n)
        ASSERT_EQ(decode(Decoder::Gif, gif.substr(0, n), 9, 6), kImageSyntaxError) << n;
    EXPECT_EQ(decode(Decoder::Gif, gif.substr(0, gif.size() - 1), 9, 6), kImageDone);
    for (std::size_t n = 0; n < tif.size(); ++n) {
        const std::string part = tif.substr(0, n);
        FILE *file = fmemopen(const_cast<char *>(part.data()), part.size() + (n == 0), "rb");
        TiffImage image;
        ASSERT_EQ(readTiffHeader(file, image), kImageSyntaxError) << n;
        std::fclose(file);
    }
}

// A GIF of w x h on a logical screen of sw x sh with a global table of 4
// colours and the given LZW data (minimum code size and sub-blocks).
std::string gifOnScreen(int sw, int sh, int w, int h, const std::string &lzw) {
    return "GIF89a" + le16(sw) + le16(sh) + bytesOf({0x81, 0, 0}) +
           bytesOf({0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255}) + bytesOf({0x2C}) + le32(0) +
           le16(w) + le16(h) + bytesOf({0}) + lzw;
}
std::string gif(int w, int h, const std::string &lzw) {
    return gifOnScreen(w, h, w, h, lzw);
}

TEST_F(ImageReaders, MalformedFilesAreSyntaxErrors) {
    // Code size 2: clear 4, end 5, first free code 6, codes of 3 bits, least
    // significant bit first: 0x4C 0x01 holds clear, pixel 1, end.
    struct Case {
        const char *name;
        Decoder decoder;
        std::string bytes;
        int status;
    };
    const std::string huge = "BM" + le32(0) + le32(0) + le32(54) + le32(40) + le32(0x7FFFFFFF) +
                             le32(0x7FFFFFFF) + le16(1) + le16(24) + le32(0) + le32(0) + le32(0) +
                             le32(0) + le32(0) + le32(0) + "xyz";
    // 15,728,645 x 4 pixels announced, four rows of 26 runs of 255 coded.
    std::string runs;
    for (int row = 0; row < 4; ++row) {
        for (int i = 0; i < 26; ++i)
            runs += bytesOf({255, i});
        runs += bytesOf({0, row < 3 ? 0 : 1});
    }
    std::string wideRle8 = bmp4(1, 4, 1, runs);
    wideRle8.replace(18, 4, le32(15728645));
    wideRle8.replace(28, 2, le16(8));
    const Case cases[] = {
        {"GIF with a good stream", Decoder::Gif, gif(1, 1, bytesOf({2, 2, 0x4C, 0x01, 0, 0x3B})),
         kImageDone},
        {"GIF code beyond the next free one", Decoder::Gif,
         gif(2, 1, bytesOf({2, 2, 0xCC, 0x01, 0})), kImageSyntaxError},
        {"GIF table code right after a clear", Decoder::Gif, gif(1, 1, bytesOf({2, 1, 0x34, 0})),
         kImageSyntaxError},
        {"GIF code size 1", Decoder::Gif, gif(1, 1, bytesOf({1, 1, 0x04, 0})), kImageSyntaxError},
        {"GIF code size 12", Decoder::Gif, gif(1, 1, bytesOf({12, 1, 0x04, 0})), kImageSyntaxError},
        {"GIF of width 0", Decoder::Gif, gif(0, 1, bytesOf({2, 2, 0x4C, 0x01, 0})),
         kImageSyntaxError},
        {"GIF without image", Decoder::Gif, "GIF89a" + le16(1) + le16(1) + bytesOf({0, 0, 0, 0x3B}),
         kImageSyntaxError},
        {"GIF with an unknown block", Decoder::Gif,
         "GIF89a" + le16(1) + le16(1) + bytesOf({0, 0, 0, 0x77}), kImageSyntaxError},
        {"GIF data after the end code", Decoder::Gif,
         gif(1, 1, bytesOf({2, 2, 0x4C, 0x01, 1, 0, 0})), kImageSyntaxError},
        // The picture of an inclusion has the logical screen's size: an image
        // smaller than its screen leaves most of that picture coded by nothing.
        {"GIF screen wider than its image", Decoder::Gif,
         gifOnScreen(2, 1, 1, 1, bytesOf({2, 2, 0x4C, 0x01, 0})), kImageSyntaxError},
        {"GIF screen higher than its image", Decoder::Gif,
         gifOnScreen(1, 60000, 1, 1, bytesOf({2, 2, 0x4C, 0x01, 0})), kImageSyntaxError},
        {"not a GIF", Decoder::Gif, "JFIF", kImageSyntaxError},
        {"BMP of negative height", Decoder::Bmp, bmp4(2, -2, 0, bytesOf({0, 0, 0, 0, 0, 0, 0, 0})),
         kImageSyntaxError},
        {"BMP RLE8 with 4 bits", Decoder::Bmp, bmp4(2, 1, 1, bytesOf({2, 1, 0, 1})),
         kImageSyntaxError},
        // Runs must code every pixel of the header: line ends and moves skip
        // pixels without coding them. Ending on the last row, or after its
        // line end, is whole.
        {"BMP RLE4 ending on row 1 of 3", Decoder::Bmp,
         bmp4(2, 3, 2, bytesOf({2, 0x12, 0, 0, 2, 0x12, 0, 1})), kImageSyntaxError},
        {"BMP RLE4 ending on row 3 of 3", Decoder::Bmp,
         bmp4(2, 3, 2, bytesOf({2, 0x12, 0, 0, 2, 0x12, 0, 0, 2, 0x12, 0, 1})), kImageDone},
        {"BMP RLE4 ending after the line end of row 3", Decoder::Bmp,
         bmp4(2, 3, 2, bytesOf({2, 0x12, 0, 0, 2, 0x12, 0, 0, 2, 0x12, 0, 0, 0, 1})), kImageDone},
        {"BMP RLE4 moving past its last row", Decoder::Bmp,
         bmp4(2, 3, 2, bytesOf({0, 2, 0, 5, 0, 1})), kImageSyntaxError},
        {"BMP RLE4 moving over a pixel", Decoder::Bmp,
         bmp4(2, 1, 2, bytesOf({1, 0x11, 0, 2, 1, 0, 0, 1})), kImageSyntaxError},
        {"BMP RLE4 with line ends on every row", Decoder::Bmp,
         bmp4(2, 3, 2, bytesOf({1, 0x11, 0, 0, 1, 0x11, 0, 0, 1, 0x11, 0, 1})), kImageSyntaxError},
        {"BMP RLE4 with runs past the row's end", Decoder::Bmp,
         bmp4(2, 2, 2, bytesOf({9, 0x11, 0, 0, 1, 0x11, 0, 1})), kImageSyntaxError},
        {"BMP RLE8 of a wide header over a few runs", Decoder::Bmp, wideRle8, kImageSyntaxError},
        {"BMP of huge size", Decoder::Bmp, huge, kImageSyntaxError},
        {"BMP short info header", Decoder::Bmp,
         "BM" + le32(0) + le32(0) + le32(26) + le32(12) + le32(0), kImageSyntaxError},
        {"not a BMP", Decoder::Bmp, "GIF89a", kImageSyntaxError},
    };
    for (const Case &c : cases)
        EXPECT_EQ(decode(c.decoder, c.bytes, 4, 4), c.status) << c.name;

    // A palette of more than 256 colours is refused too.
    std::string many = bmp4(1, 1, 0, bytesOf({0, 0, 0, 0}));
    many.replace(46, 4, le32(300));
    EXPECT_EQ(decode(Decoder::Bmp, many, 4, 4), kImageSyntaxError);
}

TEST_F(ImageReaders, IndicesBeyondTheColourTableAreBlack) {
    // Code size 3 but a table of 4 colours: pixel 6 has no entry.
    EXPECT_EQ(decode(Decoder::Gif, gif(1, 1, bytesOf({3, 2, 0x68, 0x09, 0})), 1, 1), kImageDone);
    EXPECT_EQ(decoded(), (RgbImage{1, 1, {0, 0, 0}}));
    EXPECT_EQ(decode(Decoder::Gif, gif(1, 1, bytesOf({3, 2, 0x18, 0x09, 0})), 1, 1), kImageDone);
    EXPECT_EQ(decoded(), (RgbImage{1, 1, {255, 0, 0}}));
}

TEST_F(ImageReaders, MissingFilesAreOpenErrors) {
    GlobalRecord &rec = makeRaster(2, 2, true);
    const RowTarget target{.right = 2, .bottom = 2};
    int status = 0;
    qqpibmp(rec, dir.file("none.bmp").c_str(), target, status);
    EXPECT_EQ(status, kImageOpenError);
    qqpigif(rec, dir.file("none.gif").c_str(), target, status);
    EXPECT_EQ(status, kImageOpenError);
}

// The inputs kept from fuzzing: each decoder on each file ends with a status
// and never reads or writes outside its buffers (the ASan build checks that).
TEST_F(ImageReaders, FuzzFindingsEndWithAStatus) {
    int files = 0;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(KAVLOR_FUZZ_CORPUS)) {
        if (!entry.is_regular_file()) continue;
        ++files;
        const std::string bytes = readFile(entry.path());
        for (const Decoder decoder : {Decoder::Bmp, Decoder::Gif}) {
            const int status = decode(decoder, bytes, 16, 16, -2, 3);
            EXPECT_TRUE(status == kImageDone || status == kImageSyntaxError) << entry.path();
        }
        FILE *file = fmemopen(const_cast<char *>(bytes.data()),
                              bytes.size() + (bytes.empty() ? 1 : 0), "rb");
        TiffImage image;
        if (readTiffHeader(file, image) == kImageDone) {
            std::vector<std::uint8_t> row(static_cast<std::size_t>(image.width) * 3);
            for (int y = 0; y < image.height; ++y)
                readTiffRow(file, image, y, 0, image.width, row.data());
        }
        std::fclose(file);
    }
    EXPECT_GT(files, 0);
}

} // namespace
