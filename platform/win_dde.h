// Memory blocks that a conversation between windows hands over, atoms, and
// the messages of such conversations (dynamic data exchange).
//
// The stand-in has one conversation partner of its own: the program manager,
// which a broadcast WM_DDE_INITIATE for the application and topic "PROGMAN"
// finds (platform/program_manager.h). It answers with WM_DDE_ACK from its
// window, runs the bracketed commands of a WM_DDE_EXECUTE and acknowledges
// them, and maps its program groups to desktop menu entries.
#pragma once
#include <cstddef>

#include "platform/win_types.h"

using HGLOBAL = std::intptr_t;

// ---- Memory blocks --------------------------------------------------------------
// A block belongs to the process; its handle stays valid until GlobalFree.

constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GMEM_DDESHARE = 0x2000;

// A block of size bytes, zero-filled; 0 when there is no memory.
HGLOBAL GlobalAlloc(UINT flags, std::size_t size);
// The block's address, or null for a handle that names no block.
void *GlobalLock(HGLOBAL block);
// TRUE while the block is still locked after this call.
BOOL GlobalUnlock(HGLOBAL block);
// 0 when freed, the handle when it named no block.
HGLOBAL GlobalFree(HGLOBAL block);
std::size_t GlobalSize(HGLOBAL block);

// ---- Atoms ---------------------------------------------------------------------------
// A table of strings of the process, compared without regard to case, each
// counted: an atom lives until it has been deleted as often as it was added.

// 0 for an empty or too long (over 255 characters) string.
ATOM GlobalAddAtomA(const char *text);
// 0 when done (the atom lives on while earlier adds still count it); the atom
// itself when it names none.
ATOM GlobalDeleteAtom(ATOM atom);
// Copies the atom's text (NUL-terminated, cut to capacity); its length, 0 for none.
UINT GlobalGetAtomNameA(ATOM atom, char *text, int capacity);

// ---- Conversations ---------------------------------------------------------------------

// SendMessageA to every top-level window of the calling thread ((HWND)-1 is
// taken as the same).
constexpr HWND HWND_BROADCAST = 0xFFFF;

constexpr UINT WM_DDE_FIRST = 0x03E0;
// wParam the client window; lParam the application atom (low word) and the
// topic atom (high word). Sent, usually to HWND_BROADCAST.
constexpr UINT WM_DDE_INITIATE = WM_DDE_FIRST;
// wParam the window that ends its side of the conversation. Posted.
constexpr UINT WM_DDE_TERMINATE = WM_DDE_FIRST + 1;
// wParam the window that acknowledges. In answer to WM_DDE_INITIATE (sent):
// lParam as the initiate's; in answer to WM_DDE_EXECUTE (posted): lParam the
// command block, which the client then frees.
constexpr UINT WM_DDE_ACK = WM_DDE_FIRST + 4;
// wParam the client window; lParam a memory block holding the command
// string, NUL-terminated. Posted.
constexpr UINT WM_DDE_EXECUTE = WM_DDE_FIRST + 8;
