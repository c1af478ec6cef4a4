// MapState: the options of map axis systems and map data that the setters
// mapsph, mapref, mappol, mapmod, maplev, mapfil and mapbas store for the map
// routines, and the projection of the current map axis system as grafmp
// fitted it.
#pragma once

constexpr int kMapFileNameLength = 256;

// Line modes of mapmod, in the order of its keyword list.
enum class MapLineMode { straight = 0, interpolated, greatCircle };

// Map bases of mapbas, in the order of its keyword list.
enum class MapBase { library = 0, gshhsLow, gshhsIntermediate, gshhsHigh, gshhsFull, userFile };

// The caller's projection of setcbk: replaces a point's user coordinates by
// plot units relative to the origin of the axis system.
using UserProjection = void (*)(float *x, float *y);

struct MapState {
    float xmapsph = 1.5707964f; // angular radius of the cap shown by azimuthal maps, radians
    int imapref = 0;       // -1: mapref gave the parallels; 0: setxyp ran; 1, 2: cone constants of
                           // one or two parallels derived
    float xmapref[2] = {}; // standard parallels of conical maps: degrees from mapref, polar
                           // distances in radians after setxyp
    float xmappol[2] = {}; // centre of azimuthal maps: longitude, latitude in degrees
    int imapmod = 1;       // MapLineMode
    int imaplev = 0;       // level filter of map files: 0 all, 1 land, 2 lakes
    int imapfil = 0;       // kind of the mapfil file: 0 none, 1 GSHHS (binary), 2 text
    char cmapfil[kMapFileNameLength + 1] = {}; // file name of mapfil
    int imapbas = 0;                           // MapBase

    // The projection (projct) and what setxyp derived from it for the map.
    int iprojct = 0;        // projection code; the tens give the family
    int imapfrm = 0;        // 1: the outline is the ellipse or circle of the projection
    int imapsou = 0;        // 1: a conical map south of the equator, measured from the south pole
    float xmapcrc[3] = {};  // outline circle of a hemisphere map: centre x, y, radius (plot units)
    float xmaprho = 0.0f;   // cone radius at mid-map: the vertical centre of a conical map
    double dmapcon[7] = {}; // cone factors of CONI, ALBE, CONF; CONI offset; ALBE constant;
                            // CONF radius factor; mean polar distance of two parallels
    float xmaplast[2] = {}; // the last map point given to movemp, drawmp or pjdraw
    UserProjection userProjection = nullptr; // the projection MYPR (setcbk)
};
