// ReusableDeflate: one zlib deflate state at the default level, made on the
// first stream and reset for each one after it, so that a stream costs no
// allocation (a state is about 270 kB in five blocks). A reset state gives the
// bytes of a fresh one. A stream is fed in pieces (Z_NO_FLUSH) and finished
// with its last piece (Z_FINISH): the bytes of one deflate call over it.
#pragma once
#include <zlib.h>

#include <cstddef>

class ReusableDeflate {
  public:
    ReusableDeflate() = default;
    ReusableDeflate(const ReusableDeflate &) = delete;
    ReusableDeflate &operator=(const ReusableDeflate &) = delete;
    ~ReusableDeflate();

    // Begins a stream compressed into out (area bytes); false when zlib has
    // no memory for its state.
    bool begin(unsigned char *out, std::size_t area);
    // Begins a stream that the caller drives with deflate itself (its input,
    // output and their counts are the caller's); null when zlib has no memory
    // for the state.
    z_stream *start();
    // Gives deflate the next n bytes of the stream; finish: they end it.
    // False when the stream is lost: zlib failed, or the output did not fit
    // the area.
    bool feed(const unsigned char *in, std::size_t n, bool finish);
    // Compressed bytes of the stream so far.
    std::size_t length() const { return z_.total_out; }

  private:
    z_stream z_{};
    bool made_ = false;
};
