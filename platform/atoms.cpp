// The process's atom table: counted strings, compared without regard to case.
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <strings.h>

#include "platform/win_dde.h"

namespace {

struct Entry {
    std::string text;
    int count;
};

std::mutex atomsLock;
std::map<ATOM, Entry> atoms;
// Atoms of strings start here, as in the window system (lower ones are numbers).
constexpr ATOM firstAtom = 0xC000;

} // namespace

ATOM GlobalAddAtomA(const char *text) {
    if (text == nullptr) return 0;
    const std::size_t length = std::strlen(text);
    if (length == 0 || length > 255) return 0;
    const std::lock_guard<std::mutex> guard(atomsLock);
    for (auto &[atom, entry] : atoms)
        if (strcasecmp(entry.text.c_str(), text) == 0) {
            ++entry.count;
            return atom;
        }
    for (unsigned atom = firstAtom; atom <= 0xFFFF; ++atom)
        if (atoms.find(ATOM(atom)) == atoms.end()) {
            atoms.emplace(ATOM(atom), Entry{text, 1});
            return ATOM(atom);
        }
    return 0;
}

ATOM GlobalDeleteAtom(ATOM atom) {
    const std::lock_guard<std::mutex> guard(atomsLock);
    const auto found = atoms.find(atom);
    if (found == atoms.end()) return atom;
    if (--found->second.count == 0) atoms.erase(found);
    return 0;
}

UINT GlobalGetAtomNameA(ATOM atom, char *text, int capacity) {
    const std::lock_guard<std::mutex> guard(atomsLock);
    const auto found = atoms.find(atom);
    if (found == atoms.end() || text == nullptr || capacity <= 0) return 0;
    const std::size_t n = std::min(found->second.text.size(), std::size_t(capacity - 1));
    std::memcpy(text, found->second.text.data(), n);
    text[n] = '\0';
    return UINT(n);
}
