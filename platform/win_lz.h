// Reading files that may be compressed: a file compressed in the SZDD format
// (as Debian's mscompress writes it) is expanded while it is read, any other
// file is read as it is.
#pragma once
#include "platform/win_types.h"

struct OFSTRUCT {
    BYTE cBytes;          // the size of the structure
    BYTE fFixedDisk;      // always 1
    WORD nErrCode;        // errno of a failed open, else 0
    WORD Reserved1;       //
    WORD Reserved2;       //
    char szPathName[128]; // the name given, cut to fit
};

constexpr UINT OF_READ = 0x0000;
constexpr UINT OF_CREATE = 0x1000;

// Errors of LZCopy (and handles LZOpenFileA does not give).
constexpr LONG LZERROR_BADINHANDLE = -1;
constexpr LONG LZERROR_BADOUTHANDLE = -2;
// A read failed, or the compressed data does not expand to its header's
// length: it ends too soon, or goes on past it.
constexpr LONG LZERROR_READ = -3;
constexpr LONG LZERROR_WRITE = -4; // a write failed (the disk is full, for instance)
constexpr LONG LZERROR_UNKNOWNALG = -8;

// OF_READ opens a file to read, noticing whether it is compressed; OF_CREATE
// makes (or empties) a file to write. A handle (>= 0), or -1 on failure with
// errno in the structure's nErrCode.
int LZOpenFileA(const char *name, OFSTRUCT *info, UINT mode);
// Writes the (expanded) contents of the file open to read into the file open
// to write: the number of bytes written, or an LZERROR_* value.
LONG LZCopy(int source, int destination);
void LZClose(int handle);
