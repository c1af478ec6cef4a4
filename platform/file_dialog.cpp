// GetOpenFileNameA: a modal dialog of our controls that lists a folder and
// lets the user choose a file in it or go into another folder.
#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "platform/thread_windows.h"
#include "platform/windows.h"

namespace {

constexpr const char *kClassName = "KavlorFileDialog";
constexpr int kMargin = 8;
constexpr int kWidth = 420;
constexpr int kListLines = 12;

enum Control { kFolder = 1, kList, kNameLabel, kName, kTypeLabel, kTypes, kOk, kCancel };

struct FilterPair {
    std::string description;
    std::vector<std::string> patterns;
};

// The pairs of a filter text: description NUL patterns NUL ... NUL.
std::vector<FilterPair> filterPairs(const char *filter) {
    std::vector<FilterPair> pairs;
    if (filter == nullptr) return pairs;
    for (const char *p = filter; *p != '\0';) {
        FilterPair pair;
        pair.description = p;
        p += std::strlen(p) + 1;
        std::string patterns = p;
        p += patterns.size() + (*p != '\0' || patterns.empty() ? 1 : 0);
        for (std::size_t start = 0; start <= patterns.size();) {
            std::size_t end = patterns.find(';', start);
            if (end == std::string::npos) end = patterns.size();
            std::string pattern = patterns.substr(start, end - start);
            pattern.erase(0, pattern.find_first_not_of(' '));
            if (!pattern.empty()) pair.patterns.push_back(pattern);
            start = end + 1;
        }
        pairs.push_back(pair);
        if (patterns.empty()) break;
    }
    return pairs;
}

bool isFolder(const std::string &path) {
    struct stat s;
    return stat(path.c_str(), &s) == 0 && S_ISDIR(s.st_mode);
}

std::string joined(const std::string &folder, const std::string &name) {
    if (!name.empty() && name[0] == '/') return name;
    return folder == "/" ? "/" + name : folder + "/" + name;
}

std::string canonical(const std::string &path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

struct Dialog {
    OPENFILENAMEA *request = nullptr;
    std::vector<FilterPair> pairs;
    std::string folder;
    HWND window = 0;
    HWND folderLabel = 0, list = 0, name = 0, types = 0;
    bool done = false;
    BOOL chosen = 0;

    bool matches(const std::string &file) const {
        const int type = int(SendMessageA(types, CB_GETCURSEL, 0, 0));
        if (type < 0 || type >= int(pairs.size()) || pairs[std::size_t(type)].patterns.empty())
            return true;
        for (const std::string &pattern : pairs[std::size_t(type)].patterns)
            if (fnmatch(pattern.c_str(), file.c_str(), FNM_CASEFOLD) == 0) return true;
        return false;
    }
    // Lists the folder: its folders first (with a "/"), then the files the
    // chosen patterns match, each group by name.
    void fill() {
        SetWindowTextA(folderLabel, ("Look in: " + folder).c_str());
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        std::vector<std::string> folders, files;
        if (DIR *d = opendir(folder.c_str())) {
            while (const dirent *e = readdir(d)) {
                const std::string entry = e->d_name;
                if (entry == ".") continue;
                if (isFolder(joined(folder, entry)))
                    folders.push_back(entry + "/");
                else if (matches(entry))
                    files.push_back(entry);
            }
            closedir(d);
        }
        std::sort(folders.begin(), folders.end());
        std::sort(files.begin(), files.end());
        for (const auto *group : {&folders, &files})
            for (const std::string &entry : *group)
                SendMessageA(list, LB_ADDSTRING, 0, LPARAM(entry.c_str()));
    }
    // OK: a folder is opened, a file ends the dialog.
    void accept() {
        char text[1024] = {};
        GetWindowTextA(name, text, int(sizeof text));
        std::string entered = text;
        if (entered.empty()) return;
        const std::string path = joined(folder, entered);
        if (isFolder(path)) {
            folder = canonical(path);
            SetWindowTextA(name, "");
            fill();
            return;
        }
        if (path.size() + 1 > request->nMaxFile || request->lpstrFile == nullptr) return;
        std::memcpy(request->lpstrFile, path.c_str(), path.size() + 1);
        chosen = 1;
        done = true;
    }
};

LRESULT dialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto *d = reinterpret_cast<Dialog *>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (d != nullptr && message == WM_COMMAND) {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (id == kOk) d->accept();
        if (id == kCancel) d->done = true;
        if (id == kTypes && code == CBN_SELCHANGE) d->fill();
        if (id == kList && code == LBN_SELCHANGE) {
            const int i = int(SendMessageA(d->list, LB_GETCURSEL, 0, 0));
            char item[1024] = {};
            if (i >= 0 &&
                SendMessageA(d->list, LB_GETTEXTLEN, WPARAM(i), 0) < LRESULT(sizeof item)) {
                SendMessageA(d->list, LB_GETTEXT, WPARAM(i), LPARAM(item));
                SetWindowTextA(d->name, item);
            }
        }
        return 0;
    }
    if (d != nullptr && message == WM_CLOSE) {
        d->done = true;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void registerDialogClass() {
    static std::once_flag once;
    std::call_once(once, [] {
        WNDCLASSA c{};
        c.lpfnWndProc = dialogProcedure;
        c.hCursor = LoadCursorA(0, IDC_ARROW);
        c.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        c.lpszClassName = kClassName;
        RegisterClassA(&c);
    });
}

HWND child(HWND parent, const char *className, const char *text, DWORD style, int x, int y, int w,
           int h, int id) {
    return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                           HMENU(id), 0, nullptr);
}

// The folder and the name the dialog starts with, from the initial file name.
void startingPoint(const OPENFILENAMEA &request, std::string &folder, std::string &name) {
    std::string initial =
        request.lpstrFile != nullptr
            ? std::string(request.lpstrFile, strnlen(request.lpstrFile, request.nMaxFile))
            : "";
    std::replace(initial.begin(), initial.end(), '\\', '/');
    char cwd[PATH_MAX];
    folder = getcwd(cwd, sizeof cwd) != nullptr ? cwd : "/";
    if (request.lpstrInitialDir != nullptr && isFolder(request.lpstrInitialDir))
        folder = canonical(request.lpstrInitialDir);
    const std::size_t slash = initial.rfind('/');
    name = initial;
    if (slash != std::string::npos) {
        const std::string part = initial.substr(0, slash == 0 ? 1 : slash);
        if (isFolder(part)) {
            folder = canonical(joined(folder, part));
            name = initial.substr(slash + 1);
        }
    }
    if (isFolder(joined(folder, name))) {
        folder = canonical(joined(folder, name));
        name.clear();
    }
}

} // namespace

BOOL GetOpenFileNameA(OPENFILENAMEA *request) {
    if (request == nullptr || !DisplayPresent()) return 0;
    registerDialogClass();
    Dialog d;
    d.request = request;
    d.pairs = filterPairs(request->lpstrFilter);
    std::string name;
    startingPoint(*request, d.folder, name);

    const HFONT font = GetStockObject(SYSTEM_FONT);
    TEXTMETRICA tm{};
    {
        const HDC dc = CreateCompatibleDC(0);
        GetTextMetricsA(dc, &tm);
        DeleteDC(dc);
    }
    const int ch = tm.tmHeight, row = ch + 8, inner = kWidth - 2 * kMargin;
    const int labelWidth = 100;
    int y = kMargin;
    const int listTop = y + ch + 4, listHeight = kListLines * ch + 2;
    const int nameTop = listTop + listHeight + kMargin;
    const int typeTop = nameTop + row + 4;
    const int buttonTop = typeTop + row + kMargin;
    const int height = buttonTop + row + kMargin;
    const int frame = GetSystemMetrics(SM_CXFRAME);
    const int outerWidth = kWidth + 2 * frame;
    const int outerHeight = height + GetSystemMetrics(SM_CYCAPTION) + 2 * frame;
    const char *title = request->lpstrTitle != nullptr && *request->lpstrTitle != '\0'
                            ? request->lpstrTitle
                            : "Open";
    d.window = CreateWindowExA(0, kClassName, title, WS_OVERLAPPEDWINDOW,
                               (GetSystemMetrics(SM_CXSCREEN) - outerWidth) / 2,
                               (GetSystemMetrics(SM_CYSCREEN) - outerHeight) / 2, outerWidth,
                               outerHeight, 0, 0, 0, nullptr);
    if (d.window == 0) return 0;
    SetWindowLongPtrA(d.window, GWLP_USERDATA, reinterpret_cast<std::intptr_t>(&d));
    d.folderLabel = child(d.window, "static", "", SS_LEFT, kMargin, y, inner, ch, kFolder);
    d.list = child(d.window, "listbox", "", WS_BORDER | WS_VSCROLL | LBS_NOTIFY, kMargin, listTop,
                   inner, listHeight, kList);
    child(d.window, "static", "File name:", SS_LEFT, kMargin, nameTop + 4, labelWidth, ch,
          kNameLabel);
    d.name = child(d.window, "edit", name.c_str(), WS_BORDER | ES_AUTOHSCROLL, kMargin + labelWidth,
                   nameTop, inner - labelWidth, row, kName);
    child(d.window, "static", "Files of type:", SS_LEFT, kMargin, typeTop + 4, labelWidth, ch,
          kTypeLabel);
    d.types = child(d.window, "combobox", "", CBS_DROPDOWNLIST, kMargin + labelWidth, typeTop,
                    inner - labelWidth, row * 6, kTypes);
    child(d.window, "button", "OK", BS_DEFPUSHBUTTON, kWidth - kMargin - 2 * 80 - kMargin,
          buttonTop, 80, row, kOk);
    child(d.window, "button", "Cancel", BS_PUSHBUTTON, kWidth - kMargin - 80, buttonTop, 80, row,
          kCancel);
    for (const HWND c : {d.folderLabel, d.list, d.name, d.types})
        SendMessageA(c, WM_SETFONT, font, 0);
    for (const FilterPair &p : d.pairs)
        SendMessageA(d.types, CB_ADDSTRING, 0, LPARAM(p.description.c_str()));
    const int first = request->nFilterIndex > 0 ? int(request->nFilterIndex) - 1 : 0;
    SendMessageA(d.types, CB_SETCURSEL, WPARAM(std::min(first, int(d.pairs.size()) - 1)), 0);
    d.fill();
    // The keys go back where they were when the dialog is gone, as after a
    // menu or a drop-down list (else they would go to the root window).
    const HWND saved = threadWindows().focus;
    SetFocus(d.name);
    SendMessageA(d.name, EM_SETSEL, 0, -1);
    if ((request->Flags & OFN_ENABLEHOOK) != 0 && request->lpfnHook != nullptr) {
        // The hook sees a child of the dialog, as an Explorer-style dialog gives it.
        const HWND hookWindow =
            CreateWindowExA(0, "static", "", WS_CHILD, 0, 0, 0, 0, d.window, 0, 0, nullptr);
        request->lpfnHook(hookWindow, WM_INITDIALOG, 0, LPARAM(request));
    }
    ShowWindow(d.window, SW_SHOWNORMAL);

    MSG msg;
    while (!d.done) {
        if (GetMessageA(&msg, 0, 0, 0) <= 0) {
            PostQuitMessage(int(msg.wParam)); // the loop outside ends too
            break;
        }
        // Return takes OK, Escape Cancel, wherever the focus is in the dialog.
        const WindowObject *top = topLevelOf(findWindow(msg.hwnd));
        if (msg.message == WM_KEYDOWN && top != nullptr && top->handle == d.window) {
            if (msg.wParam == VK_RETURN) {
                d.accept();
                continue;
            }
            if (msg.wParam == VK_ESCAPE) {
                d.done = true;
                continue;
            }
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    SetWindowLongPtrA(d.window, GWLP_USERDATA, 0);
    DestroyWindow(d.window);
    if (saved != 0 && IsWindow(saved)) SetFocus(saved);
    return d.chosen;
}
