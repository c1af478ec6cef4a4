// itmcat: the list with an item added, in a buffer the module sizes from both
// texts (the whole list, the item, a separator and a NUL).
#include "python/routines.h"

#ifdef KAVLOR_HAS_itmcat
#include "python/values.h"

#include <kavlor.h>

PyObject *kavlor_itmcat(PyObject *, PyObject *args) {
    Text items, item;
    if (!PyArg_ParseTuple(args, "O&O&:itmcat", Text::convert, &items, Text::convert, &item))
        return nullptr;
    TextBuffer list;
    if (!list.take(items.size() + item.size() + 2, items)) {
        PyErr_SetString(PyExc_MemoryError, "out of memory in imtcat");
        return nullptr;
    }
    itmcat(list.data(), item.c_str());
    return textResult(list.data(), list.size());
}
#endif
