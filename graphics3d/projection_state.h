// Projection3DState: the current 3-D axis system and its view. The setters
// store the view; graf3d turns it into absolute form and into the view
// matrix, which every 3-D conversion, line and surface reads.
//
// Three coordinate systems meet here: user values on the three axes; the
// absolute "box", centred on the origin with edge lengths xaxis3d; and plot
// coordinates on the page. View point, focus and light positions are
// absolute once graf3d has run.
#pragma once

struct GlobalRecord;

struct Projection3DState {
    float xgrf3d[3][4] = {};               // per axis X, Y, Z: begin, end, first label, step
    float xusr3d[6] = {};                  // user limits x min, x max, y min, ..., ascending
    float xaxis3d[3] = {2.0f, 2.0f, 2.0f}; // box lengths lx, ly, lz
    int iview3d = 0;                       // view point mode: 0 default, 1 ABS, 2 USER, 3 ANGL
    float xview3d[3] = {};                 // view point; absolute after graf3d
    float xvup3d = 0.0f;                   // up angle, radians
    int ifoc3d = 0;                        // focus mode: 0 box centre, 1 ABS, 2 USER
    float xfoc3d[3] = {};                  // focus point; absolute after graf3d
    float xvang3d = 0.2449787f;            // half the view angle, radians (tan = 0.25)
    float xvclp3d[2] = {1.0f, -1.0f};      // front and back distance; back -1: no back plane
    int iclip3d = 0;                       // clipping of 3-D lines: 0 WORL, 1 EYE, -1 none
    int iflab3d = 1;                       // 1: the box layout may leave an axis's first label out
    float xprjscl = 0.0f;                  // projection scale: half the smaller axis length
    float xprjcen[2] = {};                 // page centre of the projection
    float xmat3d[16] = {};                 // view matrix, row by row
    int ipln3d = 0;                        // 1 between grfini and grffin
    float xpln3d[9] = {};                  // that plane: corner P0, edge vectors E1, E2
    // The step that carries page points onto that plane, handed down when the
    // plane opens, so that the kernel's line pipeline and shields can call it.
    void (*planeProjection)(const GlobalRecord &rec, float &x, float &y) = nullptr;
    float xpen3d[4] = {}; // last point of the current 3-D line
    int ipen3d = 0;       // ... and whether it lies outside
};
