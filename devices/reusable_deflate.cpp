// The deflate state kept from stream to stream.
#include "devices/reusable_deflate.h"

#include <algorithm>
#include <climits>

ReusableDeflate::~ReusableDeflate() {
    if (made_) deflateEnd(&z_);
}

z_stream *ReusableDeflate::start() {
    // A state that a failure left unusable is made again.
    if (made_ && deflateReset(&z_) != Z_OK) {
        deflateEnd(&z_);
        made_ = false;
    }
    if (!made_) {
        z_ = z_stream{};
        made_ = deflateInit(&z_, Z_DEFAULT_COMPRESSION) == Z_OK;
        if (!made_) return nullptr;
    }
    return &z_;
}

bool ReusableDeflate::begin(unsigned char *out, std::size_t area) {
    if (start() == nullptr) return false;
    z_.next_out = out;
    // An area beyond zlib's count is cut to it: a stream that needs more
    // fails, as it would with the smaller area.
    z_.avail_out = static_cast<uInt>(std::min<std::size_t>(area, UINT_MAX));
    return true;
}

bool ReusableDeflate::feed(const unsigned char *in, std::size_t n, bool finish) {
    if (!made_) return false;
    for (;;) {
        const std::size_t piece = std::min<std::size_t>(n, UINT_MAX);
        const bool last = piece == n;
        z_.next_in = const_cast<Bytef *>(in);
        z_.avail_in = static_cast<uInt>(piece);
        if (piece == 0 && !finish) return true; // deflate would report no progress
        const int result = deflate(&z_, finish && last ? Z_FINISH : Z_NO_FLUSH);
        if (finish && last) return result == Z_STREAM_END;
        // Input left over: the output area is full, and the stream is lost.
        if (result != Z_OK || z_.avail_in != 0) return false;
        if (last) return true;
        in += piece;
        n -= piece;
    }
}
