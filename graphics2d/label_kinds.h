// The label kind of an axis and the words derived from it: the log-label form
// (ilabcls), the exponent flag (ilabexp) and the label class (ilabkin).
#pragma once
#include "graphics2d/axis_options.h"

struct GlobalRecord;

// Label classes (ilabkin).
enum class LabelClass { numbers = 0, times = 1, degrees = 2, dates = 3 };
// Log-label forms (ilabcls).
enum class LogLabelForm { powers = 1, values = 2, exponents = 3 };

// Stores the kind of axis 0..2 and its derived words.
void setLabelKind(GlobalRecord &rec, int axis, LabelKind kind);
