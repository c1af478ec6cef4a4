// The axes of the 3-D box, drawn by graf3d: STAN as 2-D axes in faces of the
// box, HORI, PARA and OTHE as page text at projected points.
#pragma once

struct GlobalRecord;

void grflab(GlobalRecord &rec, float xa, float xe, float xor_, float xstp, float ya, float ye,
            float yor, float ystp, float za, float ze, float zor, float zstp);
void grflab2(GlobalRecord &rec, float xa, float xe, float xor_, float xstp, float ya, float ye,
             float yor, float ystp, float za, float ze, float zor, float zstp);
