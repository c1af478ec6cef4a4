// The metafile recorder: its object table as a reader plays it, its limits,
// and files that cannot be made or written.
#include <gtest/gtest.h>

#include "platform/windows.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wmf_records.h"

namespace {

class Metafile : public ::testing::Test {
  protected:
    TempDir dir;
    std::string path = dir.file("m.wmf");

    // Closes the recording and reads it back.
    WmfFile finish(HDC dc) {
        const HMETAFILE metafile = CloseMetaFile(dc);
        EXPECT_NE(metafile, 0);
        EXPECT_EQ(DeleteMetaFile(metafile), 1);
        const WmfFile file = parseWmf(readFile(path));
        EXPECT_EQ(file.problem, "");
        return file;
    }
};

TEST_F(Metafile, ADeletedPenIsNoLongerSelected) {
    const HDC dc = CreateMetaFileA(path.c_str());
    ASSERT_NE(dc, 0);
    const HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    EXPECT_EQ(SelectObject(dc, pen), 0); // nothing selected before
    LineTo(dc, 10, 10);
    EXPECT_EQ(DeleteObject(pen), 1);
    LineTo(dc, 20, 20);
    EXPECT_EQ(DeleteObject(pen), 0); // gone
    std::string problems;
    const std::vector<WmfDrawing> drawings = replayWmf(finish(dc), problems);
    EXPECT_EQ(problems, "");
    ASSERT_EQ(drawings.size(), 2u);
    EXPECT_EQ(drawings[0].pen, (WmfObject{true, PS_SOLID, 1, 0x0000FF}));
    EXPECT_EQ(drawings[1].pen, (WmfObject{true, PS_SOLID, 0, 0})); // the default black pen
}

TEST_F(Metafile, FillRectKeepsTheSelectedObjects) {
    const HDC dc = CreateMetaFileA(path.c_str());
    const HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
    const HBRUSH own = CreateSolidBrush(RGB(0, 255, 0));
    const HBRUSH fill = CreateSolidBrush(RGB(255, 0, 0));
    SelectObject(dc, pen);
    SelectObject(dc, own);
    const RECT box{10, 20, 30, 40};
    EXPECT_EQ(FillRect(dc, &box, fill), 1);
    const POINT triangle[3] = {{0, 0}, {10, 0}, {5, 5}};
    EXPECT_EQ(Polygon(dc, triangle, 3), 1);
    EXPECT_EQ(FillRect(dc, &box, pen), 0); // a pen is no brush
    DeleteObject(fill);
    DeleteObject(own);
    DeleteObject(pen);
    std::string problems;
    const std::vector<WmfDrawing> drawings = replayWmf(finish(dc), problems);
    EXPECT_EQ(problems, "");
    ASSERT_EQ(drawings.size(), 2u);
    EXPECT_EQ(drawings[0].params, (std::vector<std::int16_t>{40, 30, 20, 10}));
    EXPECT_EQ(drawings[0].brush.colour, 0x0000FFu);
    EXPECT_EQ(drawings[0].pen.style, PS_NULL);
    EXPECT_EQ(drawings[1].pen, (WmfObject{true, PS_SOLID, 1, 0xFF0000}));
    EXPECT_EQ(drawings[1].brush, (WmfObject{false, 0, 0, 0x00FF00}));
}

TEST_F(Metafile, APenSharedByTwoRecordingsLeavesBoth) {
    const std::string second = dir.file("n.wmf");
    const HDC a = CreateMetaFileA(path.c_str());
    const HDC b = CreateMetaFileA(second.c_str());
    const HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    SelectObject(a, pen);
    SelectObject(b, pen);
    DeleteObject(pen);
    LineTo(a, 1, 1);
    LineTo(b, 1, 1);
    std::string problems;
    replayWmf(finish(a), problems);
    EXPECT_NE(CloseMetaFile(b), 0);
    const WmfFile other = parseWmf(readFile(second));
    replayWmf(other, problems);
    EXPECT_EQ(problems, "");
}

TEST_F(Metafile, FontsAndTextAreRecorded) {
    const HDC dc = CreateMetaFileA(path.c_str());
    ASSERT_NE(dc, 0);
    const HFONT font =
        CreateFontA(40, 0, 900, 0, FW_BOLD, 1, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Times New Roman");
    EXPECT_EQ(SelectObject(dc, font), 0);
    char face[LF_FACESIZE];
    EXPECT_EQ(GetTextFaceA(dc, LF_FACESIZE, face), 15);
    EXPECT_STREQ(face, "Times New Roman");
    EXPECT_EQ(GetTextFaceA(dc, 6, face), 5); // cut to the room given
    EXPECT_STREQ(face, "Times");
    EXPECT_EQ(TextOutA(dc, 100, 200, "Ab", 2), 1);
    // Text longer than a record holds is cut at its 32767 characters.
    const std::string longText(40000, 'x');
    EXPECT_EQ(TextOutA(dc, 0, 0, longText.c_str(), int(longText.size())), 1);
    EXPECT_EQ(DeleteObject(font), 1); // selected: the default font comes first
    TextOutA(dc, 0, 0, "z", 1);
    std::string problems;
    const std::vector<WmfDrawing> drawings = replayWmf(finish(dc), problems);
    EXPECT_EQ(problems, "");
    ASSERT_EQ(drawings.size(), 3u);
    const WmfText first = textOf(drawings[0]);
    EXPECT_EQ(first.text, "Ab");
    EXPECT_EQ(drawings[0].font.face, "Times New Roman");
    EXPECT_EQ(drawings[0].font.escapement, 900);
    EXPECT_EQ(drawings[0].font.weight, FW_BOLD);
    EXPECT_EQ(drawings[0].font.italic, 1);
    // Recorded by its em, on the baseline: the cell's top turned a quarter
    // counter-clockwise puts the baseline the ascent to the right.
    EXPECT_LT(drawings[0].font.height, 0);
    EXPECT_GT(-drawings[0].font.height, 30);
    EXPECT_LT(-drawings[0].font.height, 40);
    EXPECT_GT(first.x, 100 + 25);
    EXPECT_LT(first.x, 100 + 40);
    EXPECT_EQ(first.y, 200);
    EXPECT_EQ(textOf(drawings[1]).text, std::string(32767, 'x'));
    EXPECT_EQ(drawings[2].font.face, "Arial"); // the default font
}

TEST_F(Metafile, AFaceNoFontHasAnswersWithTheFaceFound) {
    const HDC dc = CreateCompatibleDC(0);
    const HFONT font = CreateFontA(-20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "No such face");
    SelectObject(dc, font);
    char face[LF_FACESIZE] = "";
    EXPECT_GT(GetTextFaceA(dc, LF_FACESIZE, face), 0);
    EXPECT_STRNE(face, "No such face");
    const HFONT courier = CreateFontA(-20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "courier");
    SelectObject(dc, courier);
    GetTextFaceA(dc, LF_FACESIZE, face);
    EXPECT_STREQ(face, "courier"); // a name that stands for an installed face
    DeleteDC(dc);
    DeleteObject(font);
    DeleteObject(courier);
}

TEST_F(Metafile, ValuesBeyondTheFileFieldsAreRefusedOrHeld) {
    const HDC dc = CreateMetaFileA(path.c_str());
    MoveToEx(dc, 40000, -40000, nullptr);
    std::vector<POINT> many(32768, POINT{1, 1});
    EXPECT_EQ(Polygon(dc, many.data(), 32768), 0);
    EXPECT_EQ(Polygon(dc, many.data(), 1), 0);
    EXPECT_EQ(Polygon(dc, many.data(), 32767), 1);
    const WmfFile file = finish(dc);
    ASSERT_EQ(file.records.size(), 3u);
    EXPECT_EQ(file.records[0].params, (std::vector<std::int16_t>{-32768, 32767}));
    EXPECT_EQ(file.records[1].params.size(), 1u + 2 * 32767);
    EXPECT_EQ(file.largestRecord, 3u + 1 + 2 * 32767);
}

TEST_F(Metafile, FilesThatCannotBeMadeOrWritten) {
    EXPECT_EQ(CreateMetaFileA(dir.file("missing/m.wmf").c_str()), 0);
    // Calls on what is not a recording do nothing.
    EXPECT_EQ(LineTo(0, 1, 1), 0);
    EXPECT_EQ(SetMapMode(12345, MM_ANISOTROPIC), 0);
    EXPECT_EQ(CloseMetaFile(0), 0);
    EXPECT_EQ(DeleteMetaFile(0), 0);
    // A full disk shows at the close.
    const HDC full = CreateMetaFileA("/dev/full");
    ASSERT_NE(full, 0);
    for (int i = 0; i < 10000; ++i)
        LineTo(full, i, i);
    EXPECT_EQ(CloseMetaFile(full), 0);
}

} // namespace
