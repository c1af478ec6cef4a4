// LineState: the polyline buffer through which every line reaches the device.
#pragma once

constexpr int kPolylineCapacity = 100;

struct LineState {
    float xlastpt[2] = {0, 0};  // last point given to strtqq/connqq, after the origin shift
    int npolbuf = 0;            // points in the buffer, 0..100
    float xpolbuf[kPolylineCapacity] = {};  // buffered x, plot units, projected and transformed
    float ypolbuf[kPolylineCapacity] = {};  // buffered y
    int istroke = 0;            // 1 while qqstrk is flushing
    int ioffmov = 0;            // 1 when the move of an offset line waits for the next connqq
};
