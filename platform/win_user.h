// Windows, window classes, messages, cursors and message boxes, on X11.
//
// Each thread that uses windows has its own connection to the X display and
// its own message queue; a window belongs to the thread that made it, and only
// that thread's message loop serves it. GetMessageA returns posted messages
// and input in the order they came, then WM_QUIT once PostQuitMessage was
// called and nothing else is queued, then WM_PAINT for windows that need
// painting. Loops may nest: a quit ends the innermost loop that asks.
//
// Without a display (DISPLAY unset, or the server cannot be reached) windows
// still exist, unmapped, with their client images and procedures; nobody can
// send them input, so a message loop that has nothing left ends as if quit.
// When the connection to a display breaks, the process ends with status 1.
#pragma once
#include "platform/win_types.h"

using WNDPROC = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

struct WNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground; // erases the client area on WM_ERASEBKGND
    const char *lpszMenuName;
    const char *lpszClassName;
};

// What WM_CREATE carries in lParam.
struct CREATESTRUCTA {
    void *lpCreateParams;
    HINSTANCE hInstance;
    HMENU hMenu;
    HWND hwndParent;
    int cy, cx, y, x; // the outer rectangle as given
    LONG style;
    const char *lpszName;
    const char *lpszClass;
    DWORD dwExStyle;
};

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time; // milliseconds
    POINT pt;   // the pointer on the screen
};

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
};

// Class styles (only stored: a resized window is always painted whole).
constexpr UINT CS_VREDRAW = 0x0001;
constexpr UINT CS_HREDRAW = 0x0002;

// Window styles. A top-level window's rectangle is its outer rectangle: the
// client area lies SM_CXFRAME inside on the left, right and bottom, and
// SM_CYCAPTION + SM_CYFRAME below the top. A child's rectangle is its client
// area, in the client coordinates of its parent.
constexpr DWORD WS_OVERLAPPEDWINDOW = 0x00CF0000;
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr int CW_USEDEFAULT = int(0x80000000);

// ShowWindow.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_SHOW = 5;

// Messages.
constexpr UINT WM_CREATE = 0x0001;
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_SIZE = 0x0005;
constexpr UINT WM_SETFOCUS = 0x0007;
constexpr UINT WM_KILLFOCUS = 0x0008;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_ERASEBKGND = 0x0014;
constexpr UINT WM_SETCURSOR = 0x0020;
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_KEYUP = 0x0101;
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112;
constexpr UINT WM_MOUSEMOVE = 0x0200;
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_USER = 0x0400;

// WM_SYSCOMMAND: the frame's close button (or a window manager's close).
constexpr WPARAM SC_CLOSE = 0xF060;

// wParam of the mouse messages; their lParam holds the client x in the low
// and the client y in the high 16 bits.
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;
constexpr WPARAM MK_MBUTTON = 0x0010;

// Virtual keys (wParam of WM_KEYDOWN and WM_KEYUP). Letters and digits are
// their upper-case characters. Bits 16..23 of the key messages' lParam hold the
// ISO-8859-1 character the key types (0 for none), which TranslateMessage
// posts as WM_CHAR.
constexpr WPARAM VK_BACK = 0x08;
constexpr WPARAM VK_TAB = 0x09;
constexpr WPARAM VK_RETURN = 0x0D;
constexpr WPARAM VK_SHIFT = 0x10;
constexpr WPARAM VK_CONTROL = 0x11;
constexpr WPARAM VK_ESCAPE = 0x1B;
constexpr WPARAM VK_SPACE = 0x20;
constexpr WPARAM VK_PRIOR = 0x21;
constexpr WPARAM VK_NEXT = 0x22;
constexpr WPARAM VK_END = 0x23;
constexpr WPARAM VK_HOME = 0x24;
constexpr WPARAM VK_LEFT = 0x25;
constexpr WPARAM VK_UP = 0x26;
constexpr WPARAM VK_RIGHT = 0x27;
constexpr WPARAM VK_DOWN = 0x28;
constexpr WPARAM VK_DELETE = 0x2E;

// PeekMessageA, GetQueueStatus.
constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;
constexpr UINT QS_KEY = 0x0001;
constexpr UINT QS_MOUSE = 0x0006;
constexpr UINT QS_POSTMESSAGE = 0x0008;
constexpr UINT QS_PAINT = 0x0020;
constexpr UINT QS_ALLINPUT = 0x04FF;

// GetSystemMetrics. The frame and caption are fixed sizes of this stand-in
// (an X server without a window manager draws none).
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CYFRAME = 33;

// SetClassLongA, GetClassLongA.
constexpr int GCL_HBRBACKGROUND = -10;
constexpr int GCL_HCURSOR = -12;

// EnableMenuItem on a system menu: MF_GRAYED or MF_DISABLED on SC_CLOSE makes
// the window ignore its frame's close button.
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;

// Cursors and icons, by resource number.
inline const char *MAKEINTRESOURCEA(int id) {
    return reinterpret_cast<const char *>(static_cast<std::uintptr_t>(id));
}
inline const char *const IDC_ARROW = MAKEINTRESOURCEA(32512);
inline const char *const IDC_CROSS = MAKEINTRESOURCEA(32515);
inline const char *const IDC_UPARROW = MAKEINTRESOURCEA(32516);
inline const char *const IDI_APPLICATION = MAKEINTRESOURCEA(32512);

// ---- Classes -----------------------------------------------------------------
// Classes belong to the process; names compare without regard to case.

