#include "graphics3d/box_level.h"

#include "kernel/levels.h"
#include "kernel/record.h"
#include "kernel/warnings.h"

GlobalRecord *jqqbox(const char *name) {
    GlobalRecord *rec = jqqlev(3, 3, name);
    if (rec == nullptr) return nullptr;
    if (rec->axsys.igrftyp != 3) {
        warnin(Warning::graf3dConfusion);
        return nullptr;
    }
    return rec;
}
