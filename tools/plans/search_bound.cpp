#include "search_bound.h"

#include <algorithm>
#include <array>
#include <climits>

namespace tarvik::plans {

namespace {

constexpr int kMaxAtoms = 50;

int far(std::uint8_t d) { return d == kFarCells ? kNoWay : d; }

// Minimum-cost assignment of `rows` targets to distinct columns out of
// `cols` atoms (rows <= cols), by shortest augmenting paths with potentials.
int assignment(const SearchModel& m, const std::uint8_t* targets, int rows, const std::uint8_t* atoms, int cols)
{
    std::array<int, kMaxAtoms + 1> u{}, v{}, match{}, way{}, minv{};
    std::array<bool, kMaxAtoms + 1> used{};
    // The table is read O(rows * cols) times per row; gathered once, it
    // stays in one small block instead of many scattered distance rows.
    std::array<int, kMaxAtoms * kMaxAtoms> table;
    for (int i = 0; i < rows; ++i) {
        const std::uint8_t* d = m.distanceTo(targets[i]);
        for (int j = 0; j < cols; ++j) table[static_cast<std::size_t>(i * cols + j)] = far(d[atoms[j]]);
    }
    auto cost = [&](int i, int j) { return table[static_cast<std::size_t>((i - 1) * cols + j - 1)]; };
    for (int i = 1; i <= rows; ++i) {
        match[0] = i;
        int j0 = 0;
        std::fill(minv.begin(), minv.begin() + cols + 1, INT_MAX);
        std::fill(used.begin(), used.begin() + cols + 1, false);
        do {
            used[static_cast<std::size_t>(j0)] = true;
            int i0 = match[static_cast<std::size_t>(j0)], delta = INT_MAX, j1 = 0;
            for (int j = 1; j <= cols; ++j) {
                if (used[static_cast<std::size_t>(j)]) continue;
                int cur = cost(i0, j) - u[static_cast<std::size_t>(i0)] - v[static_cast<std::size_t>(j)];
                if (cur < minv[static_cast<std::size_t>(j)]) {
                    minv[static_cast<std::size_t>(j)] = cur;
                    way[static_cast<std::size_t>(j)] = j0;
                }
                if (minv[static_cast<std::size_t>(j)] < delta) {
                    delta = minv[static_cast<std::size_t>(j)];
                    j1 = j;
                }
            }
            for (int j = 0; j <= cols; ++j) {
                if (used[static_cast<std::size_t>(j)]) {
                    u[static_cast<std::size_t>(match[static_cast<std::size_t>(j)])] += delta;
                    v[static_cast<std::size_t>(j)] -= delta;
                } else {
                    minv[static_cast<std::size_t>(j)] -= delta;
                }
            }
            j0 = j1;
        } while (match[static_cast<std::size_t>(j0)] != 0);
        do {
            int j1 = way[static_cast<std::size_t>(j0)];
            match[static_cast<std::size_t>(j0)] = match[static_cast<std::size_t>(j1)];
            j0 = j1;
        } while (j0 != 0);
    }
    int sum = 0;
    for (int j = 1; j <= cols; ++j)
        if (match[static_cast<std::size_t>(j)] != 0) sum += cost(match[static_cast<std::size_t>(j)], j);
    return std::min(sum, kNoWay);
}

}  // namespace

int groupCost(const SearchModel& m, int placement, int group, const std::uint8_t* atoms)
{
    const int need = m.groupNeed[static_cast<std::size_t>(group)];
    const int n = m.groupSize[static_cast<std::size_t>(group)];
    const std::uint8_t* t = m.targets(placement, group);
    switch (need) {
    case 0:
        return 0;
    case 1: {
        const std::uint8_t* d = m.distanceTo(t[0]);
        std::uint8_t best = kFarCells;
        for (int i = 0; i < n; ++i) best = std::min(best, d[atoms[i]]);
        return far(best);
    }
    case 2:
        if (n == 2) {
            const std::uint8_t *d0 = m.distanceTo(t[0]), *d1 = m.distanceTo(t[1]);
            int straight = far(d0[atoms[0]]) + far(d1[atoms[1]]);
            int crossed = far(d0[atoms[1]]) + far(d1[atoms[0]]);
            return std::min(std::min(straight, crossed), kNoWay);
        }
        break;
    case 3:
        if (n == 3) {
            const std::uint8_t *d0 = m.distanceTo(t[0]), *d1 = m.distanceTo(t[1]), *d2 = m.distanceTo(t[2]);
            int a[3][3];
            for (int i = 0; i < 3; ++i) {
                a[0][i] = far(d0[atoms[i]]);
                a[1][i] = far(d1[atoms[i]]);
                a[2][i] = far(d2[atoms[i]]);
            }
            int best = std::min({a[0][0] + a[1][1] + a[2][2], a[0][0] + a[1][2] + a[2][1], a[0][1] + a[1][0] + a[2][2],
                                 a[0][1] + a[1][2] + a[2][0], a[0][2] + a[1][0] + a[2][1], a[0][2] + a[1][1] + a[2][0]});
            return std::min(best, kNoWay);
        }
        break;
    default:
        break;
    }
    return assignment(m, t, need, atoms, n);
}

int stateBound(const SearchModel& m, const std::uint8_t* state)
{
    int best = kNoWay;
    for (int p = 0; p < m.placementCount; ++p) {
        int sum = 0;
        for (int g = 0; g < m.groups() && sum < best; ++g) sum += groupCost(m, p, g, state + m.groupStart[static_cast<std::size_t>(g)]);
        best = std::min(best, sum);
    }
    return best;
}

PlacementCosts::PlacementCosts(const SearchModel& m)
    : m_(m),
      cost_(static_cast<std::size_t>(m.groups() * m.placementCount)),
      total_(static_cast<std::size_t>(m.placementCount))
{
    order_.reserve(static_cast<std::size_t>(m.placementCount));
    for (int need : m.groupNeed) largeGroups_ |= need > 3;
}

namespace {

// A quick lower bound on groupCost for large groups: every target needs
// some atom, and (when all atoms are needed) every atom needs some target.
int cheapGroupCost(const SearchModel& m, int placement, int group, const std::uint8_t* atoms)
{
    const int need = m.groupNeed[static_cast<std::size_t>(group)];
    const int n = m.groupSize[static_cast<std::size_t>(group)];
    const std::uint8_t* t = m.targets(placement, group);
    std::array<int, kMaxAtoms> atomBest;
    atomBest.fill(kNoWay);
    int byTarget = 0;
    for (int i = 0; i < need; ++i) {
        const std::uint8_t* d = m.distanceTo(t[i]);
        int best = kNoWay;
        for (int j = 0; j < n; ++j) {
            int c = far(d[atoms[j]]);
            best = std::min(best, c);
            atomBest[static_cast<std::size_t>(j)] = std::min(atomBest[static_cast<std::size_t>(j)], c);
        }
        byTarget += best;
    }
    int byAtom = 0;
    if (need == n)
        for (int j = 0; j < n; ++j) byAtom += atomBest[static_cast<std::size_t>(j)];
    return std::min(std::max(byTarget, byAtom), kNoWay);
}

}  // namespace

int PlacementCosts::reset(const std::uint8_t* state, int known)
{
    const int places = m_.placementCount;
    const int groups = m_.groups();
    // Placements whose partial sum passes this can take no part in a
    // child's bound, which never exceeds the state's own bound + 1.
    const int cut = known >= kNoWay ? kNoWay : known + 1;
    bound_ = kNoWay;
    for (int p = 0; p < places; ++p) {
        int total = 0;
        if (cut < kNoWay && largeGroups_) {
            // Large groups cost a full assignment each; a quick bound over
            // all groups first rules out most placements far from the atoms.
            for (int g = 0; g < groups && total <= cut; ++g) {
                const std::uint8_t* atoms = state + m_.groupStart[static_cast<std::size_t>(g)];
                total += m_.groupNeed[static_cast<std::size_t>(g)] > 3 ? cheapGroupCost(m_, p, g, atoms) : groupCost(m_, p, g, atoms);
            }
            if (total > cut) {
                total_[static_cast<std::size_t>(p)] = total;
                continue;
            }
            total = 0;
        }
        for (int g = 0; g < groups && total <= cut; ++g) {
            int c = groupCost(m_, p, g, state + m_.groupStart[static_cast<std::size_t>(g)]);
            cost_[static_cast<std::size_t>(g * places + p)] = c;
            total += c;
        }
        total_[static_cast<std::size_t>(p)] = total;
        bound_ = std::min(bound_, total);
    }
    order_.clear();
    // A `known` below the true bound would have cut every placement.
    if (bound_ >= kNoWay && cut < kNoWay) return reset(state);
    if (bound_ >= kNoWay) return kNoWay;
    // A child's bound is at most this bound + 1 (the parent's best placement
    // costs at most one more), so only placements up to that total matter.
    for (int p = 0; p < places; ++p)
        if (total_[static_cast<std::size_t>(p)] <= bound_ + 1) order_.push_back(p);
    std::sort(order_.begin(), order_.end(), [&](int a, int b) { return total_[static_cast<std::size_t>(a)] < total_[static_cast<std::size_t>(b)]; });
    return bound_;
}

int PlacementCosts::childBound(int group, const std::uint8_t* atoms, int from, int to) const
{
    int best = kNoWay;
    const int need = m_.groupNeed[static_cast<std::size_t>(group)];
    const int* row = &cost_[static_cast<std::size_t>(group * m_.placementCount)];
    for (int p : order_) {
        int total = total_[static_cast<std::size_t>(p)];
        if (total - 1 >= best) break;
        // Only the moved atom's distances changed. If none to this
        // placement's targets changed, no assignment did; if none fell,
        // none can have become cheaper. Unreachable cells are left to the
        // full assignment, whose sum is capped. Small groups cost about as
        // much as this test, so they skip it.
        const std::uint8_t* t = m_.targets(p, group);
        int fell = 0, rose = 0;
        bool unreachable = need <= 3;
        for (int i = 0; i < need && !unreachable; ++i) {
            const std::uint8_t* d = m_.distanceTo(t[i]);
            const std::uint8_t before = d[from], after = d[to];
            unreachable |= before == kFarCells || after == kFarCells;
            fell |= after < before;
            rose |= after > before;
        }
        if (!unreachable) {
            if (!fell && !rose) {
                best = std::min(best, total);
                continue;
            }
            if (!fell && total >= best) continue;
        }
        int value = total - row[p] + groupCost(m_, p, group, atoms);
        if (value < best) best = value;
    }
    return std::min(best, kNoWay);
}

}  // namespace tarvik::plans
