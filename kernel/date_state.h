// DateState: the base date that date axes count their days from.
#pragma once

struct DateState {
    // day, month, year, day of the year, and 1 once basdat has set a base date
    // (0 until then: incdat then refuses to count).
    int nbasdat[5] = {0, 0, 0, 0, 0};
};
