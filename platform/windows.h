// The small set of window-system types and calls the library uses, declared
// for Linux. This folder implements them over X11 and the C library; nothing
// else in the tree talks to X11 directly.
#pragma once
#include <cstdint>

using HWND = std::intptr_t;
using UINT = unsigned int;
using DWORD = unsigned int;
using LONG = int;
using BYTE = unsigned char;
using HKEY = std::intptr_t;
using REGSAM = unsigned int;

// MessageBoxA types and answers.
constexpr UINT MB_OK = 0x0;
constexpr UINT MB_OKCANCEL = 0x1;
constexpr UINT MB_YESNO = 0x4;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Shows a message box and returns the answer. In log mode it prints the
// caption and the text on standard error and returns the default answer (OK or
// YES); every box is shown that way until the X11 box exists.
int MessageBoxA(HWND owner, const char *text, const char *caption, UINT type);

// ---- Registry ----------------------------------------------------------------
// The registry is a text file: sections "[ROOT\key\path]" with "name=value"
// lines of string values. It lies at $KAVLOR_REGISTRY when that is set, else
// in the user's configuration folder ($XDG_CONFIG_HOME or ~/.config) as
// kavlor/registry. Key paths compare without regard to case. A handle that
// RegOpenKeyExA or RegCreateKeyExA returns is valid until its RegCloseKey.

constexpr HKEY HKEY_LOCAL_MACHINE = 2;
constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;
constexpr DWORD REG_SZ = 1;
constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_ACCESS_DENIED = 5;
constexpr LONG ERROR_INVALID_HANDLE = 6;
constexpr LONG ERROR_OUTOFMEMORY = 14;
constexpr LONG ERROR_MORE_DATA = 234;

// Opens an existing key; ERROR_FILE_NOT_FOUND when the file or key is missing.
LONG RegOpenKeyExA(HKEY root, const char *subKey, DWORD options, REGSAM access, HKEY *result);
// Opens a key, creating it when missing.
LONG RegCreateKeyExA(HKEY root, const char *subKey, DWORD reserved, char *keyClass, DWORD options,
                     REGSAM access, void *security, HKEY *result, DWORD *disposition);
// Reads a string value: its bytes with the terminating NUL into data (size
// in: capacity, out: bytes needed). ERROR_MORE_DATA when it does not fit.
LONG RegQueryValueExA(HKEY key, const char *name, DWORD *reserved, DWORD *type, BYTE *data,
                      DWORD *size);
// Writes a string value (type REG_SZ) and saves the file.
LONG RegSetValueExA(HKEY key, const char *name, DWORD reserved, DWORD type, const BYTE *data,
                    DWORD size);
LONG RegCloseKey(HKEY key);

// ---- Drawing objects and the metafile recorder ------------------------------
// CreateMetaFileA gives a drawing context that records every drawing call as a
// Windows-metafile record into the named file; CloseMetaFile writes the end
// record and completes the 18-byte header (file size, object count, largest
// record). Pens and brushes are objects of their own: selecting one into a
// metafile context for the first time records its creation in the metafile's
// object table, DeleteObject records its removal. Coordinates are logical units,
// 16-bit in the file: values beyond -32768..32767 are held at those bounds.

using HDC = std::intptr_t;
using HGDIOBJ = std::intptr_t;
using HPEN = std::intptr_t;
using HBRUSH = std::intptr_t;
using HMETAFILE = std::intptr_t;
using COLORREF = DWORD;
using BOOL = int;

struct POINT {
    LONG x, y;
};
struct SIZE {
    LONG cx, cy;
};
struct RECT {
    LONG left, top, right, bottom;
};

constexpr int MM_ANISOTROPIC = 8;
constexpr int PS_SOLID = 0;
constexpr int PS_NULL = 5;

// A colour reference 0x00BBGGRR.
constexpr COLORREF RGB(BYTE red, BYTE green, BYTE blue) {
    return COLORREF(red) | (COLORREF(green) << 8) | (COLORREF(blue) << 16);
}

// Starts recording into file (created or truncated); 0 when it cannot be opened.
HDC CreateMetaFileA(const char *file);
// Ends the recording and closes the file: a handle of the finished metafile,
// or 0 when the context is not a metafile or the file could not be written whole.
HMETAFILE CloseMetaFile(HDC dc);
// Releases the handle of a finished metafile; the file stays.
BOOL DeleteMetaFile(HMETAFILE metafile);

// Each returns the previous value (or 1); 0 for a context that is not a
// recording metafile.
int SetMapMode(HDC dc, int mode);
BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT *previous);
BOOL SetWindowExtEx(HDC dc, int x, int y, SIZE *previous);
COLORREF SetTextColor(HDC dc, COLORREF colour);

// A pen of a style (PS_SOLID, PS_NULL), width and colour; 0 without memory.
HPEN CreatePen(int style, int width, COLORREF colour);
// A solid brush; 0 without memory.
HBRUSH CreateSolidBrush(COLORREF colour);
// Makes a pen or brush current in the context; returns the one of the same
// kind current before (0 when none was selected yet), 0 on failure.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
// Frees a pen or brush. Metafiles holding it record its removal; one that has
// it selected takes its default object (black pen, white brush) first.
BOOL DeleteObject(HGDIOBJ object);

BOOL MoveToEx(HDC dc, int x, int y, POINT *previous);
BOOL LineTo(HDC dc, int x, int y);
// Fills left..right, top..bottom with the brush; the context keeps its own
// pen and brush.
int FillRect(HDC dc, const RECT *rect, HBRUSH brush);
// A polygon of 2..32767 points, outlined with the pen and filled with the brush.
BOOL Polygon(HDC dc, const POINT *points, int count);
