// The small set of window-system types and calls the library uses, declared
// for Linux and implemented in this folder over X11 and the C library; nothing
// else in the tree talks to X11 directly. The library includes this header.
#pragma once
#include "platform/win_controls.h"
#include "platform/win_dde.h"
#include "platform/win_gdi.h"
#include "platform/win_lz.h"
#include "platform/win_registry.h"
#include "platform/win_text.h"
#include "platform/win_timers.h"
#include "platform/win_types.h"
#include "platform/win_user.h"

// ---- Beyond the window system's calls ----------------------------------------

// Whether the calling thread has a connection to an X display (opened on the
// first call; DISPLAY unset or a server that cannot be reached give none).
BOOL DisplayPresent();
