// The raster file writers, checked by real readers: one picture written as
// PNG, TIFF, GIF, BMP and PPM decodes with netpbm and ImageMagick to the
// pixels of the raster.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdio>
#include <functional>
#include <map>
#include <random>
#include <set>

#include "devices/raster_writers.h"
#include "tests/devices/raster_fixture.h"
#include "tests/support/c_program.h"
#include "tests/support/rendered_image.h"
#include "tests/support/temp_dir.h"

namespace {

enum class Format { Png, Tiff, Gif, Bmp, Ppm };

struct FormatInfo {
    const char *name;
    const char *extension;
    const char *netpbm; // the netpbm reader
    const char *magick; // ImageMagick's name of the format
};

const std::map<Format, FormatInfo> kFormats = {
    {Format::Png, {"PNG", "png", "pngtopnm", "PNG"}},
    {Format::Tiff, {"TIFF", "tif", "tifftopnm", "TIFF"}},
    {Format::Gif, {"GIF", "gif", "giftopnm", "GIF"}},
    {Format::Bmp, {"BMP", "bmp", "bmptopnm", "BMP3"}},
    {Format::Ppm, {"PPM", "ppm", "ppmtoppm <", "PPM"}},
};

class RasterWriters : public RasterTest {
  protected:
    std::vector<int> table = distinctTable();
    TempDir dir;

    // A picture of many colours: every pixel its own colour number, then a
    // few lines, a rectangle and a triangle on top.
    GlobalRecord &paint(int w, int h, bool rgb) {
        GlobalRecord &rec = makeRaster(w, h, rgb);
        qqvvlt(rec, 1, table.data());
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                qqvwpx(rec, x, y, (x * 3 + y * 5) & 0xFF);
        qqvclr(rec, 17);
        qqvlin(rec, 0, 0, w - 1, h - 1);
        qqvlin(rec, w - 1, 0, 0, h / 2);
        qqvfll(rec, 2, 2, 6, 5, 250);
        const int tx[] = {w / 2, w - 2, 3}, ty[] = {1, h - 2, h - 3}, tc[] = {99, 0, 0};
        qqvftr(rec, tx, ty, tc);
        return rec;
    }

    RasterFileRequest request(int w, int h, int imgfmt, int nbitpix) {
        return RasterFileRequest{.pixels = kMemoryRasterPixels,
                                 .device = 604,
                                 .area = {0, 0, w, h},
                                 .clip = 0,
                                 .colours = table.data(),
                                 .ncolours = 256,
                                 .imgfmt = imgfmt,
                                 .nbitpix = nbitpix};
    }

    // Writes the file with the writer of the format; the writer's status.
    int write(GlobalRecord &rec, Format format, const RasterFileRequest &req,
              const std::string &path, int option = 0) {
        FILE *file = std::fopen(path.c_str(), "wb");
        EXPECT_NE(file, nullptr);
        int status = 99;
        switch (format) {
        case Format::Png: qqppng(rec, file, req, option, nullptr, status); break;
        case Format::Tiff: qqptif(rec, file, req, 100, 2, option, status); break;
        case Format::Gif: qqpgif(rec, file, req, 0, option, status); break;
        case Format::Bmp: qqpbmp(rec, file, req, status); break;
        case Format::Ppm: qqpppm(rec, file, req, status); break;
        }
        std::fclose(file);
        return status;
    }
};

TEST_F(RasterWriters, EveryFormatDecodesToTheRasterPixels) {
    struct Case {
        const char *name;
        bool rgbPage;
        int imgfmt, nbitpix;
    };
    const Case cases[] = {
        {"index page", false, kImageFormatIndex, 8},
        {"RGB page, RGB files", true, kImageFormatRgb, 24},
        {"RGB page quantised to a palette", true, kImageFormatIndex, 24},
    };
    const int w = 37, h = 23;
    for (const Case &c : cases) {
        GlobalRecord &rec = paint(w, h, c.rgbPage);
        const RgbImage want = rasterPixels(rec, 0, 0, w, h);
        std::set<std::vector<std::uint8_t>> colours;
        for (std::size_t i = 0; i < want.rgb.size(); i += 3)
            colours.insert({want.rgb[i], want.rgb[i + 1], want.rgb[i + 2]});
        ASSERT_GT(colours.size(), 150u);
        ASSERT_LE(colours.size(), 256u);
        for (const auto &[format, info] : kFormats) {
            const std::string path = dir.file(std::string("picture.") + info.extension);
            ASSERT_EQ(write(rec, format, request(w, h, c.imgfmt, c.nbitpix), path), kRasterDone);
            SCOPED_TRACE(std::string(c.name) + ", " + info.name);
            EXPECT_EQ(decodeWith(info.netpbm, path), want);
            EXPECT_EQ(decodeWith("convert-im6.q16", path, "-depth 8 ppm:-"), want);
            const ProgramRun id = runShell("identify-im6.q16 -format '%m %w %h' '" + path + "'");
            EXPECT_EQ(id.out, std::string(info.magick) + " 37 23");
        }
    }
}

TEST_F(RasterWriters, ClipRectangleWritesThatRectangleOnly) {
    GlobalRecord &rec = paint(37, 23, false);
    const RgbImage want = rasterPixels(rec, 5, 3, 20, 11);
    for (const auto &[format, info] : kFormats) {
        RasterFileRequest req = request(37, 23, kImageFormatIndex, 8);
        req.area = {5, 3, 20, 11};
        req.clip = 1;
        const std::string path = dir.file(std::string("part.") + info.extension);
        ASSERT_EQ(write(rec, format, req, path), kRasterDone);
        EXPECT_EQ(decodeWith(info.netpbm, path), want) << info.name;
    }
}

TEST_F(RasterWriters, RefusedWritesAreReported) {
    GlobalRecord &rec = paint(40, 40, false);
    for (const auto &[format, info] : kFormats)
        EXPECT_EQ(write(rec, format, request(40, 40, kImageFormatIndex, 8), "/dev/full"),
                  kRasterFileError)
            << info.name;
}

} // namespace

