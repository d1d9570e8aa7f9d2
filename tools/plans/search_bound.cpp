#include "search_bound.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>

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
    for (int j = 0; j < cols; ++j) {
        const std::uint8_t* d = m.distanceFrom(atoms[j]);
        for (int i = 0; i < rows; ++i) table[static_cast<std::size_t>(i * cols + j)] = far(d[targets[i]]);
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
        std::uint8_t best = kFarCells;
        for (int i = 0; i < n; ++i) best = std::min(best, m.distanceFrom(atoms[i])[t[0]]);
        return far(best);
    }
    case 2:
        if (n == 2) {
            const std::uint8_t *a0 = m.distanceFrom(atoms[0]), *a1 = m.distanceFrom(atoms[1]);
            int straight = far(a0[t[0]]) + far(a1[t[1]]);
            int crossed = far(a1[t[0]]) + far(a0[t[1]]);
            return std::min(std::min(straight, crossed), kNoWay);
        }
        break;
    case 3:
        if (n == 3) {
            int a[3][3];
            for (int i = 0; i < 3; ++i) {
                const std::uint8_t* d = m.distanceFrom(atoms[i]);
                a[0][i] = far(d[t[0]]);
                a[1][i] = far(d[t[1]]);
                a[2][i] = far(d[t[2]]);
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

namespace {

// A quick lower bound on groupCost for large groups: every target needs
// some atom, and (when all atoms are needed) every atom needs some target.
int cheapGroupCost(const SearchModel& m, int placement, int group, const std::uint8_t* atoms)
{
    const int need = m.groupNeed[static_cast<std::size_t>(group)];
    const int n = m.groupSize[static_cast<std::size_t>(group)];
    const std::uint8_t* t = m.targets(placement, group);
    std::array<int, kMaxAtoms> targetBest;
    targetBest.fill(kNoWay);
    int byAtom = 0;
    for (int j = 0; j < n; ++j) {
        const std::uint8_t* d = m.distanceFrom(atoms[j]);
        int best = kNoWay;
        for (int i = 0; i < need; ++i) {
            int c = far(d[t[i]]);
            best = std::min(best, c);
            targetBest[static_cast<std::size_t>(i)] = std::min(targetBest[static_cast<std::size_t>(i)], c);
        }
        byAtom += best;
    }
    int byTarget = 0;
    for (int i = 0; i < need; ++i) byTarget += targetBest[static_cast<std::size_t>(i)];
    if (need != n) byAtom = 0;
    return std::min(std::max(byTarget, byAtom), kNoWay);
}

}  // namespace

PlacementCosts::PlacementCosts(const SearchModel& m)
    : m_(m), blocks_((m.placementCount + kLanes - 1) / kLanes), firstRow_(static_cast<std::size_t>(m.groups()), -1)
{
    int rows = 0;
    for (int g = 0; g < m.groups(); ++g) {
        const int need = m.groupNeed[static_cast<std::size_t>(g)], size = m.groupSize[static_cast<std::size_t>(g)];
        if (need <= 1 || (need <= 3 && need == size)) {
            firstRow_[static_cast<std::size_t>(g)] = rows;
            rows += need;
        } else {
            largeGroups_ = true;
        }
    }
    const std::size_t blocks = static_cast<std::size_t>(blocks_);
    columns_.resize(static_cast<std::size_t>(rows) * kCells * blocks);
    columnAt_.assign(static_cast<std::size_t>(m.groups()) * kCells, nullptr);
    rowStride_ = static_cast<std::ptrdiff_t>(kCells) * blocks_;
    cost_.resize(static_cast<std::size_t>(m.groups()) * blocks);
    total_.resize(blocks);
    scratch_.resize(blocks);
    direct_.resize(blocks);
    for (int g = 0; g < m.groups(); ++g) lone_.push_back(m.groupSize[static_cast<std::size_t>(g)] == 1 && m.groupNeed[static_cast<std::size_t>(g)] == 1);
    row_.resize(static_cast<std::size_t>(m.groups()));
    for (int g = 0; g < m.groups(); ++g) row_[static_cast<std::size_t>(g)] = &cost_[static_cast<std::size_t>(g) * blocks];
    // Each target row's cell per placement, for filling columns.
    const std::size_t places = static_cast<std::size_t>(m.placementCount);
    rowTargets_.resize(static_cast<std::size_t>(rows) * places);
    laneScratch_.resize(blocks * kLanes);
    for (int g = 0; g < m.groups(); ++g) {
        if (!small(g)) continue;
        for (int r = 0; r < m.groupNeed[static_cast<std::size_t>(g)]; ++r)
            for (int p = 0; p < m.placementCount; ++p)
                rowTargets_[static_cast<std::size_t>(firstRow_[static_cast<std::size_t>(g)] + r) * places + static_cast<std::size_t>(p)] = m.targets(p, g)[r];
    }
    // No cell has the number kCells, so no group's costs count as kept yet.
    costAtoms_.assign(static_cast<std::size_t>(m.atomCount), static_cast<std::uint8_t>(kCells));
    allLone_ = m.groups() <= kMaxLoneGroups && std::all_of(lone_.begin(), lone_.end(), [](bool lone) { return lone; });
    rest_.resize(static_cast<std::size_t>(m.groups()) * 3 * blocks);
    restFrom_.assign(static_cast<std::size_t>(m.groups()), -1);
    order_.reserve(static_cast<std::size_t>(m.placementCount));
    nearerReady_.assign(kCells, 0);
}

const PlacementCosts::Block* PlacementCosts::fillColumns(int group, int cell)
{
    const int first = firstRow_[static_cast<std::size_t>(group)];
    const std::uint8_t* d = m_.distanceFrom(cell);
    const std::size_t lanes = static_cast<std::size_t>(blocks_ * kLanes), places = static_cast<std::size_t>(m_.placementCount);
    Block* const firstColumn = &columns_[(static_cast<std::size_t>(first) * kCells + static_cast<std::size_t>(cell)) * static_cast<std::size_t>(blocks_)];
    for (int r = 0; r < m_.groupNeed[static_cast<std::size_t>(group)]; ++r) {
        const std::uint8_t* targets = &rowTargets_[static_cast<std::size_t>(first + r) * places];
        Cost* costs = laneScratch_.data();
        for (std::size_t p = 0; p < places; ++p) costs[p] = static_cast<Cost>(far(d[targets[p]]));
        // Lanes past the last placement cost too much to be the least.
        std::fill(costs + places, costs + lanes, static_cast<Cost>(kNoWay));
        // Both forms of a lane block are trivially copyable rows of costs.
        static_assert(sizeof(Block) == kLanes * sizeof(Cost));
        std::memcpy(static_cast<void*>(firstColumn + r * rowStride_), costs, lanes * sizeof(Cost));
    }
    columnAt_[static_cast<std::size_t>(group * kCells + cell)] = firstColumn;
    return firstColumn;
}

void PlacementCosts::smallGroupCosts(int group, const std::uint8_t* atoms, Block* out)
{
    const int need = m_.groupNeed[static_cast<std::size_t>(group)];
    const int size = m_.groupSize[static_cast<std::size_t>(group)];
    const Block cap = allLanes(static_cast<Cost>(kNoWay));
    if (need == 0) {
        std::fill(out, out + blocks_, Block{});
    } else if (need == 1) {
        const Block* c = column(group, 0, atoms[0]);
        for (int b = 0; b < blocks_; ++b) out[b] = c[b];
        for (int j = 1; j < size; ++j) {
            c = column(group, 0, atoms[j]);
            for (int b = 0; b < blocks_; ++b) out[b] = least(out[b], c[b]);
        }
    } else if (need == 2) {
        const Block *a0 = column(group, 0, atoms[0]), *a1 = column(group, 1, atoms[0]);
        const Block *b0 = column(group, 0, atoms[1]), *b1 = column(group, 1, atoms[1]);
        for (int b = 0; b < blocks_; ++b) out[b] = least(least(a0[b] + b1[b], a1[b] + b0[b]), cap);
    } else {
        const Block* a[3][3];
        for (int j = 0; j < 3; ++j)
            for (int r = 0; r < 3; ++r) a[r][j] = column(group, r, atoms[j]);
        for (int b = 0; b < blocks_; ++b) {
            const Block p0 = a[0][0][b] + least(a[1][1][b] + a[2][2][b], a[1][2][b] + a[2][1][b]);
            const Block p1 = a[0][1][b] + least(a[1][0][b] + a[2][2][b], a[1][2][b] + a[2][0][b]);
            const Block p2 = a[0][2][b] + least(a[1][0][b] + a[2][1][b], a[1][1][b] + a[2][0][b]);
            out[b] = least(least(p0, p1), least(p2, cap));
        }
    }
}

int PlacementCosts::reset(const std::uint8_t* state, int known)
{
    const int places = m_.placementCount;
    const int groups = m_.groups();
    parent_ = state;
    nearLimit_ = -1;
    std::fill(total_.begin(), total_.end(), Block{});
    for (int g = 0; g < groups; ++g) {
        if (!small(g)) continue;
        const std::uint8_t* atoms = state + m_.groupStart[static_cast<std::size_t>(g)];
        const Block* row = &cost_[static_cast<std::size_t>(g * blocks_)];
        if (lone_[static_cast<std::size_t>(g)]) {
            row = column(g, 0, atoms[0]);  // a lone atom's cost is its column
        } else {
            // States taken one after the other are mostly siblings, which
            // share all groups but one: a group whose atoms stand where they
            // stood for the last state keeps its costs.
            std::uint8_t* last = &costAtoms_[static_cast<std::size_t>(m_.groupStart[static_cast<std::size_t>(g)])];
            const int size = m_.groupSize[static_cast<std::size_t>(g)];
            if (!std::equal(atoms, atoms + size, last)) {
                smallGroupCosts(g, atoms, &cost_[static_cast<std::size_t>(g * blocks_)]);
                std::copy(atoms, atoms + size, last);
                restFrom_[static_cast<std::size_t>(g)] = -1;  // and so do its sums for a moving atom
            }
        }
        row_[static_cast<std::size_t>(g)] = row;
        const Block cap = allLanes(static_cast<Cost>(kTotalCap));
        for (int b = 0; b < blocks_; ++b) total_[static_cast<std::size_t>(b)] = least(total_[static_cast<std::size_t>(b)] + row[b], cap);
    }
    if (largeGroups_) {
        // Placements whose partial sum passes this can take no part in a
        // child's bound, which never exceeds the state's own bound + 1: they
        // keep a partial total above it, and their large groups are skipped.
        const int cut = known >= kNoWay ? kNoWay : known + 1;
        for (int p = 0; p < places; ++p) {
            Block& slot = total_[static_cast<std::size_t>(p / kLanes)];
            int sum = lane(slot, p % kLanes);
            if (cut < kNoWay) {
                // A quick bound over the large groups first rules out most
                // placements far from the atoms.
                int quick = sum;
                for (int g = 0; g < groups && quick <= cut; ++g)
                    if (!small(g)) quick += cheapGroupCost(m_, p, g, state + m_.groupStart[static_cast<std::size_t>(g)]);
                if (quick > cut) {
                    setLane(slot, p % kLanes, static_cast<Cost>(std::min(quick, kTotalCap)));
                    continue;
                }
            }
            for (int g = 0; g < groups && sum <= cut; ++g) {
                if (small(g)) continue;
                const int c = groupCost(m_, p, g, state + m_.groupStart[static_cast<std::size_t>(g)]);
                setLane(cost_[static_cast<std::size_t>(g * blocks_ + p / kLanes)], p % kLanes, static_cast<Cost>(c));
                sum += c;
            }
            setLane(slot, p % kLanes, static_cast<Cost>(std::min(sum, kTotalCap)));
        }
    }
    // Lanes past the placements count as never reachable.
    for (int p = places; p < blocks_ * kLanes; ++p) setLane(total_[static_cast<std::size_t>(p / kLanes)], p % kLanes, static_cast<Cost>(kTotalCap));
    Block least8 = allLanes(static_cast<Cost>(kNoWay));
    for (int b = 0; b < blocks_; ++b) least8 = least(least8, total_[static_cast<std::size_t>(b)]);
    bound_ = leastLane(least8);
    // A `known` below the true bound would have cut every placement.
    if (bound_ >= kNoWay && known < kNoWay && largeGroups_) return reset(state);
    if (bound_ >= kNoWay) return kNoWay;
    order_.clear();
    if (largeGroups_) {
        // A child's bound is at most this bound + 1 (the parent's best
        // placement costs at most one more), so only placements up to that
        // total matter when a large group moves.
        for (int p = 0; p < places; ++p)
            if (total(p) <= bound_ + 1) order_.push_back(p);
        std::sort(order_.begin(), order_.end(), [&](int a, int b) { return total(a) < total(b); });
    }
    return bound_;
}

int PlacementCosts::boundOf(const std::uint8_t* state)
{
    const int groups = m_.groups();
    if (allLone_) {
        // One atom per group, each state position its own group: the bound
        // is the least column sum, which stays far below the lanes' limit.
        switch (groups) {
        case 2: return loneBound<2>(state);
        case 3: return loneBound<3>(state);
        case 4: return loneBound<4>(state);
        default: return loneBound<0>(state);
        }
    }
    const Block cap = allLanes(static_cast<Cost>(kTotalCap));
    Block* sum = direct_.data();
    for (int g = 0; g < groups; ++g) {
        const std::uint8_t* atoms = state + m_.groupStart[static_cast<std::size_t>(g)];
        const Block* row = scratch_.data();
        if (lone_[static_cast<std::size_t>(g)])
            row = column(g, 0, atoms[0]);
        else
            smallGroupCosts(g, atoms, scratch_.data());
        if (g == 0)
            std::copy(row, row + blocks_, sum);
        else
            for (int b = 0; b < blocks_; ++b) sum[b] = least(sum[b] + row[b], cap);
    }
    // Lanes past the placements hold at least kNoWay: some group needs an
    // atom, and its columns are kNoWay there.
    Block best = allLanes(static_cast<Cost>(kNoWay));
    for (int b = 0; b < blocks_; ++b) best = least(best, sum[b]);
    return leastLane(best);
}

int PlacementCosts::childBound(int group, const std::uint8_t* atoms, int from, int to)
{
    if (!small(group)) return childOfLargeGroup(group, atoms, from, to);
    const Block* row = row_[static_cast<std::size_t>(group)];
    const Block* total = total_.data();
    // Lanes past the placements hold at least kNoWay, as do placements
    // that cannot be reached, so the least lane answers as it stands.
    Block best = allLanes(static_cast<Cost>(kNoWay));
    if (m_.groupNeed[static_cast<std::size_t>(group)] == 3) return childOfTriple(group, from, to);
    if (lone_[static_cast<std::size_t>(group)]) {
        // The common case, one atom of its kind: its column is its cost.
        const Block* moved = column(group, 0, atoms[0]);
        for (int b = 0; b < blocks_; ++b) best = least(best, total[b] - row[b] + moved[b]);
    } else {
        smallGroupCosts(group, atoms, scratch_.data());
        const Block* moved = scratch_.data();
        for (int b = 0; b < blocks_; ++b) best = least(best, total[b] - row[b] + moved[b]);
    }
    return leastLane(best);
}

void PlacementCosts::fillNearerRuns(int target)
{
    nearerReady_[static_cast<std::size_t>(target)] = 1;
    if (!nearerRuns_) nearerRuns_.reset(new std::uint8_t[static_cast<std::size_t>(kCells) * kCells]);
    // Run distances are symmetric: the target's row holds every cell's distance to it.
    const std::uint8_t* d = m_.distanceFrom(target);
    std::uint8_t* out = &nearerRuns_[static_cast<std::size_t>(target) * kCells];
    // Along each line, in both senses, the least distance met since the last
    // fixed cell: a cell farther than that has a nearer cell on its run that way.
    const auto sweep = [&](int first, int step, int direction) {
        std::uint8_t least = kFarCells;
        for (int i = 0; i < 15; ++i) {
            const int cell = first + i * step;
            if (m_.fixed[static_cast<std::size_t>(cell)]) {
                least = kFarCells;
                continue;
            }
            if (least < d[cell]) out[cell] |= static_cast<std::uint8_t>(1u << direction);
            least = std::min(least, d[cell]);
        }
    };
    std::fill(out, out + kCells, std::uint8_t{0});
    for (int line = 0; line < 15; ++line) {
        sweep(line * 15, 1, Left);
        sweep(line * 15 + 14, -1, Right);
        sweep(line, 15, Up);
        sweep(14 * 15 + line, -15, Down);
    }
}

void PlacementCosts::gatherNear(int limit)
{
    nearLimit_ = limit;
    near_.clear();
    // Few placements are near; most blocks of eight hold none.
    for (int b = 0; b < blocks_; ++b) {
        if (leastLane(total_[static_cast<std::size_t>(b)]) > limit + 1) continue;
        for (int p = b * kLanes; p < std::min((b + 1) * kLanes, m_.placementCount); ++p)
            if (total(p) <= limit + 1) near_.push_back(p);
    }
}

int PlacementCosts::childOfTriple(int group, int from, int to)
{
    Block* rest = &rest_[static_cast<std::size_t>(group * 3 * blocks_)];
    if (restFrom_[static_cast<std::size_t>(group)] != from) {
        restFrom_[static_cast<std::size_t>(group)] = from;
        // The parent's other two atoms, on the two targets each choice leaves.
        const std::uint8_t* atoms = parent_ + m_.groupStart[static_cast<std::size_t>(group)];
        std::array<int, 2> others{};
        for (int j = 0, k = 0; j < 3; ++j)
            if (atoms[j] != from) others[static_cast<std::size_t>(k++)] = atoms[j];
        const Block *p0 = column(group, 0, others[0]), *p1 = column(group, 1, others[0]), *p2 = column(group, 2, others[0]);
        const Block *q0 = column(group, 0, others[1]), *q1 = column(group, 1, others[1]), *q2 = column(group, 2, others[1]);
        for (int b = 0; b < blocks_; ++b) {
            rest[b] = least(p1[b] + q2[b], p2[b] + q1[b]);
            rest[blocks_ + b] = least(p0[b] + q2[b], p2[b] + q0[b]);
            rest[2 * blocks_ + b] = least(p0[b] + q1[b], p1[b] + q0[b]);
        }
    }
    const Block *c0 = column(group, 0, to), *c1 = column(group, 1, to), *c2 = column(group, 2, to);
    const Block* row = row_[static_cast<std::size_t>(group)];
    const Block* total = total_.data();
    const Block cap = allLanes(static_cast<Cost>(kNoWay));
    Block best = cap;
    for (int b = 0; b < blocks_; ++b) {
        const Block moved = least(least(c0[b] + rest[b], c1[b] + rest[blocks_ + b]), least(c2[b] + rest[2 * blocks_ + b], cap));
        best = least(best, total[b] - row[b] + moved);
    }
    return leastLane(best);
}

int PlacementCosts::childOfLargeGroup(int group, const std::uint8_t* atoms, int from, int to) const
{
    int best = kNoWay;
    const int need = m_.groupNeed[static_cast<std::size_t>(group)];
    const std::uint8_t *beforeRow = m_.distanceFrom(from), *afterRow = m_.distanceFrom(to);
    for (int p : order_) {
        const int sum = total(p);
        if (sum - 1 >= best) break;
        // Only the moved atom's distances changed. If none to this
        // placement's targets changed, no assignment did; if none fell,
        // none can have become cheaper. Unreachable cells are left to the
        // full assignment, whose sum is capped.
        const std::uint8_t* t = m_.targets(p, group);
        int fell = 0, rose = 0;
        bool unreachable = false;
        for (int i = 0; i < need && !unreachable; ++i) {
            const std::uint8_t before = beforeRow[t[i]], after = afterRow[t[i]];
            unreachable |= before == kFarCells || after == kFarCells;
            fell |= after < before;
            rose |= after > before;
        }
        if (!unreachable) {
            if (!fell && !rose) {
                best = std::min(best, sum);
                continue;
            }
            if (!fell && sum >= best) continue;
        }
        const int value = sum - lane(cost_[static_cast<std::size_t>(group * blocks_ + p / kLanes)], p % kLanes) + groupCost(m_, p, group, atoms);
        if (value < best) best = value;
    }
    return std::min(best, kNoWay);
}

}  // namespace tarvik::plans
