// The "static" class: a line of text, left, centred or right in the window.
#include "platform/control_kit.h"

namespace controls {

LRESULT staticProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (commonMessage(window, message, wParam, lParam, result)) return result;
    if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
    const Painter p(window, WM_CTLCOLORSTATIC, COLOR_BTNFACE);
    p.fill(p.client(), p.background());
    const DWORD align = styleOf(window) & 3;
    p.textIn(RECT{p.client().left, 0, p.client().right, metricsOf(fontOf(window)).tmHeight},
             textOf(window),
             align == SS_CENTER  ? 1
             : align == SS_RIGHT ? 2
                                 : 0);
    return 0;
}

} // namespace controls
