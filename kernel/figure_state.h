// FigureState: the settings of circles, arcs and rounded corners, and the work
// memory that figures reuse from call to call.
#pragma once
#include "kernel/work_buffer.h"

struct FigureState {
    float xcircsp = 10.0f; // point spacing of arcs in plot units (circsp); default 10 / xunits

    // Work memory kept between figures: the points of an ellipse, arc or
    // rounded rectangle (x half, then y half), and the vertex links of a
    // software fill of a polygon with many points.
    WorkBuffer<float> points;
    WorkBuffer<int> fillLinks;
};
