// The widget context of a record: made by the first widget routine, freed
// with the record; the common checks of all widget routines, their message
// boxes, table growth and the keyword lookup of the setters.
#include <cstring>
#include <new>
#include <string>

#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/text_utils.h"
#include "widgets/widget_routines.h"

namespace {

// A widget callback's id passed by address: the id is kept here while it runs.
thread_local bool idByAddressRequested = false;

} // namespace

void WidgetContextDeleter::operator()(WidgetContext *context) const {
    // A dialog whose loop is running holds the context: it stays until the
    // process ends.
    if (context == nullptr || context->runningLoops > 0) return;
    for (int i = 0; i < context->count; ++i)
        if (context->entry(i).brush != 0) DeleteObject(context->entry(i).brush);
    for (int i = 0; i < context->fontCount; ++i)
        DeleteObject(context->fonts[i]);
    if (context->fontDc != 0) ReleaseDC(0, context->fontDc);
    delete context;
}

WidgetContext *qqdglb(const char *routine) {
    GlobalRecord *rec = jqqlev(0, 3, routine);
    if (rec == nullptr) return nullptr;
    WidgetContext *c = rec->widget.pwidget.get();
    if (c == nullptr) {
        c = new (std::nothrow) WidgetContext;
        if (c != nullptr) {
            c->entries.reset(new (std::nothrow) WidgetEntry[kTableStep]);
            if (!c->entries) {
                delete c;
                c = nullptr;
            }
        }
        if (c == nullptr) {
            qqderr("Not enough memory", routine);
            return nullptr;
        }
        c->capacity = kTableStep;
        c->idByValue = idByAddressRequested ? 0 : 1;
        rec->widget.pwidget.reset(c);
    }
    qqcopy(c->routine, routine);
    return c;
}

void qqderr(const char *text, const char *routine) {
    char shown[126 + 1];
    qqcopy(shown, text);
    const std::string box = std::string(">>>> ") + shown + "!";
    MessageBoxA(0, box.c_str(), routine, MB_OK);
}

void qqderr(const WidgetContext &c, const char *text) {
    qqderr(text, c.routine);
}

// The parent's ID is checked before it becomes an index, so that no ID, not
// even INT_MIN, is taken one below its range.
bool qqdcip(WidgetContext &c, int parentId, int entriesNeeded) {
    if (c.state != 1) {
        qqderr(c, "No call to wgini before");
        return false;
    }
    const int parentIndex = parentId >= 1 && parentId <= c.count ? parentId - 1 : -1;
    if (parentIndex < 0 || (c.entry(parentIndex).kind != WidgetKind::Main &&
                            c.entry(parentIndex).kind != WidgetKind::Container)) {
        qqderr(c, "Not allowed parent ID");
        return false;
    }
    return qqdalloc(c, entriesNeeded);
}

bool qqdcid(WidgetContext &c, int id) {
    if (id < 1 || id > c.count) {
        qqderr(c, "Not allowed widget ID");
        return false;
    }
    return true;
}

bool qqdctyp(WidgetContext &c, int id, std::initializer_list<WidgetKind> kinds) {
    if (id >= 1 && id <= c.count)
        for (const WidgetKind k : kinds)
            if (c.entry(id - 1).kind == k) return true;
    qqderr(c, "Not allowed ID");
    return false;
}

bool qqdcini(WidgetContext &c) {
    if (c.state == 0) {
        qqderr(c, "No call to wgini before");
        return false;
    }
    return true;
}

bool qqdcheck(WidgetContext &c) {
    if (c.state != 1) {
        qqderr(c, "Routine must be used between wgini and wgfin");
        return false;
    }
    return true;
}

bool qqdalloc(WidgetContext &c, int n) {
    if (c.count + n <= c.capacity) return true;
    const int capacity =
        c.capacity + kTableStep * ((c.count + n - c.capacity + kTableStep - 1) / kTableStep);
    std::unique_ptr<WidgetEntry[]> grown(new (std::nothrow) WidgetEntry[std::size_t(capacity)]);
    if (!grown) {
        qqderr(c, "Too many widgets");
        return false;
    }
    for (int i = 0; i < c.count; ++i)
        grown[std::size_t(i)] = std::move(c.entry(i));
    c.entries = std::move(grown);
    c.capacity = capacity;
    return true;
}

int jwgind(const char *list, int n, const char *argument, const char *routine) {
    char key[5] = "    ";
    for (int i = 0; i < 4 && argument != nullptr && argument[i] != '\0'; ++i)
        key[i] = upperAscii(argument[i]);
    for (int i = 0; i < n; ++i)
        if (std::strncmp(list + 5 * i, key, 4) == 0) return i + 1;
    char shown[41] = "";
    qqcopy(shown, argument != nullptr ? argument : "");
    qqderr((std::string("Not allowed parameter ") + shown).c_str(), routine);
    return 0;
}

void qqdlang(const int *flag) {
    const bool byValue = flag == nullptr || *flag != 0;
    idByAddressRequested = !byValue;
    if (GlobalRecord *rec = jqqlev(0, 3, "qqdlang"))
        if (WidgetContext *c = rec->widget.pwidget.get()) c->idByValue = byValue ? 1 : 0;
}
