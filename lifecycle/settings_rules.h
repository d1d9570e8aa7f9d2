#pragma once

#include <optional>
#include <string_view>

namespace tarvik {

// A decimal integer: an optional "-" and at least one digit, nothing else,
// within the range of int. Anything else has no value.
std::optional<int> parseDecimal(std::string_view text);

// The slide speed in pixels per step; only divisors of the 30-pixel cell
// that the game offers are kept, anything else becomes 3.
int correctedSpeed(int stored);

// The stored plan number, brought into 1..planCount (1 first, then the top).
int clampedLevel(int stored, int planCount);

}  // namespace tarvik