namespace {

std::uint32_t be32(const std::string &b, std::size_t at) {
    return std::uint32_t(std::uint8_t(b[at])) << 24 | std::uint32_t(std::uint8_t(b[at + 1])) << 16 |
           std::uint32_t(std::uint8_t(b[at + 2])) << 8 | std::uint8_t(b[at + 3]);
}
std::uint32_t le32(const std::string &b, std::size_t at) {
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(b[at + 2])) << 16 |
           std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}
unsigned le16(const std::string &b, std::size_t at) {
    return unsigned(std::uint8_t(b[at])) | unsigned(std::uint8_t(b[at + 1])) << 8;
}

// The chunks of a PNG file: type and data, in order.
std::vector<std::pair<std::string, std::string>> pngChunks(const std::string &file) {
    std::vector<std::pair<std::string, std::string>> chunks;
    for (std::size_t at = 8; at + 12 <= file.size();) {
        const std::uint32_t n = be32(file, at);
        chunks.emplace_back(file.substr(at + 4, 4), file.substr(at + 8, n));
        at += 12 + n;
    }
    return chunks;
}

std::vector<std::string> chunkTypes(const std::string &file) {
    std::vector<std::string> types;
    for (const auto &chunk : pngChunks(file))
        types.push_back(chunk.first);
    return types;
}

TEST_F(RasterWriters, PngColourTypesAndTransparency) {
    using Types = std::vector<std::string>;
    struct Case {
        bool rgb;
        int pngmod;
        Types types;
        std::string transparency;
    };
    const Case cases[] = {
        {false, 0, {"IHDR", "PLTE", "IDAT", "IEND"}, ""},
        {false, 1, {"IHDR", "PLTE", "tRNS", "IDAT", "IEND"}, std::string(1, '\0')},
        {true, 0, {"IHDR", "IDAT", "IEND"}, ""},
        {true, 1, {"IHDR", "tRNS", "IDAT", "IEND"}, std::string("\0\xFF\0\xFF\0\xFF", 6)},
    };
    for (const Case &c : cases) {
        GlobalRecord &rec = paint(8, 4, c.rgb);
        const std::string path = dir.file("t.png");
        ASSERT_EQ(write(rec, Format::Png,
                        request(8, 4, c.rgb ? kImageFormatRgb : kImageFormatIndex, c.rgb ? 24 : 8),
                        path, c.pngmod),
                  kRasterDone);
        const std::string file = readFile(path);
        EXPECT_EQ(chunkTypes(file), c.types);
        const auto chunks = pngChunks(file);
        EXPECT_EQ(chunks[0].second[9], c.rgb ? 2 : 3); // colour type
        for (const auto &[type, data] : chunks)
            if (type == "tRNS") {
                EXPECT_EQ(data, c.transparency);
            }
        // A reader sees an alpha channel exactly when transparency is on.
        const ProgramRun alpha = runShell("identify-im6.q16 -format '%A' '" + path + "'");
        EXPECT_EQ(alpha.out, c.pngmod == 1 ? "True" : "False") << c.rgb << c.pngmod;
    }
}

