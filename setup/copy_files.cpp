// The copy window and the copy of the package's files, expanded where they
// are compressed on the medium.
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "setup/file_table.h"
#include "setup/install_steps.h"
#include "setup/setup_state.h"
#include "setup/setup_windows.h"

int copyPercent(long long total, long long running, bool lastRow) {
    if (lastRow || total <= 0) return 100;
    // The quotient first, then the product, in double precision; clamped
    // before the conversion, so that no sum can make it overflow.
    const double percent = (100.0 / double(total)) * double(running);
    if (percent > 100.0) return 100;
    if (percent < 0.0) return 0;
    return int(percent);
}

namespace {

struct CopyWindow {
    HWND window, source, destination, bar, percent;
};

CopyWindow makeCopyWindow() {
    const int cw = setup.cw, lh = setup.lh;
    CopyWindow c{};
    c.window = CreateWindowExA(
        0, "instcopy", "KAVLOR Setup", WS_OVERLAPPEDWINDOW, (setup.screenWidth - 50 * cw) / 2,
        (setup.screenHeight - 15 * lh) / 2, 50 * cw, 15 * lh, 0, 0, setup.instance, nullptr);
    const int fieldHeight = int(1.5 * lh);
    mklabel(c.window, 2 * cw, lh, "Copy");
    mklabel(c.window, 2 * cw, 3 * lh, "From:");
    c.source = mkedit(c.window, 10 * cw, 3 * lh, 37 * cw, fieldHeight, " ");
    mklabel(c.window, 2 * cw, 5 * lh, "To:");
    c.destination = mkedit(c.window, 10 * cw, 5 * lh, 37 * cw, fieldHeight, " ");
    c.bar =
        CreateWindowExA(0, "scrollbar", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | SBS_HORZ, 10 * cw,
                        8 * lh, 37 * cw, fieldHeight, c.window, 0, setup.instance, nullptr);
    SetScrollRange(c.bar, SB_CTL, 0, 100, 0);
    SetScrollPos(c.bar, SB_CTL, 0, 0);
    c.percent =
        CreateWindowExA(0, "static", "0", WS_CHILD | WS_VISIBLE | SS_CENTER, 10 * cw, 10 * lh,
                        37 * cw, fieldHeight, c.window, 0, setup.instance, nullptr);
    return c;
}

// The user's input is not read during the copy: only the painting of the
// window and its controls is done now (parts the server lost among it).
void repaint(const CopyWindow &c) {
    UpdateWindow(c.window);
    MSG msg;
    while (PeekMessageA(&msg, 0, WM_PAINT, WM_PAINT, PM_REMOVE))
        DispatchMessageA(&msg);
}

// Copies one row; false (after its message) when it failed.
bool copyRow(const InstFile &row, const std::string &destination) {
    OFSTRUCT info;
    const int source = LZOpenFileA(row.source, &info, OF_READ);
    if (source == -1) {
        setupError(("Cannot open file " + std::string(row.source)).c_str(), "Setup");
        return false;
    }
    const int target = LZOpenFileA(destination.c_str(), &info, OF_CREATE);
    if (target == -1) {
        setupError(("Cannot create file " + destination).c_str(), "Setup");
        LZClose(source);
        return false;
    }
    const LONG written = LZCopy(source, target);
    LZClose(source);
    LZClose(target);
    if (written >= 0 && written == std::atol(row.size)) return true;
    // A failed or short copy leaves no half file behind that could pass for
    // the package's own.
    ::unlink(destination.c_str());
    if (written == LZERROR_WRITE)
        setupError(("Cannot write file " + destination).c_str(), "Setup");
    else
        setupError(("Cannot copy file " + std::string(row.source)).c_str(), "Setup");
    return false;
}

} // namespace

int instcopyfiles() {
    const CopyWindow c = makeCopyWindow();
    ShowWindow(c.window, setup.showCommand);
    UpdateWindow(c.window);

    long long total = 0;
    for (int i = 0; i < instfileCount; ++i)
        total += std::atol(instfiles[i].size);
    long long running = 0;
    bool allCopied = true;
    for (int i = 0; i < instfileCount; ++i) {
        const InstFile &row = instfiles[i];
        running += std::atol(row.size);
        const int percent = copyPercent(total, running, i == instfileCount - 1);
        SetScrollPos(c.bar, SB_CTL, percent, 1);
        SetWindowTextA(c.percent, std::to_string(percent).c_str());
        const std::string destination = std::string(instpath) + "/" + row.destination;
        SetWindowTextA(c.source, row.source);
        SetWindowTextA(c.destination, destination.c_str());
        repaint(c);
        allCopied = copyRow(row, destination) && allCopied;
    }

    SendMessageA(c.window, WM_CLOSE, 0, 0);
    runMessageLoop();
    return allCopied ? 0 : -1;
}

LRESULT instcopyproc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return stepWindowProc(window, message, wParam, lParam);
}
