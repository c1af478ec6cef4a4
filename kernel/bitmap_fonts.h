// Bitmap fonts: twelve BDF files in the fonts folder of the installation
// directory (families COMP, SIMP and HELV in four pixel sizes each), read once
// per thread and drawn pixel by pixel into the raster or window.
#pragma once
#include <cstdint>

struct GlobalRecord;
class BdfFont;

// Families of bmpfnt.
enum class BitmapFamily : int { comp = 1, simp = 2, helv = 3 };

// The file (without ".bdf") of a family at a pixel size: "complx10",
// "simplx8", "helve18", ...
const char *bitmapFontFile(int family, int size);

// bmpfnt after its level check: the device check, the pixel size from the
// character height, then the file.
void selectBitmapFont(GlobalRecord &rec, const char *name);

// Loads (once) and selects the file of family and size, and fills the width
// table for the codes 32..262 in the character set of coding. Status 0, 1
// when the file cannot be read, 2 without memory.
int qqbdf1(GlobalRecord &rec, int family, int size, int16_t widths[], int coding);

// Receives the pixels of a glyph.
using BdfPixel = void (*)(void *context, int x, int y);

// The pixels of the glyph of code (in the font's character set by coding;
// the blank when the font lacks it) with its baseline point at (x, y), device
// units, turned by angle degrees.
void qqbdf2(const BdfFont &font, int coding, int code, int x, int y, int angle, BdfPixel pixel,
            void *context);

// A character of the current bitmap font at the device point (x, y).
void drawBitmapCharacter(GlobalRecord &rec, int code, int x, int y);

// One pixel of a bitmap character in the current colour: into the memory
// raster, or the window of a screen plot; pixels outside are skipped.
void qqbdfpix(GlobalRecord &rec, int x, int y);
