#include "search_distances.h"

#include <algorithm>

namespace tarvik::plans {

RunDistances::RunDistances(const std::uint8_t* fixed)
    : fixed_(fixed, fixed + kCells), rows_(new std::uint8_t[static_cast<std::size_t>(kCells) * kCells]), ready_(kCells, 0)
{
    for (int axis = 0; axis < 2; ++axis) {
        const int step = axis == 0 ? 1 : 15;
        for (int c = 0; c < kCells; ++c) {
            if (fixed[c]) continue;
            const int x = c % 15, y = c / 15;
            const bool first = axis == 0 ? x == 0 || fixed[c - 1] : y == 0 || fixed[c - 15];
            if (!first) continue;
            const auto id = static_cast<std::uint16_t>(segmentStart_.size());
            segmentStart_.push_back(static_cast<std::uint16_t>(segmentCells_.size()));
            for (int n = c;; n += step) {
                segmentCells_.push_back(static_cast<std::uint8_t>(n));
                segmentOf_[static_cast<std::size_t>(n)][static_cast<std::size_t>(axis)] = id;
                const bool last = axis == 0 ? n % 15 == 14 : n / 15 == 14;
                if (last || fixed[n + step]) break;
            }
        }
    }
    const std::size_t segments = segmentStart_.size();
    segmentStart_.push_back(static_cast<std::uint16_t>(segmentCells_.size()));
    for (std::size_t s = 0; s < segments; ++s)
        for (std::size_t i = segmentStart_[s]; i < segmentStart_[s + 1]; ++i) {
            const auto& both = segmentOf_[segmentCells_[i]];
            crossing_.push_back(both[0] == s ? both[1] : both[0]);
        }
    level_.resize(segments);
    // One more than the segments: a search writes past its tail before it
    // knows whether to keep the entry.
    queue_.resize(segments + 1);
}

// A segment's level is the least distance of its cells: the start's two
// segments have level 0, and a cell first met on a segment of level k is
// k + 1 away.
void RunDistances::search(int cell) const
{
    ready_[static_cast<std::size_t>(cell)] = 1;
    std::uint8_t* d = &rows_[static_cast<std::size_t>(cell) * kCells];
    std::fill(d, d + kCells, kFar);
    if (fixed_[static_cast<std::size_t>(cell)]) return;
    // Plain pointers: the stores through d are bytes, which may alias
    // anything, so members read in the loop would be read again after each.
    std::uint8_t* level = level_.data();
    std::uint16_t* queue = queue_.data();
    const std::uint16_t* start = segmentStart_.data();
    const std::uint8_t* cells = segmentCells_.data();
    const std::uint16_t* crossing = crossing_.data();
    std::fill(level, level + level_.size(), kFar);
    std::size_t head = 0, tail = 0;
    d[cell] = 0;
    for (std::size_t axis = 0; axis < 2; ++axis) {
        const std::uint16_t s = segmentOf_[static_cast<std::size_t>(cell)][axis];
        level[s] = 0;
        queue[tail++] = s;
    }
    // Written without branches: whether a cell or segment is new follows no
    // pattern, and levels only rise, so the first level set is the least.
    while (head < tail) {
        const std::uint16_t s = queue[head++];
        const auto next = static_cast<std::uint8_t>(level[s] + 1);
        for (std::size_t i = start[s], end = start[s + 1u]; i < end; ++i) {
            const std::uint8_t c = cells[i];
            d[c] = std::min(d[c], next);
            const std::uint16_t other = crossing[i];
            queue[tail] = other;
            tail += level[other] == kFar;
            level[other] = std::min(level[other], next);
        }
    }
}

}  // namespace tarvik::plans
