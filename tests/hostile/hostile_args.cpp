// The harmless and the hostile values of each kind of parameter.
#include "tests/hostile/hostile_args.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
#include <sstream>

#include "kavlor.h"

namespace {

// Arrays are long enough for every count the harmless values can make
// (3 x 3 x 3 points of a cube, 3 + 3 points of a triangulation's scratch).
constexpr int kElements = 4096;
constexpr int kTextBytes = 65536;
constexpr int kHarmlessInt = 3;
// Harmless floats by their place in the call: axis systems get a range, a
// first label and a step (0, 1, 0, 0.5) on every axis.
constexpr float kHarmlessReals[4] = {0.0f, 1.0f, 0.0f, 0.5f};

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

// The far values pass the checks for the ends of the range and drive loops
// whose count comes from the value.
const int kIntegers[] = {INT_MIN, INT_MAX, -1, 0, -1000000000, 1000000000};
const char *const kIntegerNames[] = {"INT_MIN", "INT_MAX", "-1", "0", "-1e9", "+1e9"};
const int kCounts[] = {0, -1, INT_MIN};
const char *const kCountNames[] = {"0", "-1", "INT_MIN"};
const short kShorts[] = {SHRT_MIN, SHRT_MAX, -1};
const char *const kShortNames[] = {"SHRT_MIN", "SHRT_MAX", "-1"};
const float kFloatMax = std::numeric_limits<float>::max();
const float kReals[] = {kNaN, kInf, -kInf, kFloatMax, -kFloatMax, 1e7f, -1e7f, 1e9f, -1e9f, -1e5f};
const char *const kRealNames[] = {"NaN",  "+inf", "-inf", "FLT_MAX", "-FLT_MAX",
                                  "+1e7", "-1e7", "+1e9", "-1e9",    "-1e5"};
const char *const kTextNames[] = {"empty", "long", "non-Latin-1"};
const char *const kFloatArrayNames[] = {"NULL", "all-NaN", "all-inf"};
const char *const kIntArrayNames[] = {"NULL", "all-INT_MIN", "all-INT_MAX"};
const char *const kNullName[] = {"NULL"};

const std::string &longText() {
    static const std::string text = [] {
        std::string t;
        while (t.size() < 10000)
            t += "Long text ";
        return t.substr(0, 10000);
    }();
    return text;
}

// UTF-8 letters outside Latin-1, C1 control bytes and the byte 0xFF.
const char kNonLatin1[] =
    "\xce\xa9\xe2\x89\x88 \xe6\xbc\xa2\xe5\xad\x97 \xf0\x9f\x98\x80 Gr\xc3\xb6\xc3\x9f"
    "e \x80\x9b\x9f\xff end";

} // namespace

int hostileValues(Kind kind) {
    switch (kind) {
    case Kind::integer: return int(std::size(kIntegers));
    case Kind::count: return int(std::size(kCounts));
    case Kind::shortInt: return int(std::size(kShorts));
    case Kind::real: return int(std::size(kReals));
    case Kind::text: return 3;
    case Kind::floatArray:
    case Kind::intArray: return 3;
    case Kind::stream:
    case Kind::callback:
    case Kind::shortArray:
    case Kind::byteArray:
    case Kind::charBuffer: return 1;
    case Kind::intOut:
    case Kind::floatOut: return 0;
    }
    return 0;
}

const char *hostileName(Kind kind, int value) {
    switch (kind) {
    case Kind::integer: return kIntegerNames[value];
    case Kind::count: return kCountNames[value];
    case Kind::shortInt: return kShortNames[value];
    case Kind::real: return kRealNames[value];
    case Kind::text: return kTextNames[value];
    case Kind::floatArray: return kFloatArrayNames[value];
    case Kind::intArray: return kIntArrayNames[value];
    default: return kNullName[0];
    }
}

Args::Args(const Routine &routine, int param, int value, const HarmlessCall *harmless)
    : routine_(routine), param_(param), value_(value), harmless_(harmless),
      buffers_(routine.params.size()) {}

Args::~Args() = default;

template <class T> T *Args::buffer(int i) {
    const int n = std::is_same_v<T, char> ? kTextBytes : kElements;
    if (!buffers_[std::size_t(i)]) buffers_[std::size_t(i)] = std::make_shared<T[]>(std::size_t(n));
    return static_cast<T *>(buffers_[std::size_t(i)].get());
}

