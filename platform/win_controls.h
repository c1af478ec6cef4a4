// Controls, menus, the open-file dialog and program start.
//
// The window classes "static", "button", "edit", "listbox", "combobox" and
// "scrollbar" exist in every process. Each control draws itself over the
// drawing calls, in the font it was sent (WM_SETFONT; the system font until
// then), and tells its parent what happens with WM_COMMAND (the control's id
// in the low word of wParam, the notification in the high word, the control in
// lParam) or, for scroll bars, WM_HSCROLL and WM_VSCROLL. Before painting it
// asks its parent for colours with the WM_CTLCOLOR* message of its kind
// (wParam the context, lParam the control): a brush answered paints the
// background, and the text colour set on the context is kept; 0 gives the
// defaults. A control's text is its window title, so the X window carries it
// as its name.
//
// A top-level window made with a menu bar shows the bar in a band above its
// client area, within the outer rectangle. A click on a title of the bar, or
// Alt with the title's "&" letter, opens its pop-up; the arrows, Return, the
// letters of the entries and Escape work there, and a chosen entry is posted
// to the window as WM_COMMAND with the entry's id and lParam 0.
#pragma once
#include "platform/win_user.h"

constexpr WPARAM MAKEWPARAM(int low, int high) {
    return WPARAM(std::uint32_t(std::uint16_t(low)) | (std::uint32_t(std::uint16_t(high)) << 16));
}

// More window styles.
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_VSCROLL = 0x00200000;
constexpr DWORD WS_HSCROLL = 0x00100000;
constexpr DWORD WS_DISABLED = 0x08000000;
constexpr DWORD WS_TABSTOP = 0x00010000;

// More messages.
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_GETTEXT = 0x000D;
constexpr UINT WM_GETTEXTLENGTH = 0x000E;
constexpr UINT WM_SETFONT = 0x0030; // wParam the font, lParam whether to repaint
constexpr UINT WM_GETFONT = 0x0031;
constexpr UINT WM_SYSKEYDOWN = 0x0104; // a key with Alt held
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_SYSCHAR = 0x0106;
constexpr UINT WM_NCLBUTTONDOWN = 0x00A1; // on the menu bar; lParam the point on the screen
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_HSCROLL = 0x0114;
constexpr UINT WM_VSCROLL = 0x0115;
constexpr UINT WM_CTLCOLOREDIT = 0x0133;
constexpr UINT WM_CTLCOLORLISTBOX = 0x0134;
constexpr UINT WM_CTLCOLORBTN = 0x0135;
constexpr UINT WM_CTLCOLORDLG = 0x0136;
constexpr UINT WM_CTLCOLORSCROLLBAR = 0x0137;
constexpr UINT WM_CTLCOLORSTATIC = 0x0138;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;

// The keys held at the last input: GetKeyState(VK_SHIFT) and VK_CONTROL are
// negative while held.
short GetKeyState(int virtualKey);

// SetWindowPos: HWND_TOPMOST raises the window; SWP_NOSIZE keeps its size,
// SWP_NOMOVE its place.
constexpr HWND HWND_TOPMOST = -1;
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
BOOL SetWindowPos(HWND window, HWND after, int x, int y, int width, int height, UINT flags);

// Windows that are disabled take no input and show themselves greyed.
BOOL EnableWindow(HWND window, BOOL enable);
BOOL IsWindowEnabled(HWND window);

// ---- System colours --------------------------------------------------------------

constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
COLORREF GetSysColor(int index);
// A stock brush of the colour (DeleteObject leaves it alone).
HBRUSH GetSysColorBrush(int index);

// ---- Static texts ------------------------------------------------------------------

constexpr DWORD SS_LEFT = 0x0000;
constexpr DWORD SS_CENTER = 0x0001;
constexpr DWORD SS_RIGHT = 0x0002;

// ---- Buttons -------------------------------------------------------------------------
// A click, or Space while the button has the focus, notifies BN_CLICKED; an
// automatic check box changes its check first. Radio buttons that are not
// automatic are checked by their owner.

