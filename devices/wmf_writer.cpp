// The WMF writer: the plot recorded through the platform's metafile recorder.
// Lines are pen moves and draws of a pen of width 1 in the current colour,
// boxes are filled rectangles, polygons are filled with a brush of the
// current colour. The recording context is the current memory DC of the
// WindowTable, where the window fonts select themselves: their fonts and
// characters become font and text records.
#include "devices/wmf_writer.h"

#include <algorithm>
#include <new>

#include "devices/driver_record.h"
#include "devices/window_fonts.h"
#include "kernel/driver.h"
#include "kernel/fatal.h"
#include "kernel/record.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

namespace {

// Extra room right and below the page in the window extent.
constexpr int kExtentMargin = 20;

WindowTable *windowTable(GlobalRecord &rec) {
    return rec.dev.pdriver ? rec.dev.pdriver->pwintab.get() : nullptr;
}

// The recording context, 0 outside a WMF plot or without a file.
HDC recording(GlobalRecord &rec) {
    return rec.vec.pwmfwr ? rec.vec.pwmfwr->hmeta : 0;
}

COLORREF colourRef(int red, int green, int blue) {
    return RGB(BYTE(red & 0xFF), BYTE(green & 0xFF), BYTE(blue & 0xFF));
}

// Ends a recording and releases the finished metafile's handle; false when
// the file could not be written whole.
bool endRecording(HDC &hmeta) {
    const HMETAFILE metafile = CloseMetaFile(hmeta);
    hmeta = 0;
    if (metafile == 0) return false;
    DeleteMetaFile(metafile);
    return true;
}

} // namespace

WmfWriter::~WmfWriter() {
    if (hmeta != 0) endRecording(hmeta);
}

void WmfWriterFree::operator()(WmfWriter *writer) const {
    delete writer;
}

bool qqwmf1(GlobalRecord &rec, const char *file, int width, int height, int form) {
    DriverRecord *driver = qqwglb(rec, nullptr, DriverRecords::Both);
    if (!rec.vec.pwmfwr) {
        rec.vec.pwmfwr.reset(new (std::nothrow) WmfWriter());
        if (!rec.vec.pwmfwr) {
            MessageBoxA(0, "Not enough memory for WMF output", "kavini", MB_OK);
            endProcessAfterWarning();
        }
    }
    WmfWriter &w = *rec.vec.pwmfwr;
    if (w.hmeta != 0) endRecording(w.hmeta); // a recording left open ends first
    w.iform = form;
    w.nwidth = width;
    w.nheight = height;
    qqcopy(w.cfile, file != nullptr ? file : "");
    w.hmeta = CreateMetaFileA(w.cfile);
    WindowTable &table = *driver->pwintab;
    table.hdccur = 0;
    releaseWindowFont(table); // a font of an earlier recording
    table.hdccur = w.hmeta;
    table.hpen = 0;
    w.ipenmade = 0;
    if (w.hmeta == 0) return false;
    SetMapMode(w.hmeta, MM_ANISOTROPIC);
    SetWindowOrgEx(w.hmeta, 0, 0, nullptr);
    SetWindowExtEx(w.hmeta, width + kExtentMargin, height + kExtentMargin, nullptr);
    return true;
}

bool qqwmf2(GlobalRecord &rec) {
    WmfWriter *w = rec.vec.pwmfwr.get();
    if (w == nullptr) return true;
    bool good = true;
    if (w->hmeta != 0) {
        WindowTable *table = windowTable(rec);
        if (table != nullptr && table->hdccur == w->hmeta) table->hdccur = 0;
        good = endRecording(w->hmeta);
        // The last pen and font go once no recording holds them.
        if (table != nullptr) {
            releaseWindowFont(*table);
            if (w->ipenmade == 1) DeleteObject(table->hpen);
            table->hpen = 0;
            table->ppolygon.reset();
            table->npolygon = table->npolygonmax = 0;
        }
        if (good && w->iform == int(WmfForm::Placeable)) {
            switch (makePlaceable(w->cfile, w->nwidth, w->nheight)) {
            case PlaceableResult::Done: break;
            case PlaceableResult::OpenError:
                MessageBoxA(0, "Open error for WMF file", "kavini", MB_OK);
                break;
            case PlaceableResult::WriteError: good = false; break;
            }
        }
    }
    rec.vec.pwmfwr.reset();
    return good;
}

void qqwmf3(GlobalRecord &rec, int red, int green, int blue) {
    WindowTable *table = windowTable(rec);
    const HDC dc = recording(rec);
    if (table == nullptr || dc == 0) return;
    const COLORREF colour = colourRef(red, green, blue);
    table->ncolref = colour;
    const HPEN pen = CreatePen(PS_SOLID, 1, colour);
    if (pen == 0) return;
    SelectObject(dc, pen);
    // The pen it replaces is no longer selected, so it can go.
    if (rec.vec.pwmfwr->ipenmade == 1) DeleteObject(table->hpen);
    table->hpen = pen;
    rec.vec.pwmfwr->ipenmade = 1;
    SetTextColor(dc, colour);
}

void qqwmf4(GlobalRecord &rec, int x, int y, int op) {
    const HDC dc = recording(rec);
    if (dc == 0) return;
    if (op == kPenDraw)
        LineTo(dc, x, y);
    else
        MoveToEx(dc, x, y, nullptr);
}

void qqwmf5(GlobalRecord &rec, int x, int y, int width, int height, int red, int green, int blue) {
    const HDC dc = recording(rec);
    if (dc == 0) return;
    const HBRUSH brush = CreateSolidBrush(colourRef(red, green, blue));
    if (brush == 0) return;
    const RECT box{x, y, x + width, y + height};
    FillRect(dc, &box, brush);
    DeleteObject(brush);
}

void qqwmf6(GlobalRecord &rec, int x, int y, int op) {
    WindowTable *table = windowTable(rec);
    const HDC dc = recording(rec);
    if (table == nullptr || dc == 0) return;
    if (op == 1) {
        table->npolygon = 0;
        table->npolygonmax = 0;
        table->ppolygon.reset(x > 0 ? new (std::nothrow) POINT[std::size_t(x)] : nullptr);
        if (x > 0 && !table->ppolygon) {
            warnin(Warning::noMemory); // the polygon is left out
            return;
        }
        table->npolygonmax = x;
        return;
    }
    if (op != 9) {
        // Points beyond the count given at the start have no room.
        if (table->ppolygon && table->npolygon < table->npolygonmax)
            table->ppolygon[std::size_t(table->npolygon++)] = POINT{x, y};
        return;
    }
    if (table->ppolygon && table->npolygon >= 2) {
        const HBRUSH brush = CreateSolidBrush(table->ncolref);
        if (brush != 0) {
            const HGDIOBJ previous = SelectObject(dc, brush);
            Polygon(dc, table->ppolygon.get(), table->npolygon);
            if (previous != 0) SelectObject(dc, previous);
            DeleteObject(brush);
        }
    }
    table->ppolygon.reset();
    table->npolygon = table->npolygonmax = 0;
}
