// Window classes: RegisterClassA, UnregisterClassA, SetClassLongA, GetClassLongA.
#include "platform/window_classes.h"

#include <algorithm>
#include <cctype>
#include <mutex>
#include <unordered_map>

#include "platform/cursors.h"
#include "platform/thread_windows.h"

namespace {

struct Entry {
    WindowClass c;
    int windows = 0;
};

struct Classes {
    std::mutex lock;
    std::unordered_map<std::string, Entry> byName; // lower-case names
};

Classes &classes() {
    static Classes all;
    return all;
}

std::string key(const std::string &name) {
    std::string k = name;
    std::transform(k.begin(), k.end(), k.begin(), [](unsigned char c) { return std::tolower(c); });
    return k;
}

// The class entry of a window of this thread, under the lock.
Entry *entryOf(Classes &all, HWND window) {
    const WindowObject *w = findWindow(window);
    if (w == nullptr) return nullptr;
    auto it = all.byName.find(key(w->className));
    return it == all.byName.end() ? nullptr : &it->second;
}

} // namespace

bool findWindowClass(const std::string &name, WindowClass &found) {
    Classes &all = classes();
    std::lock_guard<std::mutex> hold(all.lock);
    auto it = all.byName.find(key(name));
    if (it == all.byName.end()) return false;
    found = it->second.c;
    return true;
}

void countWindowOfClass(const std::string &name, int change) {
    Classes &all = classes();
    std::lock_guard<std::mutex> hold(all.lock);
    auto it = all.byName.find(key(name));
    if (it != all.byName.end()) it->second.windows += change;
}

ATOM RegisterClassA(const WNDCLASSA *windowClass) {
    if (windowClass == nullptr || windowClass->lpszClassName == nullptr ||
        windowClass->lpfnWndProc == nullptr)
        return 0;
    Classes &all = classes();
    std::lock_guard<std::mutex> hold(all.lock);
    const std::string name = key(windowClass->lpszClassName);
    if (all.byName.count(name) != 0) return 0;
    Entry e;
    e.c = WindowClass{windowClass->style, windowClass->lpfnWndProc, windowClass->hCursor,
                      windowClass->hbrBackground};
    all.byName.emplace(name, e);
    // An atom: any number above 0xC000 that names the class.
    return ATOM(0xC000 + all.byName.size() % 0x3FFF);
}

BOOL UnregisterClassA(const char *className, HINSTANCE) {
    if (className == nullptr) return 0;
    Classes &all = classes();
    std::lock_guard<std::mutex> hold(all.lock);
    auto it = all.byName.find(key(className));
    if (it == all.byName.end() || it->second.windows > 0) return 0;
    all.byName.erase(it);
    return 1;
}

DWORD SetClassLongA(HWND window, int index, LONG value) {
    DWORD previous = 0;
    {
        Classes &all = classes();
        std::lock_guard<std::mutex> hold(all.lock);
        Entry *e = entryOf(all, window);
        if (e == nullptr) return 0;
        std::intptr_t *field = index == GCL_HCURSOR         ? &e->c.cursor
                               : index == GCL_HBRBACKGROUND ? &e->c.background
                                                            : nullptr;
        if (field == nullptr) return 0;
        previous = DWORD(*field);
        *field = value;
    }
    if (index == GCL_HCURSOR) defineClassCursors(threadWindows(), window);
    return previous;
}

DWORD GetClassLongA(HWND window, int index) {
    Classes &all = classes();
    std::lock_guard<std::mutex> hold(all.lock);
    const Entry *e = entryOf(all, window);
    if (e == nullptr) return 0;
    return index == GCL_HCURSOR         ? DWORD(e->c.cursor)
           : index == GCL_HBRBACKGROUND ? DWORD(e->c.background)
                                        : 0;
}
