// The StreamCompressor against one deflate call: streams offered in pieces of
// any size give the bytes of a single pass over the whole stream.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "devices/stream_compressor.h"

namespace {

using Bytes = std::vector<unsigned char>;

// One deflate call with Z_FINISH into an area of n + n / 100 + 13 bytes;
// empty when it does not end the stream.
Bytes oneCall(const Bytes &in) {
    Bytes out(in.size() + in.size() / 100 + 13);
    z_stream z{};
    EXPECT_EQ(deflateInit(&z, Z_DEFAULT_COMPRESSION), Z_OK);
    z.next_in = const_cast<Bytef *>(in.data());
    z.avail_in = uInt(in.size());
    z.next_out = out.data();
    z.avail_out = uInt(out.size());
    const int result = deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return result == Z_STREAM_END ? out : Bytes{};
}

// A stream like a page's content: numbers and operators, with now and then a
// stretch of noise.
Bytes pageLikeStream(std::mt19937 &random, std::size_t n) {
    Bytes s;
    std::uniform_int_distribution<int> coordinate(0, 840), noise(0, 60);
    while (s.size() < n) {
        const std::string line = std::to_string(coordinate(random)) + ".00 " +
                                 std::to_string(coordinate(random)) + ".00 l\n";
        s.insert(s.end(), line.begin(), line.end());
        if (noise(random) == 0)
            for (int i = 0; i < 200; ++i)
                s.push_back((unsigned char)(random()));
    }
    s.resize(n);
    return s;
}

TEST(StreamCompressor, PiecesOfAnySizeGiveTheBytesOfOneCall) {
    std::mt19937 random(24);
    StreamCompressor compressor; // one helper for every stream
    for (const std::size_t n : {std::size_t(0), std::size_t(1), std::size_t(5000),
                                std::size_t(300000), std::size_t(1000000)}) {
        for (const std::size_t largestPiece : {std::size_t(1), std::size_t(777), n + 1}) {
            if (largestPiece == 1 && n > 5000) continue; // byte by byte: slow, and said by 5000
            const Bytes stream = pageLikeStream(random, n);
            Bytes out(n + n / 100 + 13);
            ASSERT_TRUE(compressor.begin(stream.data(), out.data(), out.size()));
            std::uniform_int_distribution<std::size_t> piece(1, largestPiece);
            for (std::size_t offered = 0; offered < n;)
                compressor.offer(offered = std::min(n, offered + piece(random)));
            std::size_t length = 0;
            ASSERT_TRUE(compressor.finish(n, length));
            out.resize(length);
            EXPECT_EQ(out, oneCall(stream)) << n << " bytes in pieces up to " << largestPiece;
        }
    }
}

TEST(StreamCompressor, NoiseAlsoComesOutAsOneCallWritesIt) {
    // Noise does not shrink: deflate stores it, within the room one call has.
    std::mt19937 random(7);
    Bytes noise(200000);
    for (unsigned char &b : noise)
        b = (unsigned char)(random());
    StreamCompressor compressor;
    Bytes out(noise.size() + noise.size() / 100 + 13);
    ASSERT_TRUE(compressor.begin(noise.data(), out.data(), out.size()));
    compressor.offer(70000);
    std::size_t length = 0;
    ASSERT_TRUE(compressor.finish(noise.size(), length));
    out.resize(length);
    EXPECT_EQ(out, oneCall(noise));
}

TEST(StreamCompressor, TooSmallAnAreaFailsAsOneCallFails) {
    const Bytes stream(100000, 'x');
    Bytes out(20); // far less than the stream needs
    StreamCompressor compressor;
    ASSERT_TRUE(compressor.begin(stream.data(), out.data(), out.size()));
    compressor.offer(50000);
    std::size_t length = 0;
    EXPECT_FALSE(compressor.finish(stream.size(), length));
    // The next stream starts afresh.
    Bytes enough(stream.size() + stream.size() / 100 + 13);
    ASSERT_TRUE(compressor.begin(stream.data(), enough.data(), enough.size()));
    ASSERT_TRUE(compressor.finish(stream.size(), length));
    enough.resize(length);
    EXPECT_EQ(enough, oneCall(stream));
}

TEST(StreamCompressor, EndsCleanlyInTheMiddleOfAStream) {
    const Bytes stream(400000, 'y');
    Bytes out(stream.size() + stream.size() / 100 + 13);
    auto compressor = std::make_unique<StreamCompressor>();
    ASSERT_TRUE(compressor->begin(stream.data(), out.data(), out.size()));
    compressor->offer(300000);
    compressor.reset(); // the helper stops before the stream goes away
}

} // namespace
