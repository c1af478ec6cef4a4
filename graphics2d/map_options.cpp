// Setters of map axis systems and map data: mapsph, mapref, mappol (level 1,
// read by the next map axis system) and mapmod, maplev, mapfil, mapbas.
#include "graphics2d/map_options.h"

#include "kavlor.h"
#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/text_utils.h"
#include "kernel/warnings.h"

void resetMapLineMode(GlobalRecord &rec) {
    rec.map.imapmod = int(MapLineMode::interpolated);
}

void resetMapCentre(GlobalRecord &rec) {
    rec.map.xmappol[0] = 0.0f;
    rec.map.xmappol[1] = 0.0f;
}

void resetMapParallels(GlobalRecord &rec) {
    rec.map.imapref = 0;
}

void resetMapCap(GlobalRecord &rec) {
    rec.map.xmapsph = 1.5707964f;
}

void resetMapProjection(GlobalRecord &rec) {
    rec.map.iprojct = 0;
}

void resetMapDefaults(GlobalRecord &rec) {
    resetMapProjection(rec);
    resetMapLineMode(rec);
    resetMapCentre(rec);
    resetMapParallels(rec);
    resetMapCap(rec);
    rec.map.imaplev = 0;
    rec.map.imapbas = int(MapBase::library);
    rec.map.imapfil = 0;
}

extern "C" void mapsph(float xrad) {
    GlobalRecord *rec = jqqlev(1, 1, "mapsph");
    if (rec == nullptr) return;
    // Written as the accepted range so that NaN is refused as well.
    if (!(xrad > 0.0f && xrad <= 90.0f)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    rec->map.xmapsph = xrad * rec->core.xdegrad;
}

extern "C" void mapref(float ylower, float yupper) {
    GlobalRecord *rec = jqqlev(1, 1, "mapref");
    if (rec == nullptr) return;
    const bool acrossEquator = ylower < -0.1f && yupper > 0.1f;
    if (ylower < -90.1f || yupper > 90.1f || acrossEquator) {
        warnin(Warning::incorrectParameter);
        return;
    }
    rec->map.imapref = -1;
    rec->map.xmapref[0] = ylower;
    rec->map.xmapref[1] = yupper;
}

extern "C" void mappol(float xpol, float ypol) {
    GlobalRecord *rec = jqqlev(1, 1, "mappol");
    if (rec == nullptr) return;
    if (!(xpol >= -180.1f && xpol <= 180.1f && ypol >= -90.1f && ypol <= 90.1f)) {
        warnin(Warning::incorrectParameter);
        return;
    }
    rec->map.xmappol[0] = xpol;
    rec->map.xmappol[1] = ypol;
}

extern "C" void mapmod(const char *copt) {
    GlobalRecord &rec = chkini("mapmod");
    setFromKeyword(rec.map.imapmod, "STRA+INTE+GREA", 3, copt);
}

extern "C" void maplev(const char *copt) {
    GlobalRecord &rec = chkini("maplev");
    const int i = jqqind("ALL +LAND+LAKE+BOTH", 4, copt);
    if (i == 0) return;
    rec.map.imaplev = i == 4 ? 0 : i - 1; // BOTH filters nothing, as ALL
}

extern "C" void mapfil(const char *cfil, const char *copt) {
    GlobalRecord &rec = chkini("mapfil");
    const int i = jqqind("GSHH+MAPG", 2, copt);
    if (i == 0) return;
    rec.map.imapfil = i;
    qqcopy(rec.map.cmapfil, cfil != nullptr ? cfil : "");
}

extern "C" void mapbas(const char *copt) {
    GlobalRecord &rec = chkini("mapbas");
    setFromKeyword(rec.map.imapbas, "KAVL+GSHL+GSHI+GSHH+GSHF+MAPF", 6, copt);
}
