// GlobalRecord: all state of the library for one thread, grouped by topic.
//
// A record is created value-initialised on the first call of a public routine in
// a thread; the member initialisers of the topic structs are the first-use
// defaults. kavini and resall give the plot parameters their defaults.
#pragma once
#include "devices/device_state.h"
#include "devices/image_state.h"
#include "devices/include_state.h"
#include "devices/vector_state.h"
#include "graphics2d/axis_options.h"
#include "graphics2d/axis_system_state.h"
#include "graphics2d/bar_state.h"
#include "graphics2d/colour_range_state.h"
#include "graphics2d/contour_points_state.h"
#include "graphics2d/contour_state.h"
#include "graphics2d/curve_state.h"
#include "graphics2d/filled_contour_state.h"
#include "graphics2d/gridding_state.h"
#include "graphics2d/legend_state.h"
#include "graphics2d/map_state.h"
#include "graphics2d/pie_state.h"
#include "graphics2d/polar_state.h"
#include "graphics2d/shaded_curve_state.h"
#include "graphics2d/title_state.h"
#include "graphics3d/depth_sort_state.h"
#include "graphics3d/light_state.h"
#include "graphics3d/projection_state.h"
#include "graphics3d/surface_state.h"
#include "graphics3d/zbuffer_state.h"
#include "kernel/clip_state.h"
#include "kernel/colour_state.h"
#include "kernel/core_state.h"
#include "kernel/date_state.h"
#include "kernel/figure_state.h"
#include "kernel/fill_state.h"
#include "kernel/font_state.h"
#include "kernel/format_state.h"
#include "kernel/frame_state.h"
#include "kernel/horizon_state.h"
#include "kernel/line_state.h"
#include "kernel/logo_state.h"
#include "kernel/message_state.h"
#include "kernel/number_state.h"
#include "kernel/output_state.h"
#include "kernel/page_state.h"
#include "kernel/shield_state.h"
#include "kernel/spline_state.h"
#include "kernel/symbol_state.h"
#include "kernel/tex_state.h"
#include "kernel/text_state.h"
#include "kernel/transform_state.h"
#include "kernel/window_state.h"
#include "widgets/widget_state.h"

struct GlobalRecord {
    CoreState core;              // level, routine name, constants, device
    MessageState msg;            // warnings and the message stream
    PageState page;              // page, units, scaling, origin
    WindowState win;             // screen-window placement and behaviour
    OutputState out;             // output file, file modes, record buffer
    FormatState format;          // file-format options
    ColourState colour;          // colour table and colour values
    LineState line;              // polyline buffer
    ClipState clip;              // clip rectangle or circle
    TransformState trf;          // base transformation
    NumberState number;          // number format and national characters of plotted numbers
    DateState date;              // base date of date axes
    SplineState spline;          // spline degree and number of interpolated points
    DeviceState dev;             // the pixel drivers (screen and memory raster)
    FillState fill;              // shading pattern, hatch lines, fill work memory
    ShieldState shield;          // shields: areas where lines are not drawn
    HorizonState horizon;        // floating horizon of hidden-line surfaces
    VectorFileState vec;         // pen paths and writers of the vector files
    TextState text;              // text settings and the string being drawn
    FontState font;              // stroke and device fonts
    TexState tex;                // formula notation
    SymbolState symbol;          // marker symbols
    FrameState frame;            // frames of axis systems, pictures and shields
    FigureState figure;          // circles, arcs, rounded rectangles
    LogoState logo;              // the vector logo
    ImageState img;              // image mode, pixel access, the image clip rectangle
    IncludeState incl;           // included files and TIFF images
    AxisOptionState axes;        // options of the axes: ticks, labels, names, scaling
    AxisSystemState axsys;       // the current axis system and its user-to-plot transformation
    TitleState title;            // titles of axis systems
    CurveState curve;            // curve modes and the attribute cycle
    LegendState legend;          // attributes of the legend entries
    ContourState contour;        // contour labels, the line being traced, the tracer's memory
    FilledContourState contfill; // band colours of filled contours, the polygon being filled
    BarState bar;                // bar graphs: options, group counters, the bars being drawn
    MapState map;                // options of map axis systems and map data
    ShadedCurveState shdcrv;     // areas shaded between curves in the current axis system
    ColourRangeState zrange;     // the z range zscale fixes for colour scaling
    Projection3DState view3d;    // the 3-D axis system, its view and projection
    LightState light;            // lights and material of lit surfaces
    SurfaceState surface;        // options of mesh and shaded surfaces
    ZBufferState zbuf;           // the z-buffer opened by zbfini
    DepthSortState dsort;        // the depth-sort buffer of flat-shaded faces
    ContourPointsState contpts;  // the caller's arrays that conpts fills
    GriddingState gridding;      // reach and weight exponent of getmat
    PolarState polar;            // angle origin and direction of polar axis systems
    PieState pie;                // options of pie charts
    WidgetState widget;          // the dialog widgets
};
