// Text: fonts, their metrics, and text drawn into contexts.
//
// A font is chosen by face name, height, weight and slant through fontconfig
// and drawn by FreeType, one bit per pixel, so that the same text always sets
// the same pixels. The window system's face names stand for the installed
// Liberation fonts: "Times New Roman" and "Times" for Liberation Serif,
// "Arial", "Helvetica" and "MS Sans Serif" for Liberation Sans, "Arial Narrow"
// for Liberation Sans Narrow, "Courier New" and "Courier" for Liberation Mono;
// other names go to fontconfig as they are, which picks its nearest font.
//
// Text is ISO-8859-1. A context starts with the system font (Liberation Sans
// 16 pixels high); TextOutA places the top left corner of the text's cell at
// the point, draws in the text colour and, in the OPAQUE background mode,
// fills the cell with the background colour first. A font with an escapement
// draws its text along a baseline turned that many tenths of a degree
// counter-clockwise around the point.
#pragma once
#include "platform/win_types.h"

using HFONT = std::intptr_t;

constexpr int LF_FACESIZE = 32;

// Weights.
constexpr LONG FW_DONTCARE = 0;
constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;
// Character sets, precisions, qualities and pitches: stored only.
constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr BYTE OUT_DEFAULT_PRECIS = 0;
constexpr BYTE CLIP_DEFAULT_PRECIS = 0;
constexpr BYTE DEFAULT_QUALITY = 0;
constexpr BYTE NONANTIALIASED_QUALITY = 3;
constexpr BYTE DEFAULT_PITCH = 0;
constexpr BYTE FIXED_PITCH = 1;
constexpr BYTE VARIABLE_PITCH = 2;
constexpr BYTE FF_DONTCARE = 0x00;

// GetStockObject: the font every context starts with.
constexpr int SYSTEM_FONT = 13;

// A font asked for. lfHeight > 0 is the height of the cell (ascent plus
// descent), < 0 the height of the characters (the em), 0 a default of 16 for
// the cell; lfWidth is stored only. lfEscapement turns the baseline.
struct LOGFONTA {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement; // tenths of a degree, counter-clockwise
    LONG lfOrientation;
    LONG lfWeight; // FW_BOLD and above: a bold face
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    char lfFaceName[LF_FACESIZE];
};

// The metrics of the font selected into a context, in pixels.
// tmAveCharWidth is the advance of "x".
struct TEXTMETRICA {
    LONG tmHeight; // ascent + descent
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading; // the cell above the em
    LONG tmExternalLeading; // the gap the font asks for between lines
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    BYTE tmFirstChar;
    BYTE tmLastChar;
    BYTE tmDefaultChar;
    BYTE tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
};

// A font object; 0 without memory. The face is found when the font is first
// measured or drawn with (a name no font matches falls back to fontconfig's
// default face).
HFONT CreateFontIndirectA(const LOGFONTA *font);
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                  DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, const char *faceName);
// (SelectObject makes a font current in a context; DeleteObject frees it, and
// a context that has it selected goes back to the system font.)

BOOL GetTextMetricsA(HDC dc, TEXTMETRICA *metrics);
// The advance of the first count characters and the cell height.
BOOL GetTextExtentPoint32A(HDC dc, const char *text, int count, SIZE *size);
BOOL TextOutA(HDC dc, int x, int y, const char *text, int count);
// The face name of the context's font, at most size - 1 characters and a
// zero: the name asked for, or the family of the face that stands in for a
// name no installed font has. Returns the characters copied, 0 on failure.
int GetTextFaceA(HDC dc, int size, char *name);
COLORREF SetBkColor(HDC dc, COLORREF colour);
