// The callbacks of the module kavlor (callbacks.cpp): the exception a callable
// raised while the library called it back.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

// True when a callable that the library call the wrapper just made called
// back has raised: its exception is set for the wrapper to return null, and
// the library draws again.
bool callbackRaised();
