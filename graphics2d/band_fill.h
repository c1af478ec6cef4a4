// What the filled contours of grids and of triangulations do around their
// bands: the levels sorted ascending with their places in the caller's list
// (for the colours of conclr), the colours scaled over them, solid fills with
// the line spacing of bands and a legend entry per band; all of it given back
// when the scope ends.
#pragma once
#include <memory>

struct GlobalRecord;

class BandFillScope {
  public:
    // Without memory for the sorted levels warning 53 is given, ready() is
    // false and nothing is changed.
    BandFillScope(GlobalRecord &rec, const float *zlev, int nlev);
    ~BandFillScope();
    BandFillScope(const BandFillScope &) = delete;
    BandFillScope &operator=(const BandFillScope &) = delete;

    bool ready() const { return sorted_ != nullptr; }
    // The levels in ascending order.
    const float *sortedLevels() const { return sorted_.get(); }
    // One legend entry per band in its colour (bands whose colour leaves
    // them unfilled get none), the colours taken for the level array lev;
    // then clipping to the axis system for the fills.
    void beginFills(const float *lev);

  private:
    GlobalRecord &rec_;
    int nlev_;
    std::unique_ptr<float[]> sorted_, order_;
    int colour_ = 0, pattern_ = 0;
    bool clipping_ = false;
};
