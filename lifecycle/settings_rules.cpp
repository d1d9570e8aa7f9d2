#include "lifecycle/settings_rules.h"

#include <charconv>

namespace tarvik {

std::optional<int> parseDecimal(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (digits.empty())
        return std::nullopt;
    for (char c : digits)
        if (c < '0' || c > '9')
            return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

int correctedSpeed(int stored)
{
    switch (stored) {
    case 2:
    case 3:
    case 5:
    case 10:
        return stored;
    default:
        return 3;
    }
}

int clampedLevel(int stored, int planCount)
{
    int level = stored < 1 ? 1 : stored;
    if (level > planCount)
        level = planCount;
    return level;
}

}  // namespace tarvik
