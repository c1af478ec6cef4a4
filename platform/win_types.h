// The plain types of the window-system subset: integers, handles, points,
// rectangles and colour references, with the names the library is written
// against.
#pragma once
#include <cstdint>

using UINT = unsigned int;
using DWORD = unsigned int;
using WORD = unsigned short;
using LONG = int;
using BYTE = unsigned char;
using BOOL = int;
using ATOM = unsigned short;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = DWORD;

// Handles are plain numbers: a handle that no longer names anything makes the
// calls that take it fail harmlessly. A window handle is the X window's id
// when a display is present, so other X clients (and xdotool) can name it.
using HWND = std::intptr_t;
using HDC = std::intptr_t;
using HGDIOBJ = std::intptr_t;
using HPEN = std::intptr_t;
using HBRUSH = std::intptr_t;
using HBITMAP = std::intptr_t;
using HPALETTE = std::intptr_t;
using HMETAFILE = std::intptr_t;
using HINSTANCE = std::intptr_t;
using HICON = std::intptr_t;
using HCURSOR = std::intptr_t;
using HMENU = std::intptr_t;
using HKEY = std::intptr_t;
using REGSAM = unsigned int;

struct POINT {
    LONG x, y;
};
struct SIZE {
    LONG cx, cy;
};
// left and top belong to the rectangle, right and bottom do not.
struct RECT {
    LONG left, top, right, bottom;
};

// A colour reference 0x00BBGGRR.
constexpr COLORREF RGB(BYTE red, BYTE green, BYTE blue) {
    return COLORREF(red) | (COLORREF(green) << 8) | (COLORREF(blue) << 16);
}
constexpr BYTE GetRValue(COLORREF c) {
    return BYTE(c);
}
constexpr BYTE GetGValue(COLORREF c) {
    return BYTE(c >> 8);
}
constexpr BYTE GetBValue(COLORREF c) {
    return BYTE(c >> 16);
}
// A colour reference naming entry i of the palette selected into the context.
constexpr COLORREF PALETTEINDEX(WORD i) {
    return 0x01000000u | i;
}
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// Two 16-bit halves of a message parameter.
constexpr LPARAM MAKELPARAM(int low, int high) {
    return LPARAM(std::uint32_t(std::uint16_t(low)) | (std::uint32_t(std::uint16_t(high)) << 16));
}
constexpr WORD LOWORD(std::uintptr_t v) {
    return WORD(v & 0xFFFF);
}
constexpr WORD HIWORD(std::uintptr_t v) {
    return WORD((v >> 16) & 0xFFFF);
}
