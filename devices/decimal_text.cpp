// Integer and fixed-point text without printf on the hot paths.
#include "devices/decimal_text.h"

#include <array>
#include <cmath>
#include <cstring>

#include "kernel/c_format.h"

namespace {

constexpr long long kPowersOfTen[7] = {1, 10, 100, 1000, 10000, 100000, 1000000};

// "00" "01" ... "99": two digits at a time halve the divisions.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[std::size_t(2 * i)] = char('0' + i / 10);
        pairs[std::size_t(2 * i + 1)] = char('0' + i % 10);
    }
    return pairs;
}();

template <typename Unsigned> int digitCount(Unsigned v) {
    int n = 1;
    for (; v >= 10000; v /= 10000)
        n += 4;
    return n + (v >= 10) + (v >= 100) + (v >= 1000);
}

// The n digits of v (n = digitCount(v)), most significant first. An int's
// digits take the 32-bit divisions, which are cheaper.
template <typename Unsigned> char *putDigits(char *p, Unsigned v, int n) {
    char *q = p + n;
    while (v >= 100) {
        const Unsigned pair = v % 100;
        v /= 100;
        q -= 2;
        std::memcpy(q, &kDigitPairs[std::size_t(2 * pair)], 2);
    }
    if (v >= 10) {
        std::memcpy(q - 2, &kDigitPairs[std::size_t(2 * v)], 2);
    } else {
        q[-1] = char('0' + v);
    }
    return p + n;
}

template <typename Unsigned> char *putDigits(char *p, Unsigned v) {
    return putDigits(p, v, digitCount(v));
}

// The magnitude of an int, as an unsigned (INT_MIN included).
unsigned magnitudeOf(int value) {
    return value < 0 ? 0U - static_cast<unsigned>(value) : static_cast<unsigned>(value);
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
    if (value < 0) *p++ = '-';
    const unsigned v = magnitudeOf(value);
    // Device coordinates have four digits or fewer: at most two digit pairs,
    // without the count of digits first.
    if (v >= 10000) return putDigits(p, v);
    if (v >= 100) {
        const unsigned high = v / 100;
        if (high >= 10) {
            std::memcpy(p, &kDigitPairs[std::size_t(2 * high)], 2);
            p += 2;
        } else {
            *p++ = char('0' + high);
        }
        std::memcpy(p, &kDigitPairs[std::size_t(2 * (v - 100 * high))], 2);
        return p + 2;
    }
    if (v >= 10) {
        std::memcpy(p, &kDigitPairs[std::size_t(2 * v)], 2);
        return p + 2;
    }
    *p = char('0' + v);
    return p + 1;
}

char *putIntWidth(char *p, int value, int width) {
    // The blanks go first, so the digits are written once, in place.
    const unsigned magnitude = magnitudeOf(value);
    const int digits = digitCount(magnitude);
    const int pad = width - digits - (value < 0 ? 1 : 0);
    if (pad > 0 && pad <= 8) {
        std::memcpy(p, "        ", 8); // within the room; digits overwrite the rest
        p += pad;
    } else {
        for (int i = 0; i < pad; ++i)
            *p++ = ' ';
    }
    if (value < 0) *p++ = '-';
    return putDigits(p, magnitude, digits);
}

namespace {

// putFixed of a value with a fraction, or of 1e9 and more: kept apart, so that
// the whole values' way stays short.
[[gnu::noinline]] char *putFixedRounded(char *p, double value, int decimals) {
    const double magnitude = std::fabs(value);
    const double scale = double(kPowersOfTen[decimals]);
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

} // namespace

char *putFixed(char *p, double value, int decimals) {
    // A whole value (every coordinate of the writers that truncate to device
    // units): its digits, then zeros.
    const double magnitude = std::fabs(value);
    if (magnitude < 1e9) {
        const auto whole = static_cast<unsigned>(magnitude);
        if (double(whole) == magnitude) {
            if (std::signbit(value)) *p++ = '-';
            p = putDigits(p, whole);
            if (decimals == 0) return p;
            *p++ = '.';
            std::memcpy(p, "000000", 6); // within the room
            return p + decimals;
        }
    }
    return putFixedRounded(p, value, decimals);
}

char *putFixedWidth(char *p, double value, int width, int decimals) {
    return padLeft(p, putFixed(p, value, decimals), width);
}
