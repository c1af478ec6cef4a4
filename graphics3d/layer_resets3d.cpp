// resall's defaults of the 3-D layer and the reset keywords of its settings.
#include "graphics3d/layer_resets3d.h"

#include <array>

#include "graphics3d/surface_settings.h"
#include "graphics3d/view_settings.h"
#include "kernel/polyline.h"
#include "kernel/record.h"

namespace {

const std::array kKeywords = {
    ResetKeyword{"NOHI",
                 [](GlobalRecord &rec) {
                     qqstrk(rec);
                     rec.surface.inohide = 0;
                 }},
    ResetKeyword{"SURS", [](GlobalRecord &rec) { rec.surface.isursze = 0; }},
    ResetKeyword{"AXIS", resetBoxLengths},
    ResetKeyword{"FLAB", [](GlobalRecord &rec) { rec.view3d.iflab3d = 1; }},
    ResetKeyword{"VIEW", [](GlobalRecord &rec) { rec.view3d.iview3d = 0; }},
};

void resetAll(GlobalRecord &rec) {
    rec.light = LightState{}; // lighting off, the default lights and material
    resetViewDefaults(rec);
    resetSurfaceDefaults(rec);
    rec.view3d.ipln3d = 0; // a plot ended inside grfini .. grffin leaves no plane behind
}

} // namespace

const LayerResets kGraphics3dResets{resetAll, kKeywords};
