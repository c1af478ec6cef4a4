// SymbolState: marker symbols: their height and rotation, the highest
// built-in number, and the user symbol of mysymb.
#pragma once
#include <memory>

struct SymbolState {
    int nhsymb = 36;                  // symbol height in plot units
    float xsymrot = 0.0f;             // rotation in degrees
    int nmaxsym = 23;                 // highest built-in symbol number
    int nusrsym = 0;                  // points of the user symbol; 0 none
    int iusrsym = 0;                  // its symbol number
    int iusrfill = 0;                 // 1: filled
    std::unique_ptr<float[]> xusrsym; // its points, each coordinate in -1..1
    std::unique_ptr<float[]> yusrsym;
};