TEST_F(RasterWriters, PngImageDataIsOneDeflateCallOverTheFilteredRows) {
    // The rows go to deflate one at a time: the image data must still be the
    // bytes of one deflate call over all rows, each behind its filter byte 0.
    // A noisy picture compresses badly, so the output outgrows its first room.
    // One record writes the files one after another: the deflate state and
    // the output area that the file before left (grown by a noisy one) serve
    // the next, which must come out as from a fresh state.
    std::mt19937 random(24);
    for (const bool rgb : {false, true}) {
        for (const int size : {16, 400}) {
            GlobalRecord &rec = paint(size, size, rgb);
            if (size == 400) { // noise over the picture
                for (int y = 0; y < size; ++y)
                    for (int x = 0; x < size; ++x)
                        qqvwpx(rec, x, y, int(random() & 0xFF));
            }
            const std::string path = dir.file("rows.png");
            ASSERT_EQ(
                write(rec, Format::Png,
                      request(size, size, rgb ? kImageFormatRgb : kImageFormatIndex, rgb ? 24 : 8),
                      path),
                kRasterDone);
            std::string idat;
            for (const auto &[type, data] : pngChunks(readFile(path))) {
                if (type == "IDAT") idat += data;
            }
            const std::size_t rowLength = std::size_t(size) * (rgb ? 3 : 1);
            std::string raw(std::size_t(size) * (rowLength + 1), '\0');
            uLongf rawLength = raw.size();
            ASSERT_EQ(uncompress(reinterpret_cast<Bytef *>(raw.data()), &rawLength,
                                 reinterpret_cast<const Bytef *>(idat.data()), idat.size()),
                      Z_OK);
            ASSERT_EQ(rawLength, raw.size());
            for (int y = 0; y < size; ++y)
                EXPECT_EQ(raw[std::size_t(y) * (rowLength + 1)], '\0') << "filter of row " << y;
            std::string once(raw.size() + raw.size() / 100 + 17, '\0');
            z_stream z{};
            ASSERT_EQ(deflateInit(&z, Z_DEFAULT_COMPRESSION), Z_OK);
            z.next_in = reinterpret_cast<Bytef *>(raw.data());
            z.avail_in = uInt(raw.size());
            z.next_out = reinterpret_cast<Bytef *>(once.data());
            z.avail_out = uInt(once.size());
            ASSERT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
            once.resize(z.total_out);
            deflateEnd(&z);
            EXPECT_TRUE(idat == once) << "rgb " << rgb << ", " << size << " x " << size << ": "
                                      << idat.size() << " and " << once.size() << " bytes";
            if (size == 400) {
                EXPECT_GT(idat.size(), 65536u);
            }
            qqvfin(rec);
        }
    }
}

