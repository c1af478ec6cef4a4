// The StreamCompressor and the ReusableDeflate under it against one deflate
// call: streams offered in pieces of any size, on any helper, through a state
// used before, give the bytes of a single pass over the whole stream.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "devices/reusable_deflate.h"
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

TEST(ReusableDeflate, AStateResetForEachStreamGivesTheBytesOfAFreshOne) {
    // Streams of every kind through one state, one of them lost for want of
    // room in the middle: each stream after it is whole again.
    std::mt19937 random(3);
    ReusableDeflate deflater;
    const std::vector<std::size_t> sizes = {300000, 0, 5000, 120000, 300000, 77};
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const Bytes stream = pageLikeStream(random, sizes[i]);
        const bool starved = i == 3;
        Bytes out(starved ? 100 : stream.size() + stream.size() / 100 + 13);
        ASSERT_TRUE(deflater.begin(out.data(), out.size()));
        const std::size_t half = stream.size() / 2;
        const bool fed = deflater.feed(stream.data(), half, false) &&
                         deflater.feed(stream.data() + half, stream.size() - half, true);
        EXPECT_EQ(fed, !starved) << "stream " << i;
        if (!fed) continue;
        out.resize(deflater.length());
        EXPECT_EQ(out, oneCall(stream)) << "stream " << i;
    }
}

TEST(StreamCompressor, StreamsCompressedAtOnceComeOutInOrderWithTheirOwnBytes) {
    // As a page's writer does: each stream is offered while it fills and
    // closed, the next begins while the helpers still work, and a result is
    // taken only when every slot is full, so that all the helpers work at
    // once. One stream has too small an output area: its failure is its
    // own, and the streams around it come out whole.
    std::mt19937 random(9);
    std::vector<Bytes> streams;
    for (int i = 0; i < 14; ++i)
        streams.push_back(pageLikeStream(random, std::size_t(100000 + 37000 * (i % 5))));
    for (int helpers = 1; helpers <= StreamCompressor::kMostHelpers; ++helpers) {
        StreamCompressor compressor(helpers);
        EXPECT_EQ(compressor.capacity(), helpers + 2);
        std::vector<Bytes> outs(streams.size());
        std::size_t taken = 0;
        const auto takeOldest = [&] {
            std::size_t length = 0;
            const bool compressed = compressor.result(length);
            outs[taken].resize(length);
            if (taken == 6)
                EXPECT_FALSE(compressed) << helpers << " helpers";
            else if (compressed)
                EXPECT_EQ(outs[taken], oneCall(streams[taken]))
                    << "stream " << taken << ", " << helpers << " helpers";
            else
                ADD_FAILURE() << "stream " << taken << " failed, " << helpers << " helpers";
            taken += 1;
        };
        for (std::size_t i = 0; i < streams.size(); ++i) {
            const Bytes &stream = streams[i];
            outs[i].resize(i == 6 ? 50 : stream.size() + stream.size() / 100 + 13);
            if (compressor.held() == compressor.capacity()) {
                EXPECT_FALSE(compressor.begin(stream.data(), outs[i].data(), outs[i].size()));
                takeOldest();
            }
            ASSERT_TRUE(compressor.begin(stream.data(), outs[i].data(), outs[i].size()));
            for (std::size_t offered = 0; offered < stream.size();)
                compressor.offer(offered = std::min(stream.size(), offered + 32768));
            compressor.close(stream.size());
        }
        while (taken < streams.size())
            takeOldest();
        EXPECT_EQ(compressor.held(), 0);
    }
}

TEST(StreamCompressor, EndsCleanlyInTheMiddleOfAStream) {
    const Bytes stream(400000, 'y');
    Bytes out(stream.size() + stream.size() / 100 + 13);
    auto compressor = std::make_unique<StreamCompressor>();
    ASSERT_TRUE(compressor->begin(stream.data(), out.data(), out.size()));
    compressor->offer(300000);
    compressor.reset(); // the helper stops before the stream goes away

    // Every helper busy, streams closed and one open: all of them stop.
    compressor = std::make_unique<StreamCompressor>(StreamCompressor::kMostHelpers);
    std::vector<Bytes> outs(std::size_t(compressor->capacity()), out);
    for (Bytes &area : outs) {
        ASSERT_TRUE(compressor->begin(stream.data(), area.data(), area.size()));
        compressor->offer(200000);
        if (compressor->held() < compressor->capacity()) compressor->close(stream.size());
    }
    compressor.reset();
}

} // namespace
