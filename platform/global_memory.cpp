// GlobalAlloc and its kin: blocks of the process behind numbered handles, so
// that a handle can travel in a message and a stale one names nothing.
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>

#include "platform/win_dde.h"

namespace {

struct FreeBytes {
    void operator()(char *p) const { std::free(p); }
};

struct Block {
    std::unique_ptr<char, FreeBytes> bytes;
    std::size_t size;
    int locks;
};

std::mutex blocksLock;
std::map<HGLOBAL, Block> blocks;
HGLOBAL nextHandle = 1;

} // namespace

HGLOBAL GlobalAlloc(UINT, std::size_t size) {
    // One byte at least, so that even an empty block has an address.
    std::unique_ptr<char, FreeBytes> bytes(
        static_cast<char *>(std::calloc(size == 0 ? 1 : size, 1)));
    if (bytes == nullptr) return 0;
    const std::lock_guard<std::mutex> guard(blocksLock);
    const HGLOBAL handle = nextHandle++;
    blocks.emplace(handle, Block{std::move(bytes), size, 0});
    return handle;
}

void *GlobalLock(HGLOBAL block) {
    const std::lock_guard<std::mutex> guard(blocksLock);
    const auto found = blocks.find(block);
    if (found == blocks.end()) return nullptr;
    ++found->second.locks;
    return found->second.bytes.get();
}

BOOL GlobalUnlock(HGLOBAL block) {
    const std::lock_guard<std::mutex> guard(blocksLock);
    const auto found = blocks.find(block);
    if (found == blocks.end() || found->second.locks == 0) return 0;
    return --found->second.locks > 0 ? 1 : 0;
}

HGLOBAL GlobalFree(HGLOBAL block) {
    const std::lock_guard<std::mutex> guard(blocksLock);
    return blocks.erase(block) == 1 ? 0 : block;
}

std::size_t GlobalSize(HGLOBAL block) {
    const std::lock_guard<std::mutex> guard(blocksLock);
    const auto found = blocks.find(block);
    return found == blocks.end() ? 0 : found->second.size;
}
