// The records that drawing calls on a metafile context write (metafile.cpp).
// The callers hold the drawing lock and have found the context a metafile.
#pragma once
#include "platform/gdi_table.h"

namespace gdi {

void recordMapMode(Context &c, int mode);
void recordWindowOrg(Context &c, int x, int y);
void recordWindowExt(Context &c, int x, int y);
void recordTextColour(Context &c, COLORREF colour);
void recordSelect(Table &t, Context &c, HGDIOBJ object);
// A pen, brush or font made current; its creation is recorded the first time.
// The object is removed: every metafile holding it records the removal (after
// selecting its default first, when the object is selected there).
enum class RecordedKind { pen, brush, font };
void recordRemoval(Table &t, HGDIOBJ object, RecordedKind kind);
void recordMoveTo(Context &c, int x, int y);
void recordLineTo(Context &c, int x, int y);
void recordFillRect(Table &t, Context &c, const RECT &rect, HBRUSH brush);
void recordBkMode(Context &c, int mode);
// TEXTOUT: the text's cell at (x, y) in the font selected.
void recordTextOut(Table &t, Context &c, int x, int y, const char *text, int count);
void recordPolygon(Context &c, const POINT *points, int count);
// The old position or extent, kept by the recording.
POINT recordedWindowOrg(const Context &c);
SIZE recordedWindowExt(const Context &c);

} // namespace gdi
