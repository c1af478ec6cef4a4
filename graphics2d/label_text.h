// The texts of axis labels: numbers, exponent forms, powers of ten, degrees,
// times of day, dates and user labels; and the label ranges of date axes.
#pragma once
#include <cstddef>

#include "graphics2d/axis_options.h"
#include "kernel/number_text.h"
#include "kernel/text_state.h"

struct GlobalRecord;

// Room for any label text.
constexpr std::size_t kLabelTextSize = kNumberTextSize + 16;

// The text of the label with value v (exponent on a logarithmic axis when
// logarithmic is 1) and index (0-based, for user labels) of axis 1..3.
void glabxy(GlobalRecord &rec, float v, int index, int logarithmic, int axis, char *out);

// The value a label of kind `kind` shows, in place: EXP and
// FEXP labels show a value next to zero (rounding of first + i step) as 0.
// False for the label at the origin of crossed axes, which is left out.
bool shownLabelValue(const GlobalRecord &rec, LabelKind kind, float step, float &v);

// The date label of a day, month and year in the date forms of axis 1..3.
void qqlbdt(GlobalRecord &rec, int day, int month, int year, int axis, char *out);

// Number of month steps of kind 1..5 (MONT QUAR HALF YEAR DMON) from day
// number start to end.
int jqqnlb(GlobalRecord &rec, float start, float end, int kind);

// Day number of month-step label i from start towards end; width receives the
// width of a step in days for placing labels between ticks (30, 365 for YEAR).
float qqxlab(GlobalRecord &rec, float start, float end, int &width, int i, int kind);

// The labels drawn of n + 1: indices first..last by increment, by end mode
// NONE NOFI NOLA NOEN ENDS FIRS LAST.
void endpar(int n, int mode, int &first, int &last, int &increment);

// The text settings labels are drawn or measured with, for the life of the
// object: exponent characters on and formulas off (mixed), and the German
// escape character ! (germanEscape); everything is restored afterwards.
class LabelTextScope {
  public:
    LabelTextScope(GlobalRecord &rec, bool mixed, bool germanEscape);
    ~LabelTextScope();
    LabelTextScope(const LabelTextScope &) = delete;
    LabelTextScope &operator=(const LabelTextScope &) = delete;

  private:
    GlobalRecord &rec_;
    int imixalf_, itexmod_, ieushft_;
    int ceushft_[kEscapeKinds];
};