constexpr DWORD BS_PUSHBUTTON = 0x0000;
constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
constexpr DWORD BS_CHECKBOX = 0x0002;
constexpr DWORD BS_AUTOCHECKBOX = 0x0003;
constexpr DWORD BS_RADIOBUTTON = 0x0004;
constexpr DWORD BS_LEFT = 0x0100;
constexpr DWORD BS_RIGHT = 0x0200;
constexpr DWORD BS_CENTER = 0x0300;
constexpr UINT BM_GETCHECK = 0x00F0;
constexpr UINT BM_SETCHECK = 0x00F1;
constexpr UINT BM_GETSTATE = 0x00F2;
constexpr UINT BM_SETSTATE = 0x00F3; // wParam 1 shows the button pressed
constexpr WPARAM BST_UNCHECKED = 0;
constexpr WPARAM BST_CHECKED = 1;
constexpr LRESULT BST_PUSHED = 4;
constexpr WORD BN_CLICKED = 0;

// ---- Edit fields ------------------------------------------------------------------
// One line of text, or several with ES_MULTILINE (Return breaks the line).
// Typing inserts at the caret or replaces the selection; the arrows, Home, End,
// Backspace and Delete move and delete (with Shift they select); Ctrl+A
// selects all. A change notifies EN_CHANGE.

constexpr DWORD ES_LEFT = 0x0000;
constexpr DWORD ES_MULTILINE = 0x0004;
constexpr DWORD ES_AUTOHSCROLL = 0x0080;
constexpr UINT EM_SETSEL = 0x00B1; // from wParam up to lParam; (0, -1) selects all
constexpr WORD EN_CHANGE = 0x0300;

// ---- List boxes --------------------------------------------------------------------
// One line per item. A click or the arrow keys select (LBS_NOSEL: nobody
// does); with LBS_NOTIFY a new selection notifies LBN_SELCHANGE. With
// WS_VSCROLL a bar on the right scrolls the lines, with WS_HSCROLL one at the
// bottom scrolls over the horizontal extent.

constexpr DWORD LBS_NOTIFY = 0x0001;
constexpr DWORD LBS_NOSEL = 0x4000;
constexpr UINT LB_ADDSTRING = 0x0180; // returns the new item's index
constexpr UINT LB_DELETESTRING = 0x0182;
constexpr UINT LB_RESETCONTENT = 0x0184;
constexpr UINT LB_SETCURSEL = 0x0186; // -1 selects none
constexpr UINT LB_GETCURSEL = 0x0188;
constexpr UINT LB_GETTEXT = 0x0189;
constexpr UINT LB_GETTEXTLEN = 0x018A;
constexpr UINT LB_GETCOUNT = 0x018B;
constexpr UINT LB_GETTOPINDEX = 0x018E;
constexpr UINT LB_SETHORIZONTALEXTENT = 0x0194;
constexpr LRESULT LB_ERR = -1;
constexpr WORD LBN_SELCHANGE = 1;
constexpr WORD LBN_DBLCLK = 2;

// ---- Drop-down lists -------------------------------------------------------------------
// A field showing the selected item; a click (or Alt+Down) drops the list down
// below it, as tall as the window was made (the field itself is one line of
// the font high). Choosing an item, or the arrow keys on the field, notify
// CBN_SELCHANGE.

constexpr DWORD CBS_DROPDOWNLIST = 0x0003;
constexpr UINT CB_ADDSTRING = 0x0143;
constexpr UINT CB_GETCOUNT = 0x0146;
constexpr UINT CB_GETCURSEL = 0x0147;
constexpr UINT CB_GETLBTEXT = 0x0148;
constexpr UINT CB_RESETCONTENT = 0x014B;
constexpr UINT CB_SETCURSEL = 0x014E;
constexpr LRESULT CB_ERR = -1;
constexpr WORD CBN_SELCHANGE = 1;

// ---- Scroll bars ----------------------------------------------------------------------
// Arrows at both ends, a trough and a thumb. A click on an arrow asks the
// owner for SB_LINEUP or SB_LINEDOWN, on the trough for a page; dragging the
// thumb sends SB_THUMBTRACK with the position in the high word of wParam, and
// releasing it SB_THUMBPOSITION; every request ends with SB_ENDSCROLL. The
// owner moves the thumb (SetScrollPos).

