// The BitmapFile of the memory raster: its header, round trips and the
// conversions of other depths and sizes.
#include <gtest/gtest.h>

#include <cstdio>

#include "devices/bitmap_file.h"
#include "devices/raster_pixels.h"
#include "kernel/c_format.h"
#include "tests/devices/raster_fixture.h"
#include "tests/support/temp_dir.h"

namespace {

using Bytes = std::vector<int>;

class BitmapFile : public RasterTest {
  protected:
    std::vector<int> table = distinctTable();
    TempDir dir;

    int save(GlobalRecord &rec, const std::string &path) {
        FILE *file = std::fopen(path.c_str(), "wb");
        int status = -9;
        qqvfil(rec, file, kBitmapSave, status);
        std::fclose(file);
        return status;
    }
    int load(GlobalRecord &rec, const std::string &bytes) {
        const std::string path = dir.file("in.bmf");
        writeFile(path, bytes);
        FILE *file = std::fopen(path.c_str(), "rb");
        int status = -9;
        qqvfil(rec, file, kBitmapLoad, status);
        std::fclose(file);
        return status;
    }
    static std::string header(const char *magic, int w, int h, int rowBytes, int bits, int kind,
                              int offset) {
        char numbers[80];
        formatC(numbers, sizeof numbers, "%5d %5d %5d %5d %5d %5d %5d %5d %5d", w, h, 8, rowBytes,
                bits, 32, 0, kind, offset);
        return std::string(magic) + numbers + "       ";
    }
    Bytes page(GlobalRecord &rec) {
        const DriverRecord &d = *rec.dev.pdriver;
        return Bytes(qqvptr(rec), qqvptr(rec) + d.nrowbytes * d.nheight);
    }
};

TEST_F(BitmapFile, HeaderAndRowsOfIndexAndRgbPages) {
    struct Case {
        bool rgb;
        const char *numbers;
        std::size_t data;
    };
    for (const Case c : {Case{false, "    3     2     8     3     8    32     0     1     0", 6},
                         Case{true, "    3     2     8     9    24    32     0     1     0", 18}}) {
        GlobalRecord &rec = makeRaster(3, 2, c.rgb);
        qqvvlt(rec, 1, table.data());
        qqvwpx(rec, 2, 1, 77);
        const std::string path = dir.file("p.bmf");
        ASSERT_EQ(save(rec, path), kBitmapDone);
        const std::string file = readFile(path);
        EXPECT_EQ(file.substr(0, 80), std::string("!Bitmap KAVLOR VIRT ") + c.numbers + "       ");
        ASSERT_EQ(file.size(), 80 + c.data);
        EXPECT_EQ(Bytes(reinterpret_cast<const std::uint8_t *>(file.data()) + 80,
                        reinterpret_cast<const std::uint8_t *>(file.data()) + file.size()),
                  page(rec));
    }
}

TEST_F(BitmapFile, SavedPicturesLoadBack) {
    for (const bool rgb : {false, true}) {
        GlobalRecord &rec = makeRaster(5, 4, rgb);
        qqvvlt(rec, 1, table.data());
        for (int i = 0; i < 20; ++i)
            qqvwpx(rec, i % 5, i / 5, i * 13);
        const Bytes before = page(rec);
        const std::string path = dir.file("p.bmf");
        ASSERT_EQ(save(rec, path), kBitmapDone);
        qqvers(rec);
        ASSERT_EQ(load(rec, readFile(path)), kBitmapDone);
        EXPECT_EQ(page(rec), before);
    }
}

TEST_F(BitmapFile, OtherDepthsAndSizesAreConverted) {
    // A 24-bit raster file into an index page: the nearest colour numbers;
    // only the smaller width and height are taken.
    const std::string rgbRows = std::string("\x0A\xF5\x05\x14\xEB\x0A\x01\x01\x01", 9) +
                                std::string("\x1E\xE1\x0F\x00\x00\x00\x01\x01\x01", 9);
    GlobalRecord &rec = makeRaster(2, 3);
    qqvvlt(rec, 1, table.data());
    qqvfll(rec, 0, 0, 1, 2, 99);
    ASSERT_EQ(load(rec, header("!Bitmap KAVLOR VIRT ", 3, 2, 9, 24, 1, 0) + rgbRows), kBitmapDone);
    // (Black is nearest to entries 0 and 1 alike; with blue 0 the scan runs downward and meets 1
    // first.)
    EXPECT_EQ(page(rec), (Bytes{10, 20, 30, 1, 99, 99}));

    // 32-bit screen pixels B, G, R, spare into an RGB page.
    GlobalRecord &rgb = makeRaster(2, 1, true);
    const std::string bgrx("\x03\x02\x01\x00\x06\x05\x04\x00", 8);
    ASSERT_EQ(load(rgb, header("!Bitmap KAVLOR WIN  ", 2, 1, 8, 32, 0, 10) + bgrx), kBitmapDone);
    EXPECT_EQ(page(rgb), (Bytes{1, 2, 3, 4, 5, 6}));

    // 8-bit palette pixels of a screen (index kind 0, offset 10): v becomes 2 (v - 10) - 1, the
    // offset itself 0.
    GlobalRecord &index = makeRaster(3, 1);
    ASSERT_EQ(load(index, header("!Bitmap KAVLOR WIN  ", 3, 1, 4, 8, 0, 10) +
                              std::string("\x0A\x0B\x8A\x00", 4)),
              kBitmapDone);
    EXPECT_EQ(page(index), (Bytes{0, 1, 255}));
}

TEST_F(BitmapFile, MalformedFilesLeaveThePictureAlone) {
    GlobalRecord &rec = makeRaster(2, 2);
    qqvfll(rec, 0, 0, 1, 1, 42);
    const std::string rows(4, '\x07');
    struct Case {
        const char *name;
        std::string bytes;
        int status;
    };
    const Case cases[] = {
        {"wrong magic", "!Bitmop KAVLOR VIRT " + header("", 2, 2, 2, 8, 1, 0).substr(0) + rows,
         kBitmapBadFormat},
        {"16 bits", header("!Bitmap KAVLOR VIRT ", 2, 2, 4, 16, 1, 0) + rows + rows,
         kBitmapBadFormat},
        {"rows shorter than the width", header("!Bitmap KAVLOR VIRT ", 2, 2, 1, 24, 1, 0) + rows,
         kBitmapBadFormat},
        {"truncated rows", header("!Bitmap KAVLOR VIRT ", 2, 2, 2, 8, 1, 0) + "\x07\x07\x07",
         kBitmapBadFormat},
        {"short header", header("!Bitmap KAVLOR VIRT ", 2, 2, 2, 8, 1, 0).substr(0, 60),
         kBitmapBadFormat},
        {"no numbers", std::string("!Bitmap KAVLOR VIRT ") + std::string(60, ' ') + rows,
         kBitmapBadFormat},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(load(rec, c.bytes), c.status) << c.name;
        EXPECT_EQ(page(rec), (Bytes{42, 42, 42, 42})) << c.name;
    }
}

TEST_F(BitmapFile, PicturesTooWideForTheHeaderAreNotSaved) {
    GlobalRecord &rec = makeRaster(100000, 1);
    const std::string path = dir.file("wide.bmf");
    EXPECT_EQ(save(rec, path), kBitmapFileError);
    GlobalRecord &fits = makeRaster(99999, 1);
    EXPECT_EQ(save(fits, path), kBitmapDone);
}

} // namespace
