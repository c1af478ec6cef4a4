// ContourState: the label settings of contour lines, the state of the line
// being traced and labelled, and the work memory of the tracer.
#pragma once
#include <cstdint>

#include "kernel/work_buffer.h"

constexpr int kContourTextSize = 20;    // characters of a fixed label text
constexpr int kContourHeldPoints = 500; // room first given to the points under a label candidate

// iconlin: where the next point of the line sink lies.
constexpr int kContourLineStart = 3;
constexpr int kContourLineInside = 2;
constexpr int kContourLineEnd = 4;

// iconlab: labels off, on, and gaps without texts (later passes of a thick line).
constexpr int kContourLabelsOff = 0;
constexpr int kContourLabelsOn = 1;
constexpr int kContourGapsOnly = 3;

struct ContourState {
    // Label settings (labels, labdis, labdig, labclr, conlab, conmod, congap).
    int iconlab = 0;                         // 0 none, 1 labels, 3 gaps only
    int icontxt = 0;                         // 1: labels are the text cconlab, else the level
    int ncondig = 1;                         // decimals of numeric labels, -1..100
    float xconlbd = 500.0f;                  // distance between labels along a line, plot units
    int nconlbc = -1;                        // label colour, -1 the current colour
    char cconlab[kContourTextSize + 1] = {}; // fixed label text
    float xconmod[2] = {0.5f, 1.5f};         // gap margin factor, largest path/chord ratio
    float xcongap = 0.5f; // blank space around the text, in character heights / 2
    float xconang = 5.0f; // largest change of direction at a label start, degrees
    int ncrvnum = 0;      // contour lines drawn in this axis system (legend entries)

    // The line being drawn, in plot units.
    float xconlev = 0.0f;            // its level
    float xconlbg = 0.0f;            // blank space around a label: 2 xcongap nhchar
    float xconlbl = 0.0f;            // length of line a label needs: text + xconlbg
    int iconlin = kContourLineStart; // kContourLine*
    int iconlst = 0;                 // 0 measuring, 1 collecting a label candidate
    float xcondst = 0.0f;            // line length since the last label, or candidate chord
    float xconarc = 0.0f;            // path length of the candidate
    float xconnxt = 0.0f;            // line length before the next label may start
    float xconlpt[2] = {0, 0};       // last point
    float xconlbs[2] = {0, 0};       // start of the candidate
    float xcondir[2] = {0, 0};       // direction of the current and the previous segment
    int iconlbf = 0;                 // 1 while a label text is drawn

    // Points held back while a label place is tried: x in the first half of
    // the block, y in the second. The block doubles when a dense line fills it.
    WorkBuffer<float> labelPoints;
    WorkBuffer<float> labelPointsSpare; // the next larger block while the points move over
    float *xconlbb = nullptr;           // null while no contour is drawn with labels
    float *yconlbb = nullptr;
    int nconlbb = 0;
    int nconlbm = 0; // points the block holds

    // One bit per grid point: the x-direction edge ending at it was crossed
    // upwards (low end left). Kept for the next level; cleared per level.
    WorkBuffer<std::uint32_t> crossingMask;
    std::uint32_t *pconmsk = nullptr;
    int nconmsk = 0; // row length nx
};