constexpr DWORD SBS_HORZ = 0x0000;
constexpr DWORD SBS_VERT = 0x0001;
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;
constexpr WORD SB_LINEUP = 0, SB_LINELEFT = 0;
constexpr WORD SB_LINEDOWN = 1, SB_LINERIGHT = 1;
constexpr WORD SB_PAGEUP = 2, SB_PAGELEFT = 2;
constexpr WORD SB_PAGEDOWN = 3, SB_PAGERIGHT = 3;
constexpr WORD SB_THUMBPOSITION = 4;
constexpr WORD SB_THUMBTRACK = 5;
constexpr WORD SB_TOP = 6, SB_LEFT = 6;
constexpr WORD SB_BOTTOM = 7, SB_RIGHT = 7;
constexpr WORD SB_ENDSCROLL = 8;
// Of a scroll-bar control (SB_CTL); positions are held in the range.
int SetScrollRange(HWND window, int bar, int minimum, int maximum, BOOL redraw);
int SetScrollPos(HWND window, int bar, int position, BOOL redraw); // the old position
int GetScrollPos(HWND window, int bar);
BOOL GetScrollRange(HWND window, int bar, int *minimum, int *maximum);

// ---- Menus ----------------------------------------------------------------------------
// A menu is a bar (CreateMenu) or a pop-up (CreatePopupMenu) of entries; an
// entry with MF_POPUP opens the pop-up given as its id. "&" marks the letter
// that chooses an entry. Menus belong to the process; a window's menu bar goes
// when the window does.

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_SEPARATOR = 0x0800;
HMENU CreateMenu();
HMENU CreatePopupMenu();
BOOL AppendMenuA(HMENU menu, UINT flags, std::uintptr_t idOrPopup, const char *text);
BOOL DestroyMenu(HMENU menu);
// (EnableMenuItem greys and enables entries by their id, MF_BYCOMMAND.)
// Shows the window's menu bar anew (after entries were added).
BOOL DrawMenuBar(HWND window);

// ---- The open-file dialog -----------------------------------------------------------------

using LPOFNHOOKPROC = std::uintptr_t (*)(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
constexpr DWORD OFN_ENABLEHOOK = 0x00000020;
constexpr DWORD OFN_EXPLORER = 0x00080000;

struct OPENFILENAMEA {
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    const char *lpstrFilter; // pairs of description and patterns, each ending in NUL, then NUL
    char *lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex; // 1-based; 0 takes the first pair
    char *lpstrFile;    // the initial name in, the chosen path out
    DWORD nMaxFile;     // its size in bytes
    char *lpstrFileTitle;
    DWORD nMaxFileTitle;
    const char *lpstrInitialDir;
    const char *lpstrTitle;
    DWORD Flags;
    WORD nFileOffset;
    WORD nFileExtension;
    const char *lpstrDefExt;
    LPARAM lCustData;
    LPOFNHOOKPROC lpfnHook;
    const char *lpTemplateName;
};

// A modal dialog listing a folder (folders first, then the files matching the
// patterns of the chosen pair, separated by ';', without regard to case), a
// drop-down list of the pairs, a name field, OK and Cancel. A folder chosen
// opens; a file chosen ends the dialog with its path in lpstrFile (nothing is
// written when the path does not fit). It starts in the folder of the initial
// name (the working folder when that names none). With OFN_ENABLEHOOK the hook
// gets WM_INITDIALOG for a child of the dialog's window. Returns nonzero when a
// file was chosen; 0 on Cancel, Escape, or when the dialog cannot be shown
// (no display).
BOOL GetOpenFileNameA(OPENFILENAMEA *dialog);

// ---- Starting a program ----------------------------------------------------------------------

// Starts the command without waiting for it: its words split at blanks (a
// double-quoted part is one word), the first one looked up in PATH. Returns 33
// when it started, 2 when the program cannot be found or run (a result of 31
// or less is a failure).
UINT WinExec(const char *commandLine, UINT show);
