// Colour quantisation by an octree: true-colour pixels reduced to at most 256
// colours, a palette in tree order, and one palette index per pixel.
#pragma once
#include <cstdint>

// One node of the octree. A node made at level 8 is a leaf; inner nodes are
// kept, per level, on a list of reducible nodes (newest first).
struct OctreeNode {
    std::uint32_t count = 0;  // pixels of this leaf
    std::uint64_t redSum = 0; // sums of their components (64 bits: no overflow on big pictures)
    std::uint64_t greenSum = 0;
    std::uint64_t blueSum = 0;
    std::uint8_t level = 0; // 0 for the root .. 8
    std::uint8_t leaf = 0;  // 1 for a leaf
    std::uint8_t index = 0; // palette index, set when the palette is built
    OctreeNode *child[8] = {};
    OctreeNode *next = nullptr; // next node on its level's list of reducible nodes
};

// The list heads of reducible nodes, one per level 0..8.
struct OctreeLists {
    OctreeNode *head[9] = {};
};

// Reads width x height pixels R, G, B; writes one palette index per pixel and
// the palette (red, green, blue: 256 bytes each, filled for the colours found,
// the rest left as it is). A picture of at most 256 colours keeps them exactly.
void qqquant(const std::uint8_t *rgb, int width, int height, std::uint8_t *indices,
             std::uint8_t *red, std::uint8_t *green, std::uint8_t *blue);

// Adds one colour below the slot (made when empty); a node that cannot be
// made is skipped, and the pixel is not counted.
void qqoctadd(OctreeNode *&slot, int r, int g, int b, int level, int &leaves, OctreeLists &lists);
// A new zeroed node of the level, a leaf at level 8; null without memory.
OctreeNode *qqoctnew(int level, int &leaves, OctreeLists &lists);
// One reduction step: the newest reducible node of the deepest level 7..1
// (the root when all are empty) takes in its children and becomes a leaf.
// False when no node was left to reduce.
bool qqoctrdc(int &leaves, OctreeLists &lists);
// Gives the leaves palette indices from next on, depth first, children in
// index order; each palette entry is the truncated mean of its leaf.
void qqoctvlt(OctreeNode *node, std::uint8_t *red, std::uint8_t *green, std::uint8_t *blue,
              int &next);
// The palette index of a colour: the leaf reached by descending; 0 where a
// child is missing.
int qqoctclr(const OctreeNode *node, int r, int g, int b);
// Frees a subtree and empties the slot.
void qqoctdel(OctreeNode *&slot);
