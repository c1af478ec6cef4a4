// The quick-plot variables of the module kavlor (setvar): 57 named settings
// that the module keeps for the life of the process and applies to the library
// whenever it is open, and the module's memory of whether the script chose a
// device (metafl), which the quick plots keep.
#pragma once

#include "python/values.h"

// The value of a variable; which member holds it is the variable's type.
struct QuickPlotVariable {
    bool set = false;
    int ivalue = 0;
    float fvalue = 0.0f;
    char *text = nullptr; // the module's copy
};

// Applies variable index, or every set variable in table order when index is
// -1; nothing while the library is closed (the values wait for the next open).
void qqsetvar(int index);
// The index of the variable of that exact name when it is set, else -1.
int check_var(const char *name);
const QuickPlotVariable &quickPlotVariable(int index);

// Whether the script called metafl through the module: the quick plots then
// keep its device instead of opening a screen window.
bool deviceChosen();
