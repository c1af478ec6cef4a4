// SurfaceState: the options of mesh and shaded surfaces. The setters only
// store them; the surface, contour and colour-plot routines read them when
// they draw. The visible side and the side colours of mesh surfaces live in
// HorizonState, since the floating horizon applies them.
#pragma once

struct SurfaceState {
    int isuropt = 0; // grid lines of surfce: 0 both, 1 lines of constant y, 2 of constant x
    int isurmsh = 0; // mesh of shaded surfaces: 0 off, 1 on, 2 the mesh only
    int inohide = 0; // 1: mesh surfaces are drawn without hidden-line removal
    int isursze = 0; // 1 when xsursze holds the extent of matrix surfaces
    float xsursze[4] = {0.0f, 0.0f, 0.0f, 0.0f}; // xa, xe, ya, ye in user coordinates
    int nmshclr = -1;                            // colour of mesh lines; -1 the current colour
    // The shading-mode groups of shdmod.
    int ishdsur = 0; // SURF: 0 flat, 1 smooth
    int ishdcon = 0; // CONT: 0 cells, 1 polygons
    int ishdcrv = 0; // CURV: 0 rectangles, 1 symbols
    int ishdcel = 0; // CELL: 0 both, 1 upper, 2 lower, 3 none
    int ishdclr = 0; // COLO: 0 lower, 1 middle, 2 upper
};
