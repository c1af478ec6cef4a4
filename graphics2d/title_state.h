// TitleState: the title of up to four lines that title draws over or under the
// current axis system.
#pragma once

constexpr int kTitleLines = 4;
constexpr int kTitleLength = 132;

struct TitleState {
    char ctitle[kTitleLines][kTitleLength + 1] = {};  // lines 1..4
    char ititflg[kTitleLines] = {'0', '0', '0', '0'}; // '1' when the line is underlined
    int ititpos = 0;                                  // 0 above the axis system, 1 below
    int ititjus = 0;                                  // 0 centred, 1 flush left, 2 flush right
    int nvkytit = 0;                                  // shift towards the axis system, plot units
    int nhtitle = 0; // character height of titles, 0 the current height
};
