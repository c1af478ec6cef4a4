// Windows fonts of the window-system drivers (the screen and WMF): the font
// made, selected into the current drawing context and measured for the text
// layout; characters drawn one at a time; the library's character codes
// turned into the window system's characters.
#pragma once
#include <cstdint>

#include "platform/windows.h"

struct GlobalRecord;
struct DriverRecord;
struct WindowTable;

// Entries of the width table a Windows font fills: codes 32..262.
constexpr int kWindowFontWidths = 231;

// Makes the font named name, height pixels high (the cell), its baseline
// turned angle degrees, for texts in the character coding given; selects it
// into the current drawing context (the previous font of qqwfnt is deleted)
// and fills widths with ten times the advance of each character. false when
// there is no drawing context, the font cannot be made or measured, or no
// installed font has the name (nothing changes then). The window-system
// drivers' windowFont.
bool qqwfnt(GlobalRecord &rec, const char *name, int height, int angle,
            std::int16_t widths[kWindowFontWidths], int coding);

// One character in the current Windows font, the top left corner of the
// font's cell (the leading included) at (x, y) of the drawing context.
void qqwcha(GlobalRecord &rec, int code, int x, int y);

// The window system's character (ISO-8859-1) for a library character code in
// the driver's coding; 32 for a code that has none.
int qqgiso(const DriverRecord &driver, int code);

// The font of qqwfnt deleted and the context's first font selected back; for
// the end of a drawing context.
void releaseWindowFont(WindowTable &table);

// After the current drawing context changed from previous to the table's
// hdccur (another screen window became current): the Windows font in use
// goes along, so that text keeps its font in every window.
void moveWindowFont(WindowTable &table, HDC previous);
