// Drawing one axis of any axis system: its line, ticks, labels and name.
#pragma once

struct AxisOptionState;
struct GlobalRecord;

// Draws one axis of length L from (x0, y0): axis 1 along x to the right, the
// others along y upwards. side 0 puts ticks and labels towards growing x or y
// (below a horizontal axis, right of a vertical one), side 1 the other way.
void daxis(GlobalRecord &rec, float a, float e, float orig, float step, int length,
           const char *name, int side, int x0, int y0, int logarithmic, int axis);

// The colour of one part of an axis (line, ticks, labels, name) for the life
// of the object; -1 keeps the current colour.
class PartColour {
  public:
    PartColour(GlobalRecord &rec, int colour);
    ~PartColour();
    PartColour(const PartColour &) = delete;
    PartColour &operator=(const PartColour &) = delete;

  private:
    GlobalRecord &rec_;
    int saved_;
    bool set_;
};

// Signs of the label and name distances and the tick lengths for a side and
// tick position; settic(rec, 0, 0) makes them positive again.
void settic(GlobalRecord &rec, int side, int ticpos);

// How far the major ticks of axis 0..2 reach out on the labels' side: their
// length on that side, half of it when centred, nothing when reversed.
int tickReach(const AxisOptionState &o, int axis);

// The ticks of an axis: n per label interval, the labelled ones major.
void markx(GlobalRecord &rec, float a, float e, float orig, float step, int length, int major,
           int minor, int n, int x0, int y0, int logarithmic, int ticpos, int axis);

// The labels of an axis; returns their extent away from the axis.
int labelx(GlobalRecord &rec, float a, float e, float orig, float step, int length, int side,
           int x0, int y0, int logarithmic, int axis);

// The name of an axis beyond labels of the given extent.
void namex(GlobalRecord &rec, const char *name, int length, int side, int x0, int y0, int extent,
           int axis);

// A line drawn alternately forwards and backwards, so that the pen travels
// little between ticks.
void rvline(GlobalRecord &rec, int x1, int y1, int x2, int y2);
