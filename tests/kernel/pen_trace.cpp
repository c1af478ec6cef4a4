// Decoding the records of a text metafile into pen moves, draws and colours.
#include "tests/kernel/pen_trace.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "tests/support/text.h"

namespace {

std::string number(float v) {
    char text[32];
    const float rounded = std::round(v * 10.0f) / 10.0f;
    std::snprintf(text, sizeof text, "%g", double(rounded == 0.0f ? 0.0f : rounded));
    return text;
}

} // namespace

std::vector<std::string> penTrace(const std::string &file, int nxpage, int nypage) {
    std::string body = metafileRecords(file);
    // kavini's foreground colour comes first.
    const std::string start = "99.000000099.000000086.0000000";
    if (body.compare(0, start.size(), start) == 0) body = body.substr(start.size());

    const float scale = float(std::max(nxpage, nypage));
    std::vector<std::string> trace;
    std::vector<float> pending; // coordinates of the pair being read
    char op = 'M';
    int colour = 0;
    for (std::size_t at = 0; at + 10 <= body.size(); at += 10) {
        const float v = std::strtof(body.substr(at, 10).c_str(), nullptr);
        if (v < 1.5f) {
            pending.push_back(v);
            if (pending.size() == 2) {
                // An operation record right after a pair applies to that pair.
                if (at + 20 <= body.size()) {
                    const float next = std::strtof(body.substr(at + 10, 10).c_str(), nullptr);
                    if (next == 2.0f || next == 3.0f) {
                        op = next == 2.0f ? 'D' : 'M';
                        at += 10;
                    }
                }
                trace.push_back(std::string(1, op) + " " + number(pending[0] * scale) + " " +
                                number(float(nypage) - pending[1] * scale));
                pending.clear();
            }
        } else if (v == 99.0f) {
            colour += 89;
        } else if (v >= 10.0f) {
            colour += int(v) - 9;
            trace.push_back("C " + std::to_string(colour % 256));
            colour = 0;
        }
    }
    return trace;
}

std::vector<std::string> pensOnly(const std::vector<std::string> &trace) {
    std::vector<std::string> pens;
    for (const std::string &t : trace)
        if (t[0] != 'C') pens.push_back(t);
    return pens;
}
