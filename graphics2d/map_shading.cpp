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
// Antarctica closes over the pole: its long outline leaves out the two
// points that run there and back.
constexpr int kPolarOutline = 500;

// A polygon of map points in plot coordinates; full when memory runs out.
struct PlotPolygon {
    PointBuffer points;
    bool full = false;
    void add(const GlobalRecord &rec, const MapCopy &c, float lon, float lat) {
        float xp = 0, yp = 0;
        qqpos2(rec, lon + c.shift, c.factor * lat + c.offset, xp, yp);
        if (full || points.add(xp, yp)) return;
        full = true;
        warnin(Warning::noMemory);
    }
    int size() const { return points.size(); }
    void clear() { points.clear(); }
};

// Outline (while inoarln is 1) and fill (while the pattern fills).
void drawArea(GlobalRecord &rec, const PlotPolygon &p, bool polarOutline) {
    const int k = p.size();
    if (k == 0) return;
    const float *x = p.points.first(), *y = p.points.second();
    if (rec.fill.inoarln == 1) {
        if (polarOutline) {
            strtqq(rec, x[0], y[0]);
            for (int i = 1; i < k - 2; ++i)
                connqq(rec, x[i], y[i]);
        } else {
            arealx(rec, x, y, k);
        }
    }
    if (rec.fill.ihattyp != 0 && k >= 3) dareaf(rec, x, y, k);
}

class WorldAreas : public MapDataSink {
  public:
    WorldAreas(GlobalRecord &rec, const MapCopy &copy, int wanted)
        : rec_(rec), copy_(copy), wanted_(wanted) {}
    void point(float lon, float lat) override {
        if (selected_) polygon_.add(rec_, copy_, lon, lat);
    }
    void finish() override {
        drawArea(rec_, polygon_, area_ == kAntarctica && polygon_.size() > kPolarOutline);
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
