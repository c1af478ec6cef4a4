// Reading back the plots of the 2-D graphics tests.
#include "tests/graphics2d/axis_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "tests/support/rendered_image.h"

Segment segment(float x1, float y1, float x2, float y2) {
    if (std::tie(x2, y2) < std::tie(x1, y1)) return {x2, y2, x1, y1};
    return {x1, y1, x2, y2};
}

std::multiset<Segment> segmentsOf(const std::vector<PenOp> &ops) {
    std::multiset<Segment> result;
    float x = 0, y = 0;
    for (const PenOp &op : ops) {
        if (op.draw && (op.x != x || op.y != y)) result.insert(segment(x, y, op.x, op.y));
        x = op.x;
        y = op.y;
    }
    return result;
}

std::vector<Word> pdfWords(const std::string &pdf, float scale) {
    std::string html;
    EXPECT_EQ(runCommand("pdftotext -bbox -enc UTF-8 '" + pdf + "' -", &html), 0);
    static const std::regex kWord(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re");
    std::vector<Word> words;
    for (std::sregex_iterator it(html.begin(), html.end(), kWord), end; it != end; ++it) {
        const std::smatch &m = *it;
        auto unit = [&](int i) { return float(std::atof(m[i].str().c_str())) / scale; };
        words.push_back({m[5].str(), unit(1), unit(2), unit(3), unit(4)});
    }
    return words;
}

Word wordOf(const std::vector<Word> &words, const std::string &text) {
    for (const Word &w : words)
        if (w.text == text) return w;
    ADD_FAILURE() << "no word \"" << text << "\"";
    return {text, 0, 0, 0, 0};
}
