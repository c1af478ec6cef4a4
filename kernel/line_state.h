// LineState: the polyline buffer through which every line reaches the device,
// the dash pattern and its walk, and the width, joins and caps of lines.
#pragma once

constexpr int kPolylineCapacity = 100;
constexpr int kMaxDashElements = 10;

struct LineState {
    float xlastpt[2] = {0, 0}; // last point given to strtqq/connqq, after the origin shift
    int npolbuf = 0;           // points in the buffer, 0..100
    float xpolbuf[kPolylineCapacity] = {}; // buffered x, plot units, projected and transformed
    float ypolbuf[kPolylineCapacity] = {}; // buffered y
    int istroke = 0;                       // 1 while qqstrk is flushing
    int ioffmov = 0; // 1 when the move of an offset line waits for the next connqq

    // Dashes: element 1 is drawn, element 2 is a gap, and so on alternately.
    int ilintyp = 0;                      // last predefined style chosen, 0..7
    int ndashlen[kMaxDashElements] = {1}; // element lengths in plot units, each at least 1
    int ndashel = 1;                      // number of elements; 1 means solid
    float xdashrem = 1.0f;                // length still to go in the current element
    int idashpen = 0;                     // pen state of the walk: 0 drawing, 1 in a gap
    int idashidx = 1;                     // current element, 1-based
    float xlinoff = 0.0f;                 // sideways offset of every segment; 0 none

    // Width: negative when the device strokes it (only centre lines are drawn).
    int nlinwid = 1;      // line width in plot units
    int ilnjoin = 2;      // join: 0 sharp, 1 round, 2 truncated
    int ilncap = 2;       // cap: 0 cut, 1 round, 2 long
    float xlnmlt = 2.0f;  // miter limit
    float xlinesp = 1.5f; // line spacing factor of multi-line text
};
