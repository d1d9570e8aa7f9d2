#include "search_dense_index.h"

#include <utility>

namespace tarvik::plans {

DenseStateIndex::DenseStateIndex(const SearchModel& m, std::size_t limit)
{
    if (m.atomCount > kMaxAtoms || m.atomCount == 0) return;
    std::array<int, kCells> rank{};
    int free = 0;
    for (int c = 0; c < kCells; ++c) rank[static_cast<std::size_t>(c)] = m.fixed[static_cast<std::size_t>(c)] ? -1 : free++;
    // C(r, k) for r <= free and k <= kMaxAtoms, in doubles first so that a
    // board too large for the limit cannot overflow the count.
    auto choose = [](int r, int k) {
        double value = 1;
        for (int i = 0; i < k; ++i) value = value * (r - i) / (i + 1);
        return r < k ? 0.0 : value;
    };
    double weight = 1;
    std::vector<std::uint32_t> part(static_cast<std::size_t>(m.atomCount) * kCells, 0);
    for (int g = 0; g < m.groups(); ++g) {
        const int begin = m.groupStart[static_cast<std::size_t>(g)], size = m.groupSize[static_cast<std::size_t>(g)];
        for (int k = 0; k < size; ++k)
            for (int c = 0; c < kCells; ++c)
                if (rank[static_cast<std::size_t>(c)] >= 0)
                    part[static_cast<std::size_t>((begin + k) * kCells + c)] = static_cast<std::uint32_t>(weight * choose(rank[static_cast<std::size_t>(c)], k + 1));
        weight *= choose(free, size);
        if (weight > static_cast<double>(limit)) return;
    }
    atoms_ = m.atomCount;
    size_ = static_cast<std::size_t>(weight);
    part_ = std::move(part);
}

}  // namespace tarvik::plans
