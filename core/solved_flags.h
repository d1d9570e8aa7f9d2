#pragma once

#include <array>
#include <cstdint>

namespace tarvik {

inline constexpr int kSolvedFlagCount = 500;

// One byte per plan 1..500, non-zero when solved; also the whole content of a progress file.
struct SolvedFlags {
    std::array<std::uint8_t, kSolvedFlagCount> bytes{};

    // Plans outside 1..500 count as unsolved and cannot be marked.
    bool isSolved(int plan) const;
    void markSolved(int plan);
    // Solved plans among 1..planCount.
    int countSolved(int planCount) const;
    // True unless some plan 1..planCount is unsolved.
    bool allSolved(int planCount) const;
    void clear(int planCount);

    bool operator==(const SolvedFlags&) const = default;
};

}  // namespace tarvik
