// conpts: the contour lines of one level of a grid function, traced as contur
// traces them, returned in the caller's arrays in user coordinates instead of
// drawn. The arrays are filled up to the room the caller gives and no
// further; what does not fit is reported once per kind.
#include "graphics2d/contours.h"
#include "kavlor.h"
#include "kernel/array_arguments.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

void qqcpt3(GlobalRecord &rec, float x, float y) {
    ContourPointsState &s = rec.contpts;
    ContourState &c = rec.contour;
    if (c.iconlin == kContourLineEnd) return; // the end of the walk carries no point
    int &nlins = *s.nlins;
    if (c.iconlin == kContourLineStart) {
        if (nlins < s.maxray) {
            s.nray[nlins] = 0;
            nlins += 1;
        } else {
            // The points of a line without a slot join the last stored line.
            qqserr("Overflow - Too many contour lines");
            warnin(Warning::ownText);
        }
        c.iconlin = kContourLineInside;
    }
    // With no line stored at all there is nothing to count a point to.
    if (nlins == 0) return;
    if (s.nstored < s.maxpts) {
        s.xpts[s.nstored] = x;
        s.ypts[s.nstored] = y;
        s.nstored += 1;
        s.nray[nlins - 1] += 1;
    } else if (!s.pointsFull) {
        s.pointsFull = true;
        qqserr("Overflow - Too many contour points");
        warnin(Warning::ownText);
    }
}

extern "C" void conpts(const float *xray, int nx, const float *yray, int ny, const float *zmat,
                       float zlev, float *xpts, float *ypts, int maxpts, int *nray, int maxray,
                       int *nlins) {
    GlobalRecord *recp = jqqlev(0, 3, "conpts");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (!arraysGiven(nlins)) return;
    *nlins = 0;
    rec.contour.xconlev = zlev;
    if (xray == nullptr || yray == nullptr || zmat == nullptr || nx < 2 || ny < 2) {
        // A grid needs at least one cell.
        warni1(Warning::incorrectParameter, nx < ny ? nx : ny);
        return;
    }
    // Arrays that are not there have no room.
    const bool pointsRoom = xpts != nullptr && ypts != nullptr;
    ContourPointsState &s = rec.contpts;
    s = ContourPointsState{};
    s.active = true;
    s.xpts = xpts;
    s.ypts = ypts;
    s.maxpts = pointsRoom && maxpts > 0 ? maxpts : 0;
    s.nray = nray;
    s.maxray = nray != nullptr && maxray > 0 ? maxray : 0;
    s.nlins = nlins;
    traceContourLevel(rec, xray, nx, yray, ny, zmat, zlev);
    s = ContourPointsState{};
}