// 0 when the class exists already.
ATOM RegisterClassA(const WNDCLASSA *windowClass);
// Fails while a window of the class exists.
BOOL UnregisterClassA(const char *className, HINSTANCE instance);
// GCL_HCURSOR or GCL_HBRBACKGROUND of the window's class; returns the old value.
DWORD SetClassLongA(HWND window, int index, LONG value);
DWORD GetClassLongA(HWND window, int index);

// ---- Windows ------------------------------------------------------------------

// Makes a window and sends it WM_CREATE before returning (its client
// rectangle is valid then); 0 when the class is unknown or WM_CREATE answers
// -1. The window is hidden unless the style has WS_VISIBLE.
HWND CreateWindowExA(DWORD exStyle, const char *className, const char *title, DWORD style, int x,
                     int y, int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     void *param);
// Sends WM_DESTROY to the window, then to its children, and removes them.
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);
// Maps (and waits until the server shows it) or unmaps; returns whether it was visible.
BOOL ShowWindow(HWND window, int command);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
// The title, ISO-8859-1.
BOOL SetWindowTextA(HWND window, const char *text);
int GetWindowTextA(HWND window, char *text, int capacity);
// {0, 0, client width, client height}. Also for a foreign X window.
BOOL GetClientRect(HWND window, RECT *rect);
// The outer rectangle on the screen.
BOOL GetWindowRect(HWND window, RECT *rect);
HWND GetParent(HWND window);
BOOL ClientToScreen(HWND window, POINT *point);
BOOL ScreenToClient(HWND window, POINT *point);
HWND SetFocus(HWND window);
int GetSystemMetrics(int index);
// The window's system menu; only its SC_CLOSE item can be enabled and greyed.
HMENU GetSystemMenu(HWND window, BOOL revert);
// Returns the previous state of the item, or -1 when there is none.
BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags);

// Window data: its procedure (replaced to subclass a window; the old one is
// returned and is called through CallWindowProcA), a value of the program's,
// the id given to a child window in place of a menu.
constexpr int GWLP_WNDPROC = -4;
constexpr int GWLP_ID = -12;
constexpr int GWLP_USERDATA = -21;
std::intptr_t SetWindowLongPtrA(HWND window, int index, std::intptr_t value);
std::intptr_t GetWindowLongPtrA(HWND window, int index);
LRESULT CallWindowProcA(WNDPROC procedure, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// ---- Messages -----------------------------------------------------------------

// Waits for the next message of the thread's windows (or of the thread, for
// window 0); FALSE (0) for WM_QUIT.
BOOL GetMessageA(MSG *msg, HWND window, UINT first, UINT last);
// As GetMessageA without waiting; FALSE when nothing is there.
BOOL PeekMessageA(MSG *msg, HWND window, UINT first, UINT last, UINT remove);
// Posts WM_CHAR for a WM_KEYDOWN that types a character.
BOOL TranslateMessage(const MSG *msg);
// Calls the procedure of the message's window.
LRESULT DispatchMessageA(const MSG *msg);
// Calls the window procedure now. Windows of other threads are not reached: 0.
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Queues a message for a window of this thread (window 0: the thread itself).
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The next GetMessageA with nothing else to return gives WM_QUIT with this code.
void PostQuitMessage(int exitCode);
// QS_* bits of what is waiting, in the low word and (as new) in the high word.
DWORD GetQueueStatus(UINT flags);
// WM_CLOSE destroys the window; WM_SYSCOMMAND SC_CLOSE sends WM_CLOSE unless
// the close item is greyed; WM_ERASEBKGND fills with the class brush; WM_PAINT
// validates; WM_SETCURSOR shows the class cursor.
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// ---- Painting ----------------------------------------------------------------
// A window keeps an image of its client area; drawing through a window's
// context changes that image, and the changes reach the X window when the
// thread next looks at its messages, at ReleaseDC and EndPaint, and after a
// BitBlt into the window.

// Adds a rectangle (null: the whole client area) to what needs painting.
BOOL InvalidateRect(HWND window, const RECT *rect, BOOL erase);
// Sends WM_PAINT now when anything needs painting.
BOOL UpdateWindow(HWND window);
HDC BeginPaint(HWND window, PAINTSTRUCT *paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT *paint);
// A context that draws into the window (a foreign X window too: its picture is
// read when the context is made). GetDC(0) draws nowhere but answers
// GetDeviceCaps for the screen.
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);

// ---- Cursors and icons ---------------------------------------------------------

HCURSOR LoadCursorA(HINSTANCE instance, const char *name);
HICON LoadIconA(HINSTANCE instance, const char *name);
// Shows the cursor over the thread's windows now; returns the previous one.
HCURSOR SetCursor(HCURSOR cursor);
BOOL GetCursorPos(POINT *point);
BOOL SetCursorPos(int x, int y);

// ---- Message boxes -------------------------------------------------------------

constexpr UINT MB_OK = 0x0000;
constexpr UINT MB_OKCANCEL = 0x0001;
constexpr UINT MB_YESNO = 0x0004;
constexpr UINT MB_ICONSTOP = 0x0010;
constexpr UINT MB_ICONINFORMATION = 0x0040;
constexpr UINT MB_DEFBUTTON2 = 0x0100;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Shows a box with the text (lines broken at '\n') and the caption as its
// title, and returns the button chosen: Return takes the default button,
// Escape the last one. Without a display, or with KAVLOR_MSGBOX=log in the
// environment, it prints "[caption]" and the text on standard error and returns
// the default answer at once.
int MessageBoxA(HWND owner, const char *text, const char *caption, UINT type);
