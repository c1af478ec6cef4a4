// MapState: the options of map axis systems and map data that the setters
// mapsph, mapref, mappol, mapmod, maplev, mapfil and mapbas store for the map
// routines.
#pragma once

constexpr int kMapFileNameLength = 256;

// Line modes of mapmod, in the order of its keyword list.
enum class MapLineMode { straight = 0, interpolated, greatCircle };

// Map bases of mapbas, in the order of its keyword list.
enum class MapBase { library = 0, gshhsLow, gshhsIntermediate, gshhsHigh, gshhsFull, userFile };

struct MapState {
    float xmapsph = 1.5707964f; // angular radius of the cap shown by azimuthal maps, radians
    int imapref = 0;            // -1: mapref gave the standard parallels for the next map
    float xmapref[2] = {};      // standard parallels of conical maps, degrees
    float xmappol[2] = {};      // centre of azimuthal maps: longitude, latitude in degrees
    int imapmod = 1;            // MapLineMode
    int imaplev = 0;            // level filter of map files: 0 all, 1 land, 2 lakes
    int imapfil = 0;            // kind of the mapfil file: 0 none, 1 GSHHS (binary), 2 text
    char cmapfil[kMapFileNameLength + 1] = {}; // file name of mapfil
    int imapbas = 0;                           // MapBase
};
