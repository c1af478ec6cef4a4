// The shared frame of the wrappers: see frame.h.
#include "perl/frame.h"

#include "kernel/binding_readings.h"

#include <cstdlib>
#include <cstring>

namespace kavlor_perl {

namespace {

void freeBuffer(pTHX_ void *p) {
    std::free(p);
}

// Holds sv until the calling statement is done (a mortal reference to it).
void hold(pTHX_ SV *sv) {
    sv_2mortal(SvREFCNT_inc_simple_NN(sv));
}

AV *rowOf(pTHX_ AV *av, Count i) {
    SV **row = av_fetch(av, SSize_t(i), 0);
    if (row == nullptr || !SvROK(*row) || SvTYPE(SvRV(*row)) != SVt_PVAV) return nullptr;
    return reinterpret_cast<AV *>(SvRV(*row));
}

// Row i of a matrix, held; croaks when it is missing or no array.
AV *heldRow(pTHX_ const Call &call, AV *av, Count i, const char *name) {
    AV *row = rowOf(aTHX_ av, i);
    if (row == nullptr)
        croak("Kavlor::%s: row %lld of %s is not a reference to an array", call.name, i, name);
    hold(aTHX_ reinterpret_cast<SV *>(row));
    return row;
}

// The value of an element. A plain number converts without running code; any
// other element (a string, a reference, a tied or magical scalar) may run Perl
// code that takes it out of its array, so it is held while it converts.
template <class Convert> auto elementValue(pTHX_ SV *element, Convert convert) {
    if (SvNIOK(element) && !SvGMAGICAL(element)) return convert(aTHX_ element);
    ENTER;
    SAVEFREESV(SvREFCNT_inc_simple_NN(element));
    const auto value = convert(aTHX_ element);
    LEAVE;
    return value;
}

template <class T, class Convert>
T *convertArray(pTHX_ const Call &call, AV *av, Count room, Count *converted, Convert convert) {
    // The length before any element runs code: the buffer holds it, however
    // the code changes the array.
    const Count n = arrayLength(aTHX_ av);
    T *data = buffer<T>(aTHX_ call, n > room ? n : room);
    for (Count i = 0; i < n; ++i) {
        SV **element = av_fetch(av, SSize_t(i), 0);
        if (element != nullptr) data[i] = elementValue(aTHX_ * element, convert);
    }
    if (converted != nullptr) *converted = n;
    return data;
}

int byteValue(pTHX_ SV *sv) {
    return intArg(aTHX_ sv);
}

} // namespace

void checkArgumentCount(pTHX_ const Call &call, int items, int expected) {
    if (items != expected) croak("%s", call.usage);
}

void setInt(pTHX_ SV *sv, int value) {
    sv_setiv(sv, value);
    SvSETMAGIC(sv);
}

void setFloat(pTHX_ SV *sv, float value) {
    sv_setnv(sv, double(value));
    SvSETMAGIC(sv);
}

void setText(pTHX_ SV *sv, const char *text, bool magic) {
    sv_setpv(sv, text);
    if (magic) SvSETMAGIC(sv);
}

void *buffer(pTHX_ const Call &call, Count count, Count size) {
    if (count < 1) count = 1;
    void *p = count >= kHugeCount / size ? nullptr : std::calloc(size_t(count), size_t(size));
    if (p == nullptr)
        croak("Kavlor::%s: out of memory for a buffer of %lld elements", call.name, count);
    SAVEDESTRUCTOR_X(freeBuffer, p);
    return p;
}

AV *arrayArg(pTHX_ const Call &call, SV *sv, const char *name) {
    SvGETMAGIC(sv);
    if (!SvROK(sv) || SvTYPE(SvRV(sv)) != SVt_PVAV)
        croak("Kavlor::%s: %s is not a reference to an array", call.name, name);
    AV *av = reinterpret_cast<AV *>(SvRV(sv));
    hold(aTHX_ reinterpret_cast<SV *>(av));
    return av;
}

void checkLength(pTHX_ const Call &call, AV *av, const char *name, Count count) {
    Count n = arrayLength(aTHX_ av);
    if (n < count)
        croak("Kavlor::%s: %s holds %lld elements, fewer than %lld", call.name, name, n, count);
}

AV *const *checkMatrix(pTHX_ const Call &call, AV *av, const char *name, Count nx, Count ny) {
    checkLength(aTHX_ call, av, name, nx);
    AV **rows = buffer<AV *>(aTHX_ call, nx);
    for (Count i = 0; i < nx; ++i) {
        rows[i] = heldRow(aTHX_ call, av, i, name);
        const Count length = arrayLength(aTHX_ rows[i]);
        if (ny >= 0 && length < ny)
            croak("Kavlor::%s: row %lld of %s holds %lld elements, fewer than %lld", call.name, i,
                  name, length, ny);
    }
    return rows;
}

AV *const *checkMatrix3(pTHX_ const Call &call, AV *av, const char *name, Count nx, Count ny,
                        Count nz) {
    // Every matrix holds ny rows now, so there are nx * ny rows to hold.
    AV *const *levels = checkMatrix(aTHX_ call, av, name, nx, ny);
    AV **rows = buffer<AV *>(aTHX_ call, mul(nx, ny));
    for (Count i = 0; i < nx; ++i)
        for (Count j = 0; j < ny; ++j) {
            AV *row = rows[i * ny + j] = heldRow(aTHX_ call, levels[i], j, name);
            const Count length = arrayLength(aTHX_ row);
            if (length < nz)
                croak("Kavlor::%s: row %lld of %s holds %lld elements, fewer than %lld", call.name,
                      j, name, length, nz);
        }
    return rows;
}

float *floatArray(pTHX_ const Call &call, AV *av, Count room, Count *converted) {
    return convertArray<float>(aTHX_ call, av, room, converted, floatArg);
}

int *intArray(pTHX_ const Call &call, AV *av, Count room, Count *converted) {
    return convertArray<int>(aTHX_ call, av, room, converted, intArg);
}

short *shortArray(pTHX_ const Call &call, AV *av, Count room, Count *converted) {
    return convertArray<short>(aTHX_ call, av, room, converted, shortArg);
}

unsigned char *byteArray(pTHX_ const Call &call, AV *av, Count room) {
    return convertArray<unsigned char>(aTHX_ call, av, room, nullptr, byteValue);
}

float *floatMatrix(pTHX_ const Call &call, AV *const *rows, Count nx, Count ny) {
    float *data = buffer<float>(aTHX_ call, mul(nx, ny));
    for (Count i = 0; i < nx; ++i)
        for (Count j = 0; j < ny; ++j) {
            SV **element = av_fetch(rows[i], SSize_t(j), 0);
            if (element != nullptr) data[i * ny + j] = elementValue(aTHX_ * element, floatArg);
        }
    return data;
}

void storeFloats(pTHX_ AV *av, const float *values, Count count) {
    if (count > 0) av_extend(av, SSize_t(count - 1));
    for (Count i = 0; i < count; ++i)
        av_store(av, SSize_t(i), newSVnv(double(values[i])));
}

void storeInts(pTHX_ AV *av, const int *values, Count count) {
    if (count > 0) av_extend(av, SSize_t(count - 1));
    for (Count i = 0; i < count; ++i)
        av_store(av, SSize_t(i), newSViv(values[i]));
}

void storeShorts(pTHX_ AV *av, const short *values, Count count) {
    for (Count i = 0; i < count; ++i)
        av_store(av, SSize_t(i), newSViv(values[i]));
}

void storeBytes(pTHX_ AV *av, const char *values, Count count) {
    if (count > 0) av_extend(av, SSize_t(count - 1));
    for (Count i = 0; i < count; ++i)
        av_store(av, SSize_t(i), newSViv(static_cast<signed char>(values[i])));
}

void storePixels(pTHX_ AV *av, const unsigned char *values, Count count) {
    if (count > 0) av_extend(av, SSize_t(count - 1));
    for (Count i = 0; i < count; ++i)
        av_store(av, SSize_t(i), newSViv(values[i]));
}

void storeMatrix(pTHX_ AV *const *rows, const float *values, Count nx, Count ny) {
    for (Count i = 0; i < nx; ++i)
        storeFloats(aTHX_ rows[i], values + i * ny, ny);
}

Count sumOf(const int *values, Count n, Count capacity) {
    Count sum = 0;
    for (Count i = 0, end = clampCount(n, capacity); i < end; ++i)
        sum += values[i] > 0 ? values[i] : 0;
    return sum;
}

Count pixelBytes(pTHX_ const Call &call, const char *name, Count count) {
    if (count <= 0) return 0;
    const long long picture = kavlor_readable_pixels();
    if (picture == 0) croak("Kavlor::%s: %s: pixels are read only in image mode", call.name, name);
    if (count > picture)
        croak("Kavlor::%s: %lld pixels requested for %s, more than the %lld of the picture",
              call.name, count, name, picture);
    return mul(count, kavlor_pixel_bytes());
}

const char *bytesArg(pTHX_ const Call &call, SV *sv, const char *name, Count count) {
    STRLEN length = 0;
    const char *bytes = SvPV(sv, length);
    if (Count(length) < count)
        croak("Kavlor::%s: %s holds %lld bytes, fewer than %lld", call.name, name, Count(length),
              count);
    return bytes;
}

char *ownBuffer(pTHX_ SV *sv, Count size) {
    STRLEN length = 0;
    SvPV_force(sv, length);
    if (size > kHugeCount) size = kHugeCount;
    STRLEN before = SvLEN(sv);
    char *data = SvGROW(sv, STRLEN(size) + 1);
    if (SvLEN(sv) > before) std::memset(data + before, 0, SvLEN(sv) - before);
    data[SvCUR(sv)] = '\0';
    return data;
}

void recountOwnBuffer(pTHX_ SV *sv) {
    SvCUR_set(sv, std::strlen(SvPVX(sv)));
    SvPOK_only(sv);
    SvSETMAGIC(sv);
}

const char *legendArg(pTHX_ const Call &call, SV *sv) {
    Count size = kavlor_legend_size();
    char *copy = buffer<char>(aTHX_ call, size + 1);
    STRLEN length = 0;
    const char *text = SvPV(sv, length);
    // The lines that leglin wrote beyond the text's first NUL stay in the
    // scalar's buffer, up to its allocated length.
    Count room = SvPOK(sv) && SvLEN(sv) > 0 ? Count(SvLEN(sv)) : Count(length) + 1;
    std::memcpy(copy, text, size_t(room < size ? room : size));
    return copy;
}

void resultInt(pTHX_ SV *target, int value) {
    sv_setiv(target, value);
    SvSETMAGIC(target);
}

void resultFloat(pTHX_ SV *target, float value) {
    sv_setnv(target, double(value));
    SvSETMAGIC(target);
}

void resultText(pTHX_ SV *target, const char *text) {
    if (text == nullptr)
        sv_setsv(target, &PL_sv_undef);
    else
        sv_setpv(target, text);
    SvSETMAGIC(target);
}

void resultOwnedText(pTHX_ SV *target, char *text) {
    if (text == nullptr)
        sv_setsv(target, &PL_sv_undef);
    else
        sv_setpv(target, text);
    std::free(text); // before the set-magic, which may die
    SvSETMAGIC(target);
}

void resultStream(pTHX_ SV *target, FILE *stream) {
    resultInt(aTHX_ target, stream != nullptr ? 6 : 0);
}

} // namespace kavlor_perl
