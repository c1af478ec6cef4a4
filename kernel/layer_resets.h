// The resets of the layers above the kernel: each keeps its part of resall
// and the reset keywords of its settings beside its state, and the kernel runs
// them without knowing them.
#pragma once

#include <cstring>
#include <span>

struct GlobalRecord;

// A reset keyword (four characters, blank-padded) and what it restores.
struct ResetKeyword {
    const char *keyword;
    void (*restore)(GlobalRecord &rec);
};

struct LayerResets {
    void (*resetAll)(GlobalRecord &rec); // the layer's part of resall
    std::span<const ResetKeyword> keywords;
    // What of the layer's state belongs to one plot and starts anew with the
    // next kavini (not with reset("ALL")); null when nothing does.
    void (*newPlot)(GlobalRecord &rec) = nullptr;
};

// The layers, from the lowest up, in the order resall resets them. Defined at
// the top of the library (graphics3d/layer_list.cpp), which knows them all.
std::span<const LayerResets> layerResets();

// The entry of a keyword, or nullptr.
inline const ResetKeyword *findResetKeyword(std::span<const ResetKeyword> keywords,
                                            const char key[4]) {
    for (const ResetKeyword &entry : keywords)
        if (std::memcmp(entry.keyword, key, 4) == 0) return &entry;
    return nullptr;
}
