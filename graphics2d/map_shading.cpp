// Shaded maps: shdmap outlines and fills continents of the library's world
// file; shdeur, shdusa and shdafr fill the countries or states of Europe,
// the USA and Africa, each listed entry in its own pattern and colour with a
// legend entry of its own.
#include "graphics2d/map_shading.h"

#include <memory>
#include <new>

#include "graphics2d/axis_system.h"
#include "graphics2d/curves.h"
#include "graphics2d/map_files.h"
#include "graphics2d/map_projections.h"
#include "graphics2d/transforms.h"
#include "kavlor.h"
#include "kernel/area_fill.h"
#include "kernel/dispatch.h"
#include "kernel/hatch_patterns.h"
#include "kernel/levels.h"
#include "kernel/map_files.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

constexpr int kWorldFile = 1;
constexpr int kAntarctica = 1;
// The latitude of the south pole in the map files.
constexpr float kSouthPole = -90.0f;

// Marks of a polygon's points.
constexpr unsigned char kBeyondCap = 1; // beyond an azimuthal map's cap, placed on its edge
// The projection tears the step that ends here: a whole turn about the
// turned cylinder's axis forwards (or back) carries the point beside the last.
constexpr unsigned char kTurnOn = 2;
constexpr unsigned char kTurnBack = 4;
constexpr unsigned char kTorn = kTurnOn | kTurnBack;

int turnsOf(unsigned char mark) {
    return (mark & kTurnOn) != 0 ? 1 : ((mark & kTurnBack) != 0 ? -1 : 0);
}

// A polygon of map points in plot coordinates; full when memory runs out.
// On azimuthal maps a point beyond the visible cap stands on the cap's edge
// along its polar angle: the fill then ends at the edge, and the outline
// leaves out the steps between such points. Where the turned cylinders tear
// a step, the outline breaks, and the fill lays the polygon out in one piece
// by whole turns, unless it winds round the axis.
class PlotPolygon {
  public:
    void add(const GlobalRecord &rec, const MapCopy &c, float lon, float lat) {
        if (full_) return;
        const float x = lon + c.shift, y = c.factor * lat + c.offset;
        float xp = 0, yp = 0;
        unsigned char mark = 0;
        if (projectedMap(rec) && mapFamily(rec.map.iprojct) == MapFamily::azimuthal) {
            if (!cappedPosition(rec, x, y, xp, yp)) mark |= kBeyondCap;
        } else {
            qqpos2(rec, x, y, xp, yp);
        }
        if (size() == 0) {
            first_[0] = x;
            first_[1] = y;
        } else {
            const int turns = mapLineTurns(rec, last_[0], last_[1], x, y);
            mark |= turns > 0 ? kTurnOn : (turns < 0 ? kTurnBack : 0);
        }
        if (!points_.add(xp, yp, mark)) {
            full_ = true;
            warnin(Warning::noMemory);
            return;
        }
        beyond_ += mark & kBeyondCap;
        torn_ += (mark & kTorn) != 0 ? 1 : 0;
        turns_ += turnsOf(mark);
        last_[0] = x;
        last_[1] = y;
        fileLat_[0] = fileLat_[1];
        fileLat_[1] = lat;
    }
    int size() const { return points_.size(); }
    void clear() {
        points_.clear();
        beyond_ = torn_ = turns_ = 0;
    }
    // Antarctica runs round the south pole and back to close its ring: its
    // last two points lie on the pole.
    bool closedOverPole() const {
        return size() >= 3 && fileLat_[0] == kSouthPole && fileLat_[1] == kSouthPole;
    }
    // The outline of the first n points, back to the first when closed.
    void outline(GlobalRecord &rec, int n, bool closed) const;
    // The fill, unless every point lies beyond the cap.
    void fill(GlobalRecord &rec) const;

  private:
    PointBuffer points_;
    bool full_ = false;
    int beyond_ = 0;                     // points beyond the cap
    int torn_ = 0, turns_ = 0;           // torn steps, and the whole turns they take
    float first_[2] = {}, last_[2] = {}; // the first and last map point added
    float fileLat_[2] = {};              // latitudes of the last two points as the file gives them
};