TEST_F(RasterWriters, PngIntoMemoryCountsFitsOrRefuses) {
    GlobalRecord &rec = paint(30, 20, false);
    const RasterFileRequest req = request(30, 20, kImageFormatIndex, 8);
    const std::string path = dir.file("file.png");
    ASSERT_EQ(write(rec, Format::Png, req, path), kRasterDone);
    const std::string file = readFile(path);

    PngBuffer counting; // size 0: only the length
    int status = -9;
    qqppng(rec, nullptr, req, 0, &counting, status);
    EXPECT_EQ(status, static_cast<int>(file.size()));

    std::vector<std::uint8_t> memory(file.size(), 0xAA);
    PngBuffer exact{memory.data(), memory.size(), 0};
    qqppng(rec, nullptr, req, 0, &exact, status);
    EXPECT_EQ(status, static_cast<int>(file.size()));
    EXPECT_EQ(std::string(memory.begin(), memory.end()), file);

    std::vector<std::uint8_t> small(file.size() - 1, 0xAA);
    PngBuffer tooSmall{small.data(), small.size(), 0};
    qqppng(rec, nullptr, req, 0, &tooSmall, status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(small.back(), 0xAA); // nothing written past the area
}

TEST_F(RasterWriters, PpmHeader) {
    GlobalRecord &rec = paint(37, 23, false);
    const std::string path = dir.file("t.ppm");
    ASSERT_EQ(write(rec, Format::Ppm, request(37, 23, kImageFormatIndex, 8), path), kRasterDone);
    const std::string file = readFile(path);
    EXPECT_EQ(file.substr(0, 13), "P6\n37 23\n255\n");
    EXPECT_EQ(file.size(), 13u + 37 * 23 * 3);
}

TEST_F(RasterWriters, BmpRowsArePaddedToFourBytes) {
    struct Case {
        bool rgb;
        std::size_t offset;
        std::uint32_t colours;
    };
    for (const Case c : {Case{false, 1078, 256}, Case{true, 54, 0}}) {
        GlobalRecord &rec = paint(1, 3, c.rgb);
        const std::string path = dir.file("t.bmp");
        ASSERT_EQ(write(rec, Format::Bmp,
                        request(1, 3, c.rgb ? kImageFormatRgb : kImageFormatIndex, c.rgb ? 24 : 8),
                        path),
                  kRasterDone);
        const std::string file = readFile(path);
        ASSERT_EQ(file.size(), c.offset + 3 * 4);
        EXPECT_EQ(le32(file, 2), file.size());
        EXPECT_EQ(le32(file, 10), c.offset);
        EXPECT_EQ(le32(file, 46), c.colours); // colours used
        EXPECT_EQ(le32(file, 34), 12u);       // image size
        for (std::size_t row = 0; row < 3; ++row)
            EXPECT_EQ(file.substr(c.offset + 4 * row + (c.rgb ? 3 : 1), c.rgb ? 1 : 3),
                      std::string(c.rgb ? 1 : 3, '\0'));
        // The last picture row comes first.
        std::uint8_t bottom[3];
        qqvrdr(rec, bottom, 0, 2, 1, 1, c.rgb ? kPixelValuesRgb : kPixelValuesIndex);
        EXPECT_EQ(std::uint8_t(file[c.offset]), c.rgb ? bottom[2] : bottom[0]);
        EXPECT_EQ(decodeWith("bmptopnm", path), rasterPixels(rec, 0, 0, 1, 3));
    }
}

TEST_F(RasterWriters, TiffDirectoryLayout) {
    struct Case {
        int imgfmt, nbitpix;
        unsigned entries;
        std::size_t extra; // colour map or bits per sample
    };
    const int h = 5;
    for (const Case c : {Case{kImageFormatIndex, 8, 14, 1536}, Case{kImageFormatRgb, 24, 13, 6},
                         Case{kImageFormatBilevel, 8, 13, 0}}) {
        GlobalRecord &rec = paint(9, h, c.nbitpix > 8);
        const std::string path = dir.file("t.tif");
        ASSERT_EQ(write(rec, Format::Tiff, request(9, h, c.imgfmt, c.nbitpix), path), kRasterDone);
        const std::string file = readFile(path);
        ASSERT_EQ(file.substr(0, 4), std::string("II*\0", 4));
        EXPECT_EQ(le32(file, 4), 8u);
        ASSERT_EQ(le16(file, 8), c.entries);
        const std::size_t d = 10 + 12 * c.entries + 4;
        const std::size_t data = d + 6 * h + 16 + c.extra;
        // StripOffsets (the seventh entry) points to the offsets array, whose
        // first value is the start of the pixel data.
        const std::size_t stripEntry = 10 + 12 * 6;
        ASSERT_EQ(le16(file, stripEntry), 273u);
        EXPECT_EQ(le32(file, stripEntry + 8), d);
        EXPECT_EQ(le32(file, d), data);
        const std::size_t rowBytes = c.imgfmt == kImageFormatRgb     ? 27
                                     : c.imgfmt == kImageFormatIndex ? 9
                                                                     : 2;
        EXPECT_EQ(file.size(), data + rowBytes * h);
    }
}

TEST_F(RasterWriters, TiffEveryReaderReadsTallAndOneRowImages) {
    // A palette picture whose offset tables pass 64 KiB, and pictures of one
    // and two rows whose strip values are stored in the directory itself.
    struct Case {
        int w, h;
    };
    for (const Case c : {Case{4, 12000}, Case{6, 1}, Case{6, 2}}) {
        GlobalRecord &rec = paint(c.w, c.h, false);
        const std::string path = dir.file("t.tif");
        ASSERT_EQ(write(rec, Format::Tiff, request(c.w, c.h, kImageFormatIndex, 8), path),
                  kRasterDone);
        const RgbImage want = rasterPixels(rec, 0, 0, c.w, c.h);
        EXPECT_EQ(decodeWith("tifftopnm", path), want) << c.w << "x" << c.h;
        EXPECT_EQ(decodeWith("convert-im6.q16", path, "-depth 8 ppm:-"), want) << c.w << "x" << c.h;
    }
}

TEST_F(RasterWriters, TiffBilevelByReferenceColour) {
    // Colour 0 is black, colour 255 white and 17 something else.
    table[0] = 0x000000;
    table[255] = 0xFFFFFF;
    GlobalRecord &rec = makeRaster(3, 1);
    qqvvlt(rec, 1, table.data());
    const std::uint8_t row[] = {0, 255, 17};
    qqvrow(rec, row, 0, 0, 3, kPixelValuesIndex);
    struct Case {
        int iscrmod;
        std::vector<std::uint8_t> rgb;
    };
    // Black reference: everything not black is white. White reference: only white stays white.
    for (const Case &c : {Case{0, {0, 0, 0, 255, 255, 255, 255, 255, 255}},
                          Case{2, {0, 0, 0, 255, 255, 255, 0, 0, 0}}}) {
        const std::string path = dir.file("b.tif");
        ASSERT_EQ(write(rec, Format::Tiff, request(3, 1, kImageFormatBilevel, 8), path, c.iscrmod),
                  kRasterDone);
        EXPECT_EQ(decodeWith("tifftopnm", path), (RgbImage{3, 1, c.rgb})) << c.iscrmod;
    }
}

TEST_F(RasterWriters, TiffResolution) {
    GlobalRecord &rec = paint(4, 4, false);
    const std::string path = dir.file("r.tif");
    FILE *file = std::fopen(path.c_str(), "wb");
    int status = -9;
    qqptif(rec, file, request(4, 4, kImageFormatIndex, 8), 300, 3, 0, status);
    std::fclose(file);
    ASSERT_EQ(status, kRasterDone);
    EXPECT_EQ(runShell("identify-im6.q16 -format '%x %y %U' '" + path + "'").out,
              "300 300 PixelsPerCentimeter");
}

TEST_F(RasterWriters, GifOfOnePixelIsClearPixelEnd) {
    GlobalRecord &rec = makeRaster(1, 1);
    qqvvlt(rec, 1, table.data());
    qqvwpx(rec, 0, 0, 0xA5);
    const std::string path = dir.file("one.gif");
    ASSERT_EQ(write(rec, Format::Gif, request(1, 1, kImageFormatIndex, 8), path), kRasterDone);
    const std::string file = readFile(path);
    // header 6, screen 7, table 768, descriptor 10, code size 1
    const std::size_t lzw = 6 + 7 + 768 + 10 + 1;
    ASSERT_EQ(file.size(), lzw + 1 + 4 + 1 + 1);
    EXPECT_EQ(file.substr(0, 6), "GIF87a");
    EXPECT_EQ(file[lzw - 1], 8);
    // 256, 0xA5 and 257 in 9 bits each, least significant bit first
    const std::uint64_t bits = 256u | 0xA5u << 9 | std::uint64_t(257) << 18;
    const std::string stream{4,
                             char(bits & 0xFF),
                             char(bits >> 8 & 0xFF),
                             char(bits >> 16 & 0xFF),
                             char(bits >> 24 & 0xFF),
                             0,
                             0x3B};
    EXPECT_EQ(file.substr(lzw), stream);
}

TEST_F(RasterWriters, GifTransparentBackground) {
    GlobalRecord &rec = paint(5, 5, false);
    const std::string path = dir.file("t.gif");
    FILE *file = std::fopen(path.c_str(), "wb");
    int status = -9;
    qqpgif(rec, file, request(5, 5, kImageFormatIndex, 8), 0x107, 1, status);
    std::fclose(file);
    ASSERT_EQ(status, kRasterDone);
    const std::string bytes = readFile(path);
    EXPECT_EQ(bytes.substr(0, 6), "GIF89a");
    EXPECT_EQ(std::uint8_t(bytes[11]), 7); // background index
    EXPECT_EQ(bytes.substr(13 + 768, 8), std::string("\x21\xF9\x04\x01\x00\x00\x07\x00", 8));
}

TEST_F(RasterWriters, GifTableRestartsOnLargeNoisyPictures) {
    // Random colours make far more than 3837 strings: the code table is
    // cleared and restarted many times, and the picture still comes back whole.
    GlobalRecord &rec = makeRaster(200, 200);
    qqvvlt(rec, 1, table.data());
    std::mt19937 random(7);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            qqvwpx(rec, x, y, static_cast<int>(random() % 256));
    const std::string path = dir.file("noise.gif");
    ASSERT_EQ(write(rec, Format::Gif, request(200, 200, kImageFormatIndex, 8), path), kRasterDone);
    const RgbImage want = rasterPixels(rec, 0, 0, 200, 200);
    EXPECT_EQ(decodeWith("giftopnm", path), want);
    EXPECT_EQ(decodeWith("convert-im6.q16", path, "-depth 8 ppm:-"), want);
}

} // namespace
