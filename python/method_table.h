// The method table of the module kavlor, which generate_wrappers.py writes:
// every wrapper under its routine's name, in the table's order, then the
// quick plots and setvar.
#pragma once

#include "python/values.h"

extern PyMethodDef kavlorMethods[];
