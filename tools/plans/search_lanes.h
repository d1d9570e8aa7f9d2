// Eight 16-bit costs side by side, so that the bound weighs eight placements
// of the molecule in one step.
//
// Compilers with vector extensions get one SIMD register per lane block;
// every other compiler (or a build with TARVIK_PLAIN_LANES, which the tests
// use to check that path too) gets a plain array with the same meaning. Use
// only the operations below, which both forms provide.
#pragma once

#include <algorithm>
#include <cstdint>

#if !defined(TARVIK_PLAIN_LANES) && defined(__clang__) && defined(__has_builtin)
#if __has_builtin(__builtin_shufflevector) && __clang_major__ >= 13
#define TARVIK_VECTOR_LANES 1
#endif
#elif !defined(TARVIK_PLAIN_LANES) && defined(__GNUC__)
#define TARVIK_VECTOR_LANES 1
#endif

namespace tarvik::plans {

using LaneCost = std::int16_t;
inline constexpr int kLaneCount = 8;

#ifdef TARVIK_VECTOR_LANES

using Lanes = LaneCost __attribute__((vector_size(16)));

inline Lanes allLanes(LaneCost value) { return Lanes{} + value; }
inline Lanes least(Lanes a, Lanes b) { return a < b ? a : b; }
inline LaneCost lane(const Lanes& v, int i) { return v[i]; }
inline void setLane(Lanes& v, int i, LaneCost value) { v[i] = value; }

// The least of the eight lanes, by halving three times.
inline int leastLane(Lanes v)
{
#ifdef __clang__
    v = least(v, __builtin_shufflevector(v, v, 4, 5, 6, 7, 0, 1, 2, 3));
    v = least(v, __builtin_shufflevector(v, v, 2, 3, 0, 1, 6, 7, 4, 5));
    v = least(v, __builtin_shufflevector(v, v, 1, 0, 3, 2, 5, 4, 7, 6));
#else
    v = least(v, __builtin_shuffle(v, Lanes{4, 5, 6, 7, 0, 1, 2, 3}));
    v = least(v, __builtin_shuffle(v, Lanes{2, 3, 0, 1, 6, 7, 4, 5}));
    v = least(v, __builtin_shuffle(v, Lanes{1, 0, 3, 2, 5, 4, 7, 6}));
#endif
    return v[0];
}

#else

// Sums wrap like the vector form's; the bound keeps its values far from
// the edges, so they never do.
struct Lanes {
    LaneCost v[kLaneCount]{};
};

inline Lanes allLanes(LaneCost value)
{
    Lanes out;
    std::fill(out.v, out.v + kLaneCount, value);
    return out;
}
inline Lanes operator+(const Lanes& a, const Lanes& b)
{
    Lanes out;
    for (int i = 0; i < kLaneCount; ++i) out.v[i] = static_cast<LaneCost>(a.v[i] + b.v[i]);
    return out;
}
inline Lanes operator-(const Lanes& a, const Lanes& b)
{
    Lanes out;
    for (int i = 0; i < kLaneCount; ++i) out.v[i] = static_cast<LaneCost>(a.v[i] - b.v[i]);
    return out;
}
inline Lanes least(const Lanes& a, const Lanes& b)
{
    Lanes out;
    for (int i = 0; i < kLaneCount; ++i) out.v[i] = std::min(a.v[i], b.v[i]);
    return out;
}
inline LaneCost lane(const Lanes& v, int i) { return v.v[i]; }
inline void setLane(Lanes& v, int i, LaneCost value) { v.v[i] = value; }
inline int leastLane(const Lanes& v) { return *std::min_element(v.v, v.v + kLaneCount); }

#endif

}  // namespace tarvik::plans
