// FrameState: the frame thickness and colour that axis systems, included
// pictures and user shields are framed with (frame, frmclr).
#pragma once

struct FrameState {
    int nframe = 1;   // frame thickness in plot units: > 0 outwards, < 0 inwards, 0 none
    int nfrmclr = -1; // frame colour; -1 the current colour
};
