#include "core/byte_runs.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace tarvik {

namespace {

constexpr std::size_t kLongestRun = 129;
constexpr std::size_t kLongestLiteral = 128;
// Shorter runs cost as much packed as they are.
constexpr std::size_t kShortestRun = 3;

// The level data is packed at every start, 386 KB of it, so the scans below
// look at eight bytes at a time where they can.
constexpr std::uint64_t kOnes = 0x0101010101010101u;
constexpr std::uint64_t kHighs = 0x8080808080808080u;
constexpr bool kWordScan = std::endian::native == std::endian::little;

std::uint64_t word(const std::uint8_t* at)
{
    std::uint64_t w = 0;
    std::memcpy(&w, at, sizeof w);
    return w;
}

// The index, counted from the lowest address, of the first zero byte of a
// word; 8 when it has none.
int firstZeroByte(std::uint64_t w)
{
    const std::uint64_t zeros = (w - kOnes) & ~w & kHighs;
    return zeros ? std::countr_zero(zeros) / 8 : 8;
}

// How many bytes from `at` on equal the byte at `at`, up to `limit`.
std::size_t runAt(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t limit)
{
    std::size_t end = at + 1;
    if constexpr (kWordScan) {
        const std::uint64_t same = kOnes * bytes[at];
        while (end + 8 <= limit) {
            const std::uint64_t differ = word(&bytes[end]) ^ same;
            if (differ)
                return end + static_cast<std::size_t>(std::countr_zero(differ) / 8) - at;
            end += 8;
        }
    }
    while (end < limit && bytes[end] == bytes[at])
        ++end;
    return end - at;
}

// The first place from `at` on, before `limit`, where a run worth packing
// begins; `limit` when there is none.
std::size_t nextRun(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t limit)
{
    std::size_t i = at;
    if constexpr (kWordScan) {
        // A byte of the word below is zero exactly where the next two bytes equal it.
        while (i < limit && i + 10 <= bytes.size()) {
            const std::uint64_t w = word(&bytes[i]);
            const int first = firstZeroByte((w ^ word(&bytes[i + 1])) | (w ^ word(&bytes[i + 2])));
            if (first < 8)
                return std::min(i + static_cast<std::size_t>(first), limit);
            i += 8;
        }
    }
    for (; i < limit; ++i) {
        if (i + 2 < bytes.size() && bytes[i] == bytes[i + 1] && bytes[i] == bytes[i + 2])
            return i;
    }
    return limit;
}

}  // namespace

void packByteRuns(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& out)
{
    // Written in place into room for the longest packing, then cut to what it took.
    const std::size_t start = out.size();
    out.resize(start + bytes.size() + bytes.size() / kLongestLiteral + 1);
    std::uint8_t* to = out.data() + start;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t run = runAt(bytes, at, std::min(bytes.size(), at + kLongestRun));
        if (run >= kShortestRun) {
            *to++ = static_cast<std::uint8_t>(257 - run);
            *to++ = bytes[at];
            at += run;
            continue;
        }
        // Bytes as they are, up to the next run worth packing.
        const std::size_t end = nextRun(bytes, at, std::min(bytes.size(), at + kLongestLiteral));
        *to++ = static_cast<std::uint8_t>(end - at - 1);
        std::memcpy(to, bytes.data() + at, end - at);
        to += end - at;
        at = end;
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
}

std::size_t unpackByteRuns(std::span<const std::uint8_t> packed, std::span<std::uint8_t> out)
{
    std::size_t from = 0;
    std::size_t to = 0;
    while (to < out.size()) {
        if (from >= packed.size())
            return 0;
        const std::uint8_t count = packed[from++];
        if (count < 128) {
            const std::size_t n = std::size_t{count} + 1;
            if (n > packed.size() - from || n > out.size() - to)
                return 0;
            std::memcpy(out.data() + to, packed.data() + from, n);
            from += n;
            to += n;
        } else {
            const std::size_t n = 257 - std::size_t{count};
            if (from >= packed.size() || n > out.size() - to)
                return 0;
            std::fill_n(out.begin() + static_cast<std::ptrdiff_t>(to), n, packed[from++]);
            to += n;
        }
    }
    return from;
}

}  // namespace tarvik
