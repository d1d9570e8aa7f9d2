#include "core/byte_runs.h"

#include <algorithm>
#include <cstring>

namespace tarvik {

namespace {

constexpr std::size_t kLongestRun = 129;
constexpr std::size_t kLongestLiteral = 128;
// Shorter runs cost as much packed as they are.
constexpr std::size_t kShortestRun = 3;

std::size_t runAt(std::span<const std::uint8_t> bytes, std::size_t at)
{
    std::size_t end = at + 1;
    while (end < bytes.size() && end - at < kLongestRun && bytes[end] == bytes[at])
        ++end;
    return end - at;
}

}  // namespace

void packByteRuns(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& out)
{
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t run = runAt(bytes, at);
        if (run >= kShortestRun) {
            out.push_back(static_cast<std::uint8_t>(257 - run));
            out.push_back(bytes[at]);
            at += run;
            continue;
        }
        // Bytes as they are, up to the next run worth packing.
        std::size_t end = at;
        while (end < bytes.size() && end - at < kLongestLiteral && runAt(bytes, end) < kShortestRun)
            ++end;
        out.push_back(static_cast<std::uint8_t>(end - at - 1));
        out.insert(out.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                   bytes.begin() + static_cast<std::ptrdiff_t>(end));
        at = end;
    }
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
