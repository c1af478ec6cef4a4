// Octree colour quantisation.
#include "devices/colour_quantiser.h"

#include <new>

namespace {

constexpr int kMaxLeaves = 256;

int childIndex(int r, int g, int b, int level) {
    const int mask = 0x80 >> level;
    return ((r & mask) ? 4 : 0) + ((g & mask) ? 2 : 0) + ((b & mask) ? 1 : 0);
}

} // namespace

OctreeNode *qqoctnew(int level, int &leaves, OctreeLists &lists) {
    auto *node = new (std::nothrow) OctreeNode();
    if (node == nullptr) return nullptr;
    node->level = static_cast<std::uint8_t>(level);
    if (level == 8) {
        node->leaf = 1;
        ++leaves;
    } else {
        node->next = lists.head[level];
        lists.head[level] = node;
    }
    return node;
}

void qqoctadd(OctreeNode *&slot, int r, int g, int b, int level, int &leaves, OctreeLists &lists) {
    OctreeNode **at = &slot;
    for (;;) {
        if (*at == nullptr) *at = qqoctnew(level, leaves, lists);
        OctreeNode *node = *at;
        if (node == nullptr) return;
        if (node->leaf) {
            ++node->count;
            node->redSum += static_cast<std::uint64_t>(r);
            node->greenSum += static_cast<std::uint64_t>(g);
            node->blueSum += static_cast<std::uint64_t>(b);
            return;
        }
        at = &node->child[childIndex(r, g, b, level)];
        ++level;
    }
}

bool qqoctrdc(int &leaves, OctreeLists &lists) {
    int level = 7;
    while (level > 0 && lists.head[level] == nullptr)
        --level;
    OctreeNode *node = lists.head[level];
    if (node == nullptr) return false;
    lists.head[level] = node->next;
    node->next = nullptr;
    for (OctreeNode *&child : node->child) {
        if (child == nullptr) continue;
        node->count += child->count;
        node->redSum += child->redSum;
        node->greenSum += child->greenSum;
        node->blueSum += child->blueSum;
        qqoctdel(child);
        --leaves;
    }
    node->leaf = 1;
    ++leaves;
    return true;
}

void qqoctvlt(OctreeNode *node, std::uint8_t *red, std::uint8_t *green, std::uint8_t *blue,
              int &next) {
    if (node == nullptr) return;
    if (node->leaf) {
        if (next >= kMaxLeaves) return;
        const std::uint64_t count = node->count > 0 ? node->count : 1;
        node->index = static_cast<std::uint8_t>(next);
        red[next] = static_cast<std::uint8_t>(node->redSum / count);
        green[next] = static_cast<std::uint8_t>(node->greenSum / count);
        blue[next] = static_cast<std::uint8_t>(node->blueSum / count);
        ++next;
        return;
    }
    for (OctreeNode *child : node->child)
        qqoctvlt(child, red, green, blue, next);
}

int qqoctclr(const OctreeNode *node, int r, int g, int b) {
    while (node != nullptr && !node->leaf && node->level < 8)
        node = node->child[childIndex(r, g, b, node->level)];
    return node != nullptr ? node->index : 0;
}

void qqoctdel(OctreeNode *&slot) {
    if (slot == nullptr) return;
    for (OctreeNode *&child : slot->child)
        qqoctdel(child);
    delete slot;
    slot = nullptr;
}

void qqquant(const std::uint8_t *rgb, int width, int height, std::uint8_t *indices,
             std::uint8_t *red, std::uint8_t *green, std::uint8_t *blue) {
    OctreeNode *root = nullptr;
    OctreeLists lists;
    int leaves = 0;
    const std::size_t n = width > 0 && height > 0
                              ? static_cast<std::size_t>(width) * static_cast<std::size_t>(height)
                              : 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t *p = rgb + 3 * i;
        qqoctadd(root, p[0], p[1], p[2], 0, leaves, lists);
        while (leaves > kMaxLeaves && qqoctrdc(leaves, lists)) {
        }
    }
    int next = 0;
    qqoctvlt(root, red, green, blue, next);
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t *p = rgb + 3 * i;
        indices[i] = static_cast<std::uint8_t>(qqoctclr(root, p[0], p[1], p[2]));
    }
    qqoctdel(root);
}
