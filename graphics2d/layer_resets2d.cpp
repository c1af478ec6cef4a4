// resall's defaults of the 2-D layer and the reset keywords of its settings.
#include "graphics2d/layer_resets2d.h"

#include <array>

#include "graphics2d/axis_defaults.h"
#include "graphics2d/axis_system.h"
#include "graphics2d/bars.h"
#include "graphics2d/colour_range.h"
#include "graphics2d/contours.h"
#include "graphics2d/curves.h"
#include "graphics2d/filled_contours.h"
#include "graphics2d/gridding.h"
#include "graphics2d/legend.h"
#include "graphics2d/map_options.h"
#include "graphics2d/pies.h"
#include "kernel/page.h"
#include "kernel/record.h"

namespace {

template <std::size_t N> void fillTriple(int (&triple)[N], int value) {
    for (int &v : triple)
        v = value;
}

// The digits after the point of axis, bar, contour and pie labels.
void resetDigits(GlobalRecord &rec) {
    fillTriple(rec.axes.ndigits, 1);
    rec.bar.nbardig = 1;
    rec.contour.ncondig = 1;
    rec.pie.npiedig = 1;
    rec.pie.npieper = 1;
}

const std::array kKeywords = {
    ResetKeyword{"LINC", setLineCycle},
    ResetKeyword{"PATC", setPatternCycle},
    ResetKeyword{"CONC", [](GlobalRecord &rec) { rec.contfill.nconclr = 0; }},
    ResetKeyword{"CONG", [](GlobalRecord &rec) { rec.contour.xcongap = 0.5f; }},
    ResetKeyword{"CONM", [](GlobalRecord &rec) {
                   rec.contour.xconmod[0] = 0.5f;
                   rec.contour.xconmod[1] = 1.5f;
               }},
    ResetKeyword{"MDFM", resetGriddingDefaults},
    ResetKeyword{"AUTR", [](GlobalRecord &rec) { rec.axsys.iautres = 0; }},
    ResetKeyword{"AX3L", resetAxisLengths3d},
    ResetKeyword{"AXCL", resetAxisColours},
    ResetKeyword{"AXEN", [](GlobalRecord &rec) { fillTriple(rec.axes.iaxends, 0); }},
    ResetKeyword{"AXSL", resetAxisLengths},
    ResetKeyword{"AXSP", resetAxisPosition},
    ResetKeyword{"BARD", [](GlobalRecord &rec) { rec.bar.ibarlab = int(BarLabel::none); }},
    ResetKeyword{"BARG", [](GlobalRecord &rec) { rec.bar.nbargrp = 1; }},
    ResetKeyword{"BARP", [](GlobalRecord &rec) { rec.bar.ibarpos[0] = rec.bar.ibarpos[1] = 0; }},
    ResetKeyword{"BART", [](GlobalRecord &rec) { rec.bar.ibartyp = int(BarKind::vertical); }},
    ResetKeyword{"BARW", [](GlobalRecord &rec) { rec.curve.xbarwth = 0.75f; }},
    ResetKeyword{"CENT", [](GlobalRecord &rec) { rec.axsys.icenter = 0; }},
    ResetKeyword{"CHNC", [](GlobalRecord &rec) { rec.curve.ichncrv = 0; }},
    ResetKeyword{"CHNP", [](GlobalRecord &rec) { rec.bar.ichnpie = int(BarCycling::pattern); }},
    ResetKeyword{"DIGI", resetDigits},
    ResetKeyword{"EXPZ", [](GlobalRecord &rec) { rec.axes.iexpzlb = 0; }},
    ResetKeyword{"GAPC", [](GlobalRecord &rec) { rec.curve.igapcrv = 0; }},
    ResetKeyword{"GRAC", [](GlobalRecord &rec) { rec.axsys.igrace = -1; }},
    ResetKeyword{"HNAM", [](GlobalRecord &rec) { rec.axes.nhname = jqquni(rec, 36); }},
    ResetKeyword{"HTIT", [](GlobalRecord &rec) { rec.title.nhtitle = 0; }},
    ResetKeyword{"INTA", resetDigits},
    ResetKeyword{"LABC", [](GlobalRecord &rec) {
                   rec.bar.nbarlbc = -1;
                   rec.pie.npielbc = -1;
                   rec.contour.nconlbc = -1;
               }},
    ResetKeyword{"LABD", resetLabelDistances},
    ResetKeyword{"LABE", [](GlobalRecord &rec) {
                   resetLabelKinds(rec);
                   rec.bar.ibarlab = int(BarLabel::none);
                   rec.pie.ipielab = 1;
               }},
    ResetKeyword{"LABJ", [](GlobalRecord &rec) { fillTriple(rec.axes.ilabjus, 0); }},
    ResetKeyword{"LABP", [](GlobalRecord &rec) {
                   fillTriple(rec.axes.ilabpos, 0);
                   rec.bar.ibarlbp = kBarLabelAuto;
                   rec.pie.ipielbp = 0;
               }},
    ResetKeyword{"LABT", [](GlobalRecord &rec) {
                   fillTriple(rec.axes.ilabtyp, 0);
                   rec.pie.ipielbt = 0;
               }},
    ResetKeyword{"LFTT", [](GlobalRecord &rec) { rec.title.ititjus = 0; }},
    ResetKeyword{"LEGC", [](GlobalRecord &rec) { rec.legend.ilegclr = 0; }},
    ResetKeyword{"LOGT", [](GlobalRecord &rec) { rec.axes.ilogtic = 0; }},
    ResetKeyword{"MAPM", resetMapLineMode},
    ResetKeyword{"MAPP", resetMapCentre},
    ResetKeyword{"MAPR", resetMapParallels},
    ResetKeyword{"MAPS", resetMapCap},
    ResetKeyword{"MIXL", [](GlobalRecord &rec) { rec.legend.imixleg = 0; }},
    ResetKeyword{"MYLA", [](GlobalRecord &rec) { fillTriple(rec.axes.nmylab, 0); }},
    ResetKeyword{"NAMD", resetNameDistances},
    ResetKeyword{"NAME", resetAxisNames},
    ResetKeyword{"NEGL", [](GlobalRecord &rec) { rec.axes.ineglog = 0; }},
    ResetKeyword{"NOBA", [](GlobalRecord &rec) { rec.axsys.inobar = 1; }},
    ResetKeyword{"NOBG", [](GlobalRecord &rec) { rec.axsys.inobgd = 0; }},
    ResetKeyword{"NOGR", [](GlobalRecord &rec) { rec.axsys.inograf = 0; }},
    ResetKeyword{"NOLI", [](GlobalRecord &rec) { fillTriple(rec.axes.inoline, 1); }},
    ResetKeyword{"PIEE", [](GlobalRecord &rec) { rec.pie.ipieexp = 0; }},
    ResetKeyword{"PIEL", [](GlobalRecord &rec) {
                   rec.pie.cpielab[0][0] = '\0';
                   rec.pie.cpielab[1][0] = '\0';
               }},
    ResetKeyword{"PIEV", [](GlobalRecord &rec) {
                   rec.pie.npievec[0] = 0;
                   rec.pie.npievec[1] = 2301;
               }},
    ResetKeyword{"POLC", [](GlobalRecord &rec) { rec.curve.ipolcrv = 0; }},
    ResetKeyword{"PROJ", resetMapProjection},
    ResetKeyword{"RGTL", [](GlobalRecord &rec) { rec.axes.irgtlab = 0; }},
    ResetKeyword{"RVYN", [](GlobalRecord &rec) { rec.axes.irvynam = 0; }},
    ResetKeyword{"SCAL", [](GlobalRecord &rec) { fillTriple(rec.axes.ilogax, 0); }},
    ResetKeyword{"SETG", resetSideLevels},
    ResetKeyword{"SETR", resetColourCellSize},
    ResetKeyword{"SETS", [](GlobalRecord &rec) { fillTriple(rec.axes.isetscl, 0); }},
    ResetKeyword{"THKC", [](GlobalRecord &rec) { rec.curve.nthkcrv = 1; }},
    ResetKeyword{"TICK", [](GlobalRecord &rec) { fillTriple(rec.axes.nticks, 2); }},
    ResetKeyword{"TICL", resetTickLengths},
    ResetKeyword{"TICP", [](GlobalRecord &rec) { fillTriple(rec.axes.iticpos, 0); }},
    ResetKeyword{"TIMO", [](GlobalRecord &rec) { rec.axes.itimopt = 0; }},
    ResetKeyword{"TITL", resetTitleLines},
    ResetKeyword{"VKXB", [](GlobalRecord &rec) { rec.axsys.nvkxbar = 0; }},
    ResetKeyword{"VKYB", [](GlobalRecord &rec) { rec.axsys.nvkybar = 0; }},
    ResetKeyword{"VKYT", [](GlobalRecord &rec) { rec.title.nvkytit = 0; }},
    ResetKeyword{"WIDB", [](GlobalRecord &rec) { rec.axsys.nwidbar = jqquni(rec, 85); }},
    ResetKeyword{"ZSCA", resetColourRange},
};

void resetAll(GlobalRecord &rec) {
    resetAxisDefaults(rec);
    resetAxisSystemDefaults(rec);
    resetCurveDefaults(rec);
    resetLegendDefaults(rec);
    resetContourDefaults(rec);
    resetFilledContourDefaults(rec);
    resetGriddingDefaults(rec);
    resetBarDefaults(rec);
    resetPieDefaults(rec);
    resetMapDefaults(rec);
    rec.polar = PolarState{};
    resetColourRange(rec);
    resetCurveAttributes(rec);
    setLineCycle(rec);
    setPatternCycle(rec);
}

// A plot closed inside an axis system leaves its counters behind: the next
// plot's curves would be numbered on from them, and its legend would show
// this plot's curves. Each plot starts with them cleared and with no legend,
// so that the same calls draw the same plot every time.
void newPlot(GlobalRecord &rec) {
    clearAxisSystemCounters(rec);
    rec.legend = LegendState{};
}

} // namespace

const LayerResets kGraphics2dResets{resetAll, kKeywords, newPlot};