const std::string *Args::own(int i) const {
    if (harmless_ == nullptr || hostile(i)) return nullptr;
    const auto found = harmless_->values.find(routine_.params[std::size_t(i)].name);
    return found == harmless_->values.end() ? nullptr : &found->second;
}

template <class T> void Args::fill(T *a, int n, const std::string &text) const {
    std::vector<T> values;
    std::istringstream list(text);
    for (std::string item; std::getline(list, item, ',');)
        values.push_back(static_cast<T>(std::stod(item)));
    for (int k = 0; k < n && !values.empty(); ++k)
        a[k] = values[std::size_t(k) % values.size()];
}

int Args::integer(int i) const {
    if (const std::string *v = own(i)) return int(std::stol(*v, nullptr, 0));
    if (!hostile(i)) return kHarmlessInt;
    return routine_.params[std::size_t(i)].kind == Kind::count ? kCounts[value_]
                                                               : kIntegers[value_];
}

short Args::shortInt(int i) const {
    if (const std::string *v = own(i)) return short(std::stol(*v, nullptr, 0));
    return hostile(i) ? kShorts[value_] : short(kHarmlessInt);
}

float Args::real(int i) const {
    if (const std::string *v = own(i)) return std::stof(*v);
    return hostile(i) ? kReals[value_] : kHarmlessReals[i % 4];
}

const char *Args::text(int i) const {
    if (const std::string *v = own(i)) return v->c_str();
    if (!hostile(i)) return "XYZ";
    switch (value_) {
    case 0: return "";
    case 1: return longText().c_str();
    default: return kNonLatin1;
    }
}

FILE *Args::stream(int i) const {
    return hostile(i) ? nullptr : stdout;
}

float *Args::floats(int i) {
    if (hostile(i) && value_ == 0) return nullptr;
    float *a = buffer<float>(i);
    for (int k = 0; k < kElements; ++k)
        a[k] = !hostile(i) ? 1.0f + 0.5f * float(k) : value_ == 1 ? kNaN : kInf;
    if (const std::string *v = own(i)) fill(a, kElements, *v);
    return a;
}

int *Args::ints(int i) {
    if (hostile(i) && value_ == 0) return nullptr;
    int *a = buffer<int>(i);
    for (int k = 0; k < kElements; ++k)
        a[k] = !hostile(i) ? k % 3 : value_ == 1 ? INT_MIN : INT_MAX;
    if (const std::string *v = own(i)) fill(a, kElements, *v);
    return a;
}

short *Args::shorts(int i) {
    if (hostile(i)) return nullptr;
    short *a = buffer<short>(i);
    for (int k = 0; k < kElements; ++k)
        a[k] = short(k % 3);
    if (const std::string *v = own(i)) fill(a, kElements, *v);
    return a;
}

unsigned char *Args::bytes(int i) {
    if (hostile(i)) return nullptr;
    unsigned char *a = buffer<unsigned char>(i);
    for (int k = 0; k < kElements; ++k)
        a[k] = static_cast<unsigned char>(k);
    if (const std::string *v = own(i)) fill(a, kElements, *v);
    return a;
}

// A short text at the start of a zeroed buffer: a string to read or to
// append to, and room for anything the routine writes.
char *Args::chars(int i) {
    if (hostile(i)) return nullptr;
    char *a = buffer<char>(i);
    std::memset(a, 0, kTextBytes);
    const std::string *v = own(i);
    const std::string text = v != nullptr ? *v : "AB";
    std::memcpy(a, text.data(), std::min<std::size_t>(text.size(), kTextBytes - 1));
    return a;
}

int *Args::intOut(int i) {
    int *a = buffer<int>(i);
    for (int k = 0; k < kElements; ++k)
        a[k] = kHarmlessInt;
    if (const std::string *v = own(i)) fill(a, kElements, *v);
    return a;
}

float *Args::floatOut(int i) {
    float *a = buffer<float>(i);
    for (int k = 0; k < kElements; ++k)
        a[k] = 1.0f;
    return a;
}

const std::vector<Routine> &sweptRoutines() {
    static const std::vector<Routine> routines = {
#include "hostile_routines.inc"
    };
    return routines;
}
