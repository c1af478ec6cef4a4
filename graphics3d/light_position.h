// Light positions between their stored forms and the absolute box.
#pragma once

struct GlobalRecord;

// Modes of a light position (LightState.ilitpos).
constexpr int kLightAbs = 1;
constexpr int kLightUser = 2;
constexpr int kLightAngle = 3;

// True while a 3-D axis system is open (level 3 and the 3-D box; graf3
// reaches level 3 as well, with no box).
bool in3dAxisSystem(const GlobalRecord &rec);

// Between absolute box coordinates and user values of axis 0 (X), 1 (Y) or
// 2 (Z) of the open 3-D axis system, linear in its limits (exponents on
// logarithmic axes), as graf3d converts USER positions.
float absoluteToUser(const GlobalRecord &rec, int axis, float b);
float userToAbsolute(const GlobalRecord &rec, int axis, float v);

// Where light i (0..7) shines from, in absolute box coordinates. Inside a 3-D
// axis system a USER position stored there is taken through that system's
// limits; outside one it has no box to go into and is read as it stands.
void absoluteLightPosition(const GlobalRecord &rec, int i, float p[3]);
