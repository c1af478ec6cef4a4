// The check that every routine drawing in the box of graf3d starts with.
#pragma once

struct GlobalRecord;

// The record at level 3 inside the box of graf3d; null after the level's
// warning 3, or after warning 35 at the level 3 of graf3, which has no box.
GlobalRecord *jqqbox(const char *name);