void PlotPolygon::fill(GlobalRecord &rec) const {
    const int k = size();
    if (k < 3 || beyond_ == k) return;
    const float *x = points_.first(), *y = points_.second();
    const int closing = mapLineTurns(rec, last_[0], last_[1], first_[0], first_[1]);
    if (torn_ == 0 || turns_ + closing != 0) {
        dareaf(rec, x, y, k);
        return;
    }
    std::unique_ptr<float[]> ux(new (std::nothrow) float[std::size_t(k)]);
    std::unique_ptr<float[]> uy(new (std::nothrow) float[std::size_t(k)]);
    if (ux == nullptr || uy == nullptr) {
        warnin(Warning::noMemory);
        return;
    }
    float dx = 0, dy = 0;
    mapTurnOffset(rec, dx, dy);
    const unsigned char *mark = points_.marks();
    int turns = 0;
    for (int i = 0; i < k; ++i) {
        turns += turnsOf(mark[i]);
        ux[i] = x[i] + float(turns) * dx;
        uy[i] = y[i] + float(turns) * dy;
    }
    dareaf(rec, ux.get(), uy.get(), k);
}

// A step is left out where the projection tears it or where both its ends
// lie beyond the cap; the line then starts anew.
void PlotPolygon::outline(GlobalRecord &rec, int n, bool closed) const {
    const float *x = points_.first(), *y = points_.second();
    const unsigned char *mark = points_.marks();
    bool down = false;
    for (int i = 1; i <= (closed ? n : n - 1); ++i) {
        const int a = i - 1, b = i % n;
        const bool torn = b == 0 ? mapLineTorn(rec, last_[0], last_[1], first_[0], first_[1])
                                 : (mark[b] & kTorn) != 0;
        if (torn || (mark[a] & mark[b] & kBeyondCap) != 0) {
            down = false;
            continue;
        }
        if (!down) strtqq(rec, x[a], y[a]);
        down = true;
        connqq(rec, x[b], y[b]);
    }
}

// Outline (while inoarln is 1) and fill (while the pattern fills). A ring
// closed over the pole is outlined without its last two points and is left
// open: the run round the pole belongs to the fill only.
void drawArea(GlobalRecord &rec, const PlotPolygon &p, bool polarOutline) {
    const int k = p.size();
    if (k == 0) return;
    if (rec.fill.inoarln == 1) p.outline(rec, polarOutline ? k - 2 : k, !polarOutline);
    if (rec.fill.ihattyp != 0) p.fill(rec);
}

class WorldAreas : public MapDataSink {
  public:
    WorldAreas(GlobalRecord &rec, const MapCopy &copy, int wanted)
        : rec_(rec), copy_(copy), wanted_(wanted) {}
    void point(float lon, float lat) override {
        if (selected_) polygon_.add(rec_, copy_, lon, lat);
    }
    void finish() override {
        drawArea(rec_, polygon_, area_ == kAntarctica && polygon_.closedOverPole());
        polygon_.clear();
    }
    bool area(int number) override {
        area_ = number;
        selected_ = wanted_ == 0 || number == wanted_ || (wanted_ == 5 && number == 3);
        // The file lists its areas in ascending order.
        return wanted_ == 0 || number <= wanted_;
    }

  private:
    GlobalRecord &rec_;
    const MapCopy &copy_;
    const int wanted_;
    int area_ = 0;
    bool selected_ = false;
    PlotPolygon polygon_;
};

// The regional map files and their limits.
struct Region {
    const char *routine;
    int file;
    int largestArea;
    int largestCount;
    int bufferPoints; // points of one polygon
    bool europe;      // the old states of Europe match their successors
};
constexpr Region kEurope{"shdeur", 2, 46, 50, 16000, true};
constexpr Region kUsa{"shdusa", 3, 51, 50, 25000, false};
constexpr Region kAfrica{"shdafr", 4, 52, 52, 16000, false};

// The successors in map2.dat of the Soviet Union (15), Czechoslovakia (29)
// and Yugoslavia (31).
bool successorOf(int group, int area) {
    switch (group) {
    case 15: return area == 34 || area == 35 || area == 40 || area == 43 || area == 45;
    case 29: return area == 36 || area == 44;
    case 31:
        return area == 33 || (area >= 37 && area <= 39) || area == 41 || area == 42 || area == 46;
    default: return false;
    }
}

