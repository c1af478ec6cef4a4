// The start of the module kavlor: it registers the method table and nothing
// else; the library stays closed until a script opens a plot.
#include "python/method_table.h"

namespace {

PyModuleDef kavlorModule = {
    PyModuleDef_HEAD_INIT,
    "kavlor",      // name
    nullptr,       // documentation
    -1,            // the module keeps its state in static data
    kavlorMethods, // methods
    nullptr,       // slots
    nullptr,       // traverse
    nullptr,       // clear
    nullptr,       // free
};

} // namespace

PyMODINIT_FUNC PyInit_kavlor(void) {
    return PyModule_Create(&kavlorModule);
}
