// Integer and fixed-point text without printf on the hot paths.
#include "devices/decimal_text.h"

#include <cmath>
#include <cstring>

#include "kernel/c_format.h"

namespace {

constexpr long long kPowersOfTen[7] = {1, 10, 100, 1000, 10000, 100000, 1000000};

// Digits of v (v >= 0), most significant first.
char *putDigits(char *p, unsigned long long v) {
    char digits[24];
    int n = 0;
    do {
        digits[n++] = char('0' + v % 10);
        v /= 10;
    } while (v != 0);
    while (n > 0)
        *p++ = digits[--n];
    return p;
}

// Moves the n characters at start right so that they end at start + width.
char *padLeft(char *start, char *end, int width) {
    const int n = int(end - start);
    if (n >= width) return end;
    const int pad = width - n;
    std::memmove(start + pad, start, std::size_t(n));
    std::memset(start, ' ', std::size_t(pad));
    return start + width;
}

} // namespace

char *putInt(char *p, int value) {
    long long v = value;
    if (v < 0) {
        *p++ = '-';
        v = -v;
    }
    return putDigits(p, static_cast<unsigned long long>(v));
}

char *putIntWidth(char *p, int value, int width) {
    return padLeft(p, putInt(p, value), width);
}

char *putFixed(char *p, double value, int decimals) {
    const double scale = double(kPowersOfTen[decimals]);
    const double magnitude = std::fabs(value);
    const double scaled = magnitude * scale;
    // Exact only when the product needs no rounding: then the halfway test
    // below sees the same value printf sees.
    if (!(magnitude < 1e9) || std::fma(magnitude, scale, -scaled) != 0.0) {
        char format[8] = {'%', '.', char('0' + decimals), 'f', '\0'};
        const int n = formatC(p, kNumberTextRoom, format, value);
        return p + (n < kNumberTextRoom ? n : kNumberTextRoom - 1);
    }
    double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    const auto units = static_cast<unsigned long long>(whole);
    if (std::signbit(value)) *p++ = '-';
    p = putDigits(p, units / static_cast<unsigned long long>(kPowersOfTen[decimals]));
    if (decimals > 0) {
        *p++ = '.';
        unsigned long long rest = units % static_cast<unsigned long long>(kPowersOfTen[decimals]);
        for (int i = decimals - 1; i >= 0; --i) {
            p[i] = char('0' + rest % 10);
            rest /= 10;
        }
        p += decimals;
    }
    return p;
}

char *putFixedWidth(char *p, double value, int width, int decimals) {
    return padLeft(p, putFixed(p, value, decimals), width);
}
