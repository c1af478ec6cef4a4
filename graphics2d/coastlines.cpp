// world: the coastlines of the map base of mapbas. The library's own world
// file draws as the outlines of its continents; the GSHHS shoreline files of
// four resolutions, and the caller's file of mapfil, draw polygon by polygon.
// Every copy of the data that the map shows (across the date line, beyond
// the poles) is drawn from the file again. Azimuthal maps draw nothing
// beyond their visible cap.
#include <cmath>
#include <cstring>

#include "graphics2d/axis_system.h"
#include "graphics2d/map_files.h"
#include "graphics2d/map_lines.h"
#include "graphics2d/map_projections.h"
#include "graphics2d/map_shading.h"
#include "graphics2d/transforms.h"
#include "kavlor.h"
#include "kernel/c_format.h"
#include "kernel/levels.h"
#include "kernel/map_files.h"
#include "kernel/polyline.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

namespace {

// Longitudes further apart than this between two points of a shoreline
// polygon: the polygon crosses the date line and is broken there.
constexpr float kDateLineJump = 15.0f;

// Lines of a map text file: 131 characters at most.
constexpr int kTextLine = 132;

// Carries a coastline from point to point of one copy of the data. On
// azimuthal maps the steps go through movemp and pjdraw, which cut them at
// the visible cap; elsewhere each point is projected and joined to the last,
// and a new line starts where the projection tears the step apart.
class CoastPen {
  public:
    CoastPen(GlobalRecord &rec, const MapCopy &c)
        : rec_(rec), copy_(c), azimuthal_(mapFamily(rec.map.iprojct) == MapFamily::azimuthal) {}

    void to(float lon, float lat, bool start) {
        lon += copy_.shift;
        lat = copy_.factor * lat + copy_.offset;
        if (azimuthal_) {
            if (start)
                movemp(rec_, lon, lat);
            else
                pjdraw(rec_, lon, lat);
            return;
        }
        start = start || mapLineTorn(rec_, lastLon_, lastLat_, lon, lat);
        lastLon_ = lon;
        lastLat_ = lat;
        float xp = 0, yp = 0;
        qqpos2(rec_, lon, lat, xp, yp);
        if (start)
            strtqq(rec_, xp, yp);
        else
            connqq(rec_, xp, yp);
    }

  private:
    GlobalRecord &rec_;
    const MapCopy &copy_;
    const bool azimuthal_;
    float lastLon_ = 0.0f, lastLat_ = 0.0f;
};

void drawShorelines(GlobalRecord &rec, std::FILE *file, const MapCopy &c) {
    ShorelinePolygon polygon;
    CoastPen pen(rec, c);
    const int wanted = rec.map.imaplev;
    while (readShorelinePolygon(file, polygon)) {
        if (wanted != 0 && polygon.level != wanted) continue;
        const float *lon = polygon.points.first(), *lat = polygon.points.second();
        for (int i = 0; i < polygon.points.size(); ++i) {
            const bool jump = i > 0 && std::fabs(lon[i] - lon[i - 1]) > kDateLineJump;
            pen.to(lon[i], lat[i], i == 0 || jump);
        }
    }
}

// A text file: "#" lines start polylines, other lines hold a longitude and
// a latitude; points before the first "#" are not drawn.
void drawTextMap(GlobalRecord &rec, std::FILE *file, const MapCopy &c) {
    CLocaleScope locale;
    char line[kTextLine + 1];
    CoastPen pen(rec, c);
    bool started = false, startNext = false;
    while (std::fgets(line, sizeof line, file) != nullptr) {
        // The rest of a longer line is not read as a line of its own.
        if (std::strchr(line, '\n') == nullptr && !std::feof(file)) {
            int ch = 0;
            while ((ch = std::fgetc(file)) != EOF && ch != '\n') {
            }
        }
        if (line[0] == '#') {
            started = startNext = true;
            continue;
        }
        float lon = 0, lat = 0;
        if (!started || std::sscanf(line, "%f %f", &lon, &lat) != 2) continue;
        pen.to(lon, lat, startNext);
        startNext = false;
    }
}

} // namespace

extern "C" void world(void) {
    GlobalRecord *recp = jqqlev(2, 3, "world");
    if (recp == nullptr) return;
    GlobalRecord &rec = *recp;
    const MapState &m = rec.map;
    const MapBase base = MapBase(m.imapbas);
    if (base == MapBase::library) {
        // The continents' outlines, unfilled.
        const int outline = rec.fill.inoarln, hatch = rec.fill.ihattyp;
        rec.fill.inoarln = 1;
        rec.fill.ihattyp = 0;
        shadeWorld(rec, 0);
        rec.fill.inoarln = outline;
        rec.fill.ihattyp = hatch;
        return;
    }
    if (base == MapBase::userFile && m.imapfil == 0) {
        qqserr("No call to MAPFIL before");
        warnin(Warning::ownText);
        return;
    }
    const int number = base == MapBase::userFile ? 25 : 20 + m.imapbas;
    const bool text = base == MapBase::userFile && m.imapfil == 2;
    AxisClip clip(rec);
    for (const MapCopy &c : mapCopies(rec)) {
        std::FILE *file = sopnfl(rec, number);
        if (file == nullptr) return;
        if (text)
            drawTextMap(rec, file, c);
        else
            drawShorelines(rec, file, c);
        std::fclose(file);
    }
}