class RegionAreas : public MapDataSink {
  public:
    RegionAreas(GlobalRecord &rec, const Region &region, const int *inray, const int *ipray,
                const int *icray, int n, const bool *patternGood)
        : rec_(rec), region_(region), inray_(inray), ipray_(ipray), icray_(icray), n_(n),
          patternGood_(patternGood) {}
    void point(float lon, float lat) override {
        if (entry_ < 0) return;
        if (polygon_.size() < region_.bufferPoints)
            polygon_.add(rec_, identity_, lon, lat);
        else
            overflow_ = true;
    }
    void finish() override {
        if (entry_ >= 0 && polygon_.size() > 0) {
            if (patternGood_[entry_]) selectPattern(rec_, ipray_[entry_]);
            qqsclr(rec_, icray_[entry_]);
            drawArea(rec_, polygon_, false);
        }
        polygon_.clear();
    }
    bool area(int number) override {
        entry_ = -1;
        for (int i = 0; i < n_; ++i) {
            const int a = inray_[i];
            if (a == number || a == 0 || (region_.europe && successorOf(a, number))) entry_ = i;
        }
        return true;
    }
    bool overflowed() const { return overflow_; }

  private:
    GlobalRecord &rec_;
    const Region &region_;
    const int *inray_, *ipray_, *icray_;
    const int n_;
    const bool *patternGood_;
    const MapCopy identity_{0.0f, 0.0f, 1.0f};
    int entry_ = -1;
    bool overflow_ = false;
    PlotPolygon polygon_;
};

void shadeRegion(const Region &r, const int *inray, const int *ipray, const int *icray, int n) {
    GlobalRecord *recp = jqqlev(2, 3, r.routine);
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    if (n > 0 && (inray == nullptr || ipray == nullptr || icray == nullptr)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    if (n < 1 || n > r.largestCount) warni1(Warning::incorrectParameter, n);
    for (int i = 0; i < n; ++i)
        if (inray[i] < 0 || inray[i] > r.largestArea) warni1(Warning::incorrectParameter, inray[i]);

    // Each entry's pattern is checked (and reported) once.
    std::unique_ptr<bool[]> patternGood(new (std::nothrow) bool[std::size_t(n > 0 ? n : 1)]);
    if (patternGood == nullptr) {
        warnin(Warning::noMemory);
        return;
    }
    const int colour = rec.colour.ncolor, pattern = rec.fill.nshdpat;
    rec.curve.ilegpat = 1;
    for (int i = 0; i < n; ++i) {
        patternGood[i] = selectPattern(rec, ipray[i]);
        qqsclr(rec, icray[i]);
        slegnd(rec, i + 1);
    }
    {
        AxisClip clip(rec);
        if (std::FILE *file = sopnfl(rec, r.file)) {
            RegionAreas areas(rec, r, inray, ipray, icray, n, patternGood.get());
            walkMapData(file, areas);
            if (areas.overflowed()) {
                qqserr("Internal error: Overflow of map coordinates");
                warnin(Warning::ownText);
            }
            std::fclose(file);
        }
    }
    qqsclr(rec, colour);
    selectPattern(rec, pattern);
}

} // namespace

void shadeWorld(GlobalRecord &rec, int wanted) {
    rec.page.iusrdrw = 1;
    {
        AxisClip clip(rec);
        for (const MapCopy &c : mapCopies(rec)) {
            std::FILE *file = sopnfl(rec, kWorldFile);
            if (file == nullptr) break;
            WorldAreas areas(rec, c, wanted);
            walkMapData(file, areas);
            std::fclose(file);
        }
    }
    rec.page.iusrdrw = 0;
}

extern "C" void shdmap(const char *cmap) {
    GlobalRecord *rec = jqqlev(2, 3, "shdmap");
    if (rec == nullptr) return;
    const int i = jqqind("ALL +ANTA+AFRI+EURA+AUST+EURO+NORT+SOUT+LAKE", 9, cmap);
    if (i == 0) return;
    // Eurasia and Europe are one area of the world file (with its islands).
    constexpr int kEurasia = 5;
    shadeWorld(*rec, i == 4 ? kEurasia : i - 1);
}

extern "C" void shdeur(const int *inray, const int *ipray, const int *icray, int n) {
    shadeRegion(kEurope, inray, ipray, icray, n);
}

extern "C" void shdusa(const int *inray, const int *ipray, const int *icray, int n) {
    shadeRegion(kUsa, inray, ipray, icray, n);
}

extern "C" void shdafr(const int *inray, const int *ipray, const int *icray, int n) {
    shadeRegion(kAfrica, inray, ipray, icray, n);
}
