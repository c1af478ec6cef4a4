// Local date and time texts, and dattim.
#include "kernel/date_time.h"

#include <cstdio>
#include <cstring>
#include <ctime>

#include "kavlor.h"

namespace {

std::tm localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return parts;
}

} // namespace

const char *dddate() {
    thread_local char text[32];
    const std::tm t = localNow();
    std::snprintf(text, sizeof text, "%02d.%02d.%4d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900);
    return text;
}

const char *ddtime() {
    thread_local char text[32];
    const std::tm t = localNow();
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}

extern "C" void dattim(char *date, char *time) {
    if (date != nullptr) std::memcpy(date, dddate(), 11);
    if (time != nullptr) std::memcpy(time, ddtime(), 9);
}
