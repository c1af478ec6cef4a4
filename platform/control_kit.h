// What the controls share: their classes, the font and enabled state of each
// control window, the notification of the parent, and painting in the
// colours the parent answers.
#pragma once
#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/thread_windows.h"
#include "platform/windows.h"

namespace controls {

// Registers the control classes once per process.
void registerControlClasses();

// Procedures of the classes (static_control.cpp, button_control.cpp, ...).
LRESULT staticProcedure(HWND, UINT, WPARAM, LPARAM);
LRESULT buttonProcedure(HWND, UINT, WPARAM, LPARAM);
LRESULT editProcedure(HWND, UINT, WPARAM, LPARAM);
LRESULT listBoxProcedure(HWND, UINT, WPARAM, LPARAM);
LRESULT comboBoxProcedure(HWND, UINT, WPARAM, LPARAM);
LRESULT scrollBarProcedure(HWND, UINT, WPARAM, LPARAM);

// The font a control was sent (the system font when none).
HFONT fontOf(HWND control);
// What every control does with WM_SETFONT, WM_GETFONT, WM_ENABLE and its
// end: true when the message was one of those (result in result).
bool commonMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result);

// WM_COMMAND to the control's parent: its id, the notification, the control.
void notifyParent(HWND control, WORD notification);
int controlId(HWND control);
bool hasFocus(HWND control);
DWORD styleOf(HWND control);
std::string textOf(HWND control);

// The metrics of a font.
TEXTMETRICA metricsOf(HFONT font);
int textWidth(HFONT font, std::string_view text);

// Painting a control: BeginPaint, the colours its parent answers, EndPaint.
class Painter {
  public:
    // colourMessage: the WM_CTLCOLOR* of the control's kind; background: the
    // system colour used when the parent answers no brush.
    Painter(HWND control, UINT colourMessage, int background);
    ~Painter();
    Painter(const Painter &) = delete;
    Painter &operator=(const Painter &) = delete;

    HDC dc() const { return dc_; }
    const RECT &client() const { return client_; }
    // The background brush (the parent's, else the system colour's).
    HBRUSH background() const { return background_; }
    bool enabled() const { return enabled_; }

    void fill(const RECT &r, COLORREF colour) const;
    void fill(const RECT &r, HBRUSH brush) const;
    // A rectangle's outline one pixel wide, inside r.
    void frame(const RECT &r, COLORREF colour) const;
    void line(int x1, int y1, int x2, int y2, COLORREF colour) const;
    // The ellipse inside r, filled and outlined one pixel wide.
    void ellipse(const RECT &r, COLORREF outline, COLORREF inside) const;
    // Text in the context's text colour (greyed when the control is disabled).
    void text(int x, int y, std::string_view s) const;
    void text(int x, int y, std::string_view s, COLORREF colour) const;
    // Text with "&" marks: the marked letter underlined, "&&" a single "&".
    void mnemonicText(int x, int y, std::string_view s) const;
    // Text placed in r: align 0 left, 1 centre, 2 right; centred vertically.
    void textIn(const RECT &r, std::string_view s, int align) const;
    // The dotted rectangle of the keyboard focus.
    void focusFrame(const RECT &r) const;
    // A raised (pressed: sunken) bevel inside r.
    void bevel(const RECT &r, bool pressed) const;

  private:
    HWND control_;
    PAINTSTRUCT paint_{};
    HDC dc_ = 0;
    RECT client_{0, 0, 0, 0};
    HBRUSH background_ = 0;
    bool enabled_ = true;
};

// A text without its "&" marks, and the letter they mark (upper case; 0 for none).
std::string withoutMnemonics(std::string_view s);
char mnemonicOf(std::string_view s);

// Arrow glyphs of scroll bars and drop-down buttons: a small filled triangle
// pointing 0 up, 1 down, 2 left, 3 right, centred in r.
void arrow(const Painter &p, const RECT &r, int direction, COLORREF colour);

} // namespace controls

namespace controls {

// A scroll bar laid out in a rectangle: an arrow square at each end, the
// trough between, and a thumb placed by the position in the range.
struct BarGeometry {
    RECT area{0, 0, 0, 0};
    bool vertical = false;
    int arrow = 0;      // the arrows' side
    int trough = 0;     // the trough's length
    int thumbStart = 0; // from the area's start along the bar
    int thumbLength = 0;
    int minimum = 0, maximum = 0;
};
BarGeometry barGeometry(const RECT &area, bool vertical, int minimum, int maximum, int position);
void paintBar(const Painter &p, const BarGeometry &bar);
// What a point of the bar asks for: SB_LINEUP, SB_LINEDOWN, SB_PAGEUP,
// SB_PAGEDOWN, SB_THUMBTRACK (the thumb), or -1 outside.
int barPart(const BarGeometry &bar, int x, int y);
// The position the thumb gives when its start lies at offset along the bar.
int barPosition(const BarGeometry &bar, int offset);
// The thickness of scroll bars.
constexpr int kBarThickness = 16;

} // namespace controls
