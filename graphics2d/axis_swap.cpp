// swapxy: one axis drawn with another axis's options (the radius axes of
// polar systems, colour bars, 3-D axes); a second call undoes it.
#include <algorithm>
#include <utility>

#include "graphics2d/axis_system.h"
#include "kernel/record.h"

void swapxy(GlobalRecord &rec, int iax1, int iax2) {
    if (iax1 < 1 || iax1 > 3 || iax2 < 1 || iax2 > 3 || iax1 == iax2) return;
    const int i = iax1 - 1, j = iax2 - 1;
    AxisOptionState &o = rec.axes;
    for (int(*field)[kAxisCount] :
         {&o.inoline, &o.nticks, &o.ilabels, &o.ilabcls, &o.ilabexp, &o.ilabkin, &o.ilogax,
          &o.ndigits, &o.iticpos, &o.ilabpos, &o.ilabtyp, &o.ilabjus, &o.iaxends, &o.nlabdis,
          &o.nnamdis, &o.inamjus, &o.nmylab})
        std::swap((*field)[i], (*field)[j]);
    for (int part = 0; part < 4; ++part)
        std::swap(o.naxclr[4 * i + part], o.naxclr[4 * j + part]);
    const int mi = o.nmylab[i] < 0 ? -o.nmylab[i] : o.nmylab[i];
    const int mj = o.nmylab[j] < 0 ? -o.nmylab[j] : o.nmylab[j];
    const int labels = std::min(std::max(mi, mj), kUserLabels);
    for (int k = 0; k < labels; ++k)
        std::swap(o.cmylab[i][k], o.cmylab[j][k]);
}
