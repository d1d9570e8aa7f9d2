#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tarvik {

// A small lossless packing for data with long stretches of one byte value,
// such as a plan record's zero-filled name lines and its floor of equal cells.
// Each piece starts with a count byte c: c < 128 is followed by c + 1 bytes as
// they are; c >= 128 by one byte that stands for 257 - c copies of it (3..129).

// Appends the packed form of `bytes` to `out`.
void packByteRuns(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& out);

// Unpacks exactly out.size() bytes from the front of `packed` and returns how
// many packed bytes that took, or 0 when `packed` ends first or holds more
// than fits (then `out` is left partly written).
std::size_t unpackByteRuns(std::span<const std::uint8_t> packed, std::span<std::uint8_t> out);

}  // namespace tarvik
