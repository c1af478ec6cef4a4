// The window system's characters for the library's character codes: codes
// up to 126 are the same; above, the accented letters of each character
// coding lie where ISO-8859-1 has them, and what the coding lacks is a blank.
#include "devices/driver_record.h"
#include "devices/window_fonts.h"

#include <cstdint>

namespace {

// Codes 127..190 of the stroke fonts' own coding (and of ISO1).
constexpr std::uint8_t kIray[64] = {
    196, 214, 220, 228, 246, 252, 223, 197, 216, 198, 229, 248, 230, 209, 241, 199,
    231, 203, 207, 235, 239, 193, 201, 205, 211, 218, 225, 233, 237, 243, 250, 192,
    200, 204, 210, 217, 224, 232, 236, 242, 249, 194, 202, 206, 212, 219, 226, 234,
    238, 244, 251, 195, 227, 213, 245, 221, 253, 255, 161, 191, 208, 240, 222, 254,
};
// Codes 127..240 of the ISO2 and ISO3 codings.
constexpr std::uint8_t kIray2[114] = {
    196, 214, 220, 228, 246, 252, 223, 32,  32,  32,  32,  32,  32,  32,  32,  199, 231, 203, 32,
    235, 32,  193, 201, 205, 211, 218, 225, 233, 237, 243, 250, 32,  32,  32,  32,  32,  32,  32,
    32,  32,  32,  194, 202, 206, 212, 219, 226, 234, 238, 244, 251, 32,  32,  32,  32,  221, 253,
    32,  32,  32,  208, 240, 32,  32,  161, 163, 165, 166, 169, 170, 171, 172, 174, 175, 177, 179,
    181, 182, 185, 186, 187, 188, 190, 191, 192, 195, 197, 198, 200, 202, 204, 207, 209, 210, 213,
    216, 217, 219, 222, 224, 227, 229, 230, 232, 234, 236, 239, 241, 242, 245, 248, 249, 251, 254,
};
// Codes 191..262 of coding 11, after those of kIray.
constexpr std::uint8_t kIray3[72] = {
    196, 214, 220, 228, 246, 252, 223, 32,  32,  32,  32,  32,  32,  209, 241, 199, 231, 203,
    207, 235, 239, 193, 201, 205, 211, 218, 225, 233, 237, 243, 250, 192, 200, 204, 210, 217,
    224, 232, 236, 242, 249, 194, 202, 206, 212, 219, 226, 234, 238, 244, 251, 32,  32,  32,
    32,  32,  32,  32,  32,  32,  32,  32,  32,  32,  32,  32,  32,  32,  32,  170, 32,  32,
};

constexpr int kBlank = 32;

} // namespace

int qqgiso(const DriverRecord &driver, int code) {
    if (code <= 126) return code;
    switch (driver.icoding) {
    case 0:
    case 1: return code <= 190 ? kIray[code - 127] : kBlank;
    case 2:
    case 3:
        // Coding 3 reaches up to 262; what lies beyond the table is a blank.
        return code <= 240 ? kIray2[code - 127] : kBlank;
    case 11:
        if (code <= 190) return kIray[code - 127];
        return code <= 262 ? kIray3[code - 191] : kBlank;
    default: return kBlank;
    }
}
