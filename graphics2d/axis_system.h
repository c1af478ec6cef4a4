// The internal routines of the axis systems, shared by graf and the axis
// systems built on it.
#pragma once

struct AxisOptionState;
struct GlobalRecord;

// graf after its level check: level 2 with the axes scaled, checked and
// drawn, or level 1 again when an axis is refused. The axis systems built on
// the plain one call it under their own name.
void openPlainAxisSystem(GlobalRecord &rec, float xa, float xe, float xorg, float xstp, float ya,
                         float ye, float yorg, float ystp);

// The counters of an axis system that endgrf clears: the numbers of its
// curves, bars, shaded areas and contour lines, which are their legend
// entries.
void clearAxisSystemCounters(GlobalRecord &rec);

// Checks one axis and prints a warning for each fault found: 10, 9 and 11 make
// the axis unusable (result 1); 4, 5, 12 and 50 only report (result 0).
int erraxs(GlobalRecord &rec, float a, float e, float orig, float step, int n, int ix, int iy);

// The transformation of the axis system: axis values, scales, origin and user
// limits from the eight values of graf and the current corner and lengths.
void sxyscl(GlobalRecord &rec, float xa, float xe, float xor_, float xstp, float ya, float ye,
            float yor, float ystp);

// The user minimum and maximum of axis 0..2 with the axis values a and e,
// ascending: powers of ten on a logarithmic axis, or the setscl range there
// when setscl fixed it.
void userLimits(const AxisOptionState &o, int axis, float a, float e, float &lo, float &hi);

// Before (mode 0) and after (mode 1) drawing side 1..4 (bottom, right, top,
// left): limits the axis about to be drawn to what setgrf allows that side.
void sgrafp(GlobalRecord &rec, int side, int mode);

// The clip rectangle and circle of the axis system and its upper-right corner.
void setclp(GlobalRecord &rec);

// Clipping to the axis system on (mode 0) and off (mode 1).
void sclpax(GlobalRecord &rec, int mode);

// Clipping to the axis system while the object lives.
class AxisClip {
  public:
    explicit AxisClip(GlobalRecord &rec) : rec_(rec) { sclpax(rec, 0); }
    ~AxisClip() { sclpax(rec_, 1); }
    AxisClip(const AxisClip &) = delete;
    AxisClip &operator=(const AxisClip &) = delete;

  private:
    GlobalRecord &rec_;
};

// The origin shift that centres the axis system with its labels, names,
// title and colour bar on the page.
void newori(GlobalRecord &rec);

// Length in plot units of the longest label of axis 1..3 from first to end.
int maxnuy(GlobalRecord &rec, float end, float first, float step, int axis);

// Exchanges the per-axis options of two axes 1..3 (twice restores them).
void swapxy(GlobalRecord &rec, int iax1, int iax2);
