// The frame that the colour-shaded surfaces share: the checks, the state a
// surface changes and gives back, the buffer that hides its hidden parts
// (the z-buffer when smooth, the depth-sort buffer when flat), the colours of
// its patches and the drawing of a patch.
#pragma once

struct GlobalRecord;

// The record at level 3 inside the box of graf3d, with a smooth surface only
// on a device with pixels; null after warning 3, 35 or 40.
GlobalRecord *openShaded(const char *name);

struct ShadedSurface {
    GlobalRecord *rec = nullptr;
    const char *name = "";
    bool smooth = false;   // corner colours through the z-buffer, else flat patches
    bool lit = false;      // lighting on
    bool meshOnly = false; // the patches filled in the background colour
    bool mesh = false;     // mesh lines of the patch edges
    int meshColour = 0;
    int backgroundColour = 0; // the fill of mesh-only patches
    int corners = 4;          // corners of a flat patch
    int normalFlag = 0;       // orientation of the triangle normals
    bool ownsZBuffer = false; // opened here, closed at the end
    // Set by the caller before beginShaded: objects in one colour leave the
    // colour scale alone, and flat ones that fill their triangles at once
    // need no depth-sort buffer.
    bool colourScale = true;
    bool depthSorted = true;
    // What the surface changes and gives back.
    int savedColour = 0;
    int savedPattern = 0;
    float savedDiffuse[3] = {0, 0, 0};
};

// Sets the colour scale, saves the state, selects the solid pattern with the
// fill-line spacing factor spacing, clips to the axis system and opens the
// buffer (a flat one of capacity patches of corners corners). false when the
// buffer cannot be had: everything is given back then.
bool beginShaded(ShadedSurface &s, GlobalRecord &rec, const char *name, int corners, int capacity,
                 float spacing);
// Draws what the depth-sort buffer holds, closes a buffer opened here and
// gives back everything the surface changed.
void endShaded(ShadedSurface &s);

// Colour of a value on the colour scale.
int shadedColour(const GlobalRecord &rec, float z);
// The lit colour of a corner at box point b with unit normal n, the material's
// diffuse colour that of colour: red, green and blue 0..1.
void litCorner(GlobalRecord &rec, int colour, const float b[3], const float n[3], float rgb[3]);
// intrgb of the colour rgb / count.
int meanColour(const float rgb[3], float count);

// Draws a patch of s.corners (flat) or 4 (smooth quadrilateral) or 3 (smooth
// triangle) corners of box points; colours: one per corner when smooth, the
// patch colour in colours[0] when flat. A corner that is no point of the box
// (a logarithm of a non-positive value) drops the patch.
void drawPatch(ShadedSurface &s, int corners, const float bx[], const float by[], const float bz[],
               const int colours[]);

// The fill-line spacing factors of the grid and of the other surfaces.
constexpr float kGridSpacing = 1.0f;
constexpr float kPatchSpacing = 0.9999f;
