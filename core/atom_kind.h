#pragma once

#include <cstdint>

namespace tarvik {

// An atom kind: low byte the element picture (1..24), bits 8..23 the bond overlays.
// Two atoms are interchangeable exactly when the whole 32-bit values are equal.
using AtomKind = std::int32_t;

inline constexpr int kPictureCount = 24;
inline constexpr int kBondCount = 16;

// Element pictures with a letter on them.
enum Element : int {
    kHydrogen = 1, kOxygen = 2, kCarbon = 3, kNitrogen = 4, kSulphur = 5, kFluorine = 6,
    kHorizontalBar = 7, kRisingBar = 8, kVerticalBar = 9, kFallingBar = 10,
    kMottledBall = 11, kEmptyFlask = 12, kFullFlask = 20,
    kChlorine = 21, kBromine = 22, kPhosphorus = 23, kIodine = 24,
};

// Bond overlay numbers (bit 8 + n of a kind).
enum Bond : int {
    kSingleRight = 0, kSingleUpRight = 1, kSingleUp = 2, kSingleUpLeft = 3,
    kSingleLeft = 4, kSingleDownLeft = 5, kSingleDown = 6, kSingleDownRight = 7,
    kDoubleRight = 8, kDoubleUp = 9, kDoubleLeft = 10, kDoubleDown = 11,
    kTripleRight = 12, kTripleUp = 13, kTripleLeft = 14, kTripleDown = 15,
};

constexpr int atomPicture(AtomKind kind) { return static_cast<int>(static_cast<std::uint32_t>(kind) & 0xFFu); }
constexpr std::uint32_t bondMask(AtomKind kind) { return (static_cast<std::uint32_t>(kind) >> 8) & 0xFFFFu; }
constexpr bool hasBond(AtomKind kind, int bond) { return (bondMask(kind) >> bond) & 1u; }
constexpr AtomKind makeAtomKind(int picture, std::uint32_t bonds)
{
    return static_cast<AtomKind>((static_cast<std::uint32_t>(picture) & 0xFFu) | ((bonds & 0xFFFFu) << 8));
}
// Only kinds above zero are drawn and take part in the placement hint.
constexpr bool isDrawnKind(AtomKind kind) { return kind > 0; }

// The bond on the partner cell that meets bond b (right <-> left, up-right <-> down-left ...).
constexpr int oppositeBond(int bond)
{
    if (bond < 8) return (bond + 4) % 8;
    const int base = bond & ~3;
    return base + ((bond - base + 2) % 4);
}

// Cell offset (column, row) that bond b points to; row grows downwards.
constexpr int bondDx(int bond)
{
    constexpr int single[8] = {1, 1, 0, -1, -1, -1, 0, 1};
    constexpr int straight[4] = {1, 0, -1, 0};
    return bond < 8 ? single[bond] : straight[bond % 4];
}
constexpr int bondDy(int bond)
{
    constexpr int single[8] = {0, -1, -1, -1, 0, 1, 1, 1};
    constexpr int straight[4] = {0, -1, 0, 1};
    return bond < 8 ? single[bond] : straight[bond % 4];
}
// 1 single, 2 double, 3 triple.
constexpr int bondOrder(int bond) { return bond < 8 ? 1 : bond < 12 ? 2 : 3; }

}  // namespace tarvik
