#include "solver_dense.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "reverse_slides.h"
#include "search_bound.h"
#include "search_open_list.h"

namespace tarvik::plans {

namespace {

constexpr int kMaxDepth = 250;

// Flat arrays of one entry per state number. Zeroed by the allocator, which
// hands out fresh pages without writing them: a solve that meets few states
// touches few pages.
template <typename T>
struct ZeroedArray {
    ZeroedArray() = default;
    explicit ZeroedArray(std::size_t n) : data(static_cast<T*>(std::calloc(n == 0 ? 1 : n, sizeof(T))))
    {
        if (!data) throw std::bad_alloc();
    }
    struct Free {
        void operator()(T* p) const { std::free(p); }
    };
    std::unique_ptr<T, Free> data;
    T& operator[](std::size_t i) { return data.get()[i]; }
};

// The states of few atoms fit in 32 bits, one byte per atom; a queue entry
// is the state, its g and its h.
using Packed = std::uint64_t;

// A thread's arrays and open list, kept from one dense search to the next.
// The allocator hands a freed block of this size out again and must then
// clear all of it, which for small searches cost more than the search
// itself; so each search wipes only the entries it set. The open list's
// buckets keep their room the same way.
struct DenseArrays {
    std::size_t size = 0;
    ZeroedArray<std::uint8_t> g;
    std::vector<std::uint32_t> set;  // the numbers whose g was set
    std::vector<std::vector<Packed>> open;  // a bucket per f and h

    void makeRoom(std::size_t n)
    {
        if (n <= size) return;
        g = {};
        size = 0;
        g = ZeroedArray<std::uint8_t>(n);
        size = n;
    }
    void wipe()
    {
        for (std::uint32_t number : set) g[number] = 0;
        set.clear();
        for (std::vector<Packed>& bucket : open) bucket.clear();
    }
};
thread_local DenseArrays threadArrays;

Packed pack(const std::uint8_t* state, int n, int g, int h)
{
    Packed out = 0;
    for (int i = 0; i < n; ++i) out |= static_cast<Packed>(state[i]) << (8 * i);
    return out | static_cast<Packed>(g) << 32 | static_cast<Packed>(h) << 40;
}
void unpack(Packed entry, int n, std::uint8_t* state)
{
    for (int i = 0; i < n; ++i) state[i] = static_cast<std::uint8_t>(entry >> (8 * i));
}

// Calls step(0) to step(3), written out: a loop of four, which the
// compiler keeps, costs a mispredicted branch on most of its exits.
template <typename Step>
void forEachDirection(Step&& step)
{
    step(std::size_t{0});
    step(std::size_t{1});
    step(std::size_t{2});
    step(std::size_t{3});
}

// Where an atom stops on a board of few atoms: the wall stop in each
// direction, looked up, brought nearer by any other atom on that line.
// With at most three other atoms this is cheaper than marking every atom in
// bit lines for each state.
class SlideStops {
public:
    explicit SlideStops(const SearchModel& m)
    {
        for (int c = 0; c < kCells; ++c) {
            column_[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(c % 15);
            row_[static_cast<std::size_t>(c)] = static_cast<std::uint8_t>(c / 15);
            for (int dir = 0; dir < 4; ++dir) wall_[static_cast<std::size_t>(c)][static_cast<std::size_t>(dir)] = static_cast<std::uint8_t>(m.fixedLines.slideEnd(c, dir));
        }
    }
    // The stops of the atom at position `slot` of `state` (n atoms), by
    // direction: its own cell where it cannot move that way. The other
    // atoms are looked at one by one, written out like the directions.
    template <int n>
    void of(const std::uint8_t* state, int slot, std::array<int, 4>& ends) const
    {
        const int from = state[slot];
        const auto& wall = wall_[static_cast<std::size_t>(from)];
        ends = {wall[0], wall[1], wall[2], wall[3]};
        const int x = column_[static_cast<std::size_t>(from)], y = row_[static_cast<std::size_t>(from)];
        const auto other = [&](int o) {
            const int c = state[o];
            if (o == slot) return;
            if (row_[static_cast<std::size_t>(c)] == y) {
                if (c < from)
                    ends[Left] = std::max(ends[Left], c + 1);
                else
                    ends[Right] = std::min(ends[Right], c - 1);
            } else if (column_[static_cast<std::size_t>(c)] == x) {
                if (c < from)
                    ends[Up] = std::max(ends[Up], c + 15);
                else
                    ends[Down] = std::min(ends[Down], c - 15);
            }
        };
        [&]<int... o>(std::integer_sequence<int, o...>) { (other(o), ...); }(std::make_integer_sequence<int, n>{});
    }

private:
    std::array<std::array<std::uint8_t, 4>, kCells> wall_{};
    std::array<std::uint8_t, kCells> column_{}, row_{};
};

class DenseSearch {
public:
    DenseSearch(const SearchModel& m, const DenseStateIndex& index)
        : m_(m), index_(index), costs_(m), direct_(costs_.allGroupsSmall()), stops_(m), arrays_(threadArrays), g_(arrays_.g), open_(arrays_.open)
    {
        arrays_.makeRoom(index.size());
    }
    ~DenseSearch() { arrays_.wipe(); }
    DenseSearch(const DenseSearch&) = delete;
    DenseSearch& operator=(const DenseSearch&) = delete;

    SolveStatus run(std::size_t budget, std::chrono::steady_clock::time_point deadline, SolveResult& result)
    {
        // The count of atoms fixed at compile time unrolls the loops over
        // them; the index numbers states of one to four atoms.
        switch (m_.atomCount) {
        case 1: return search<1>(budget, deadline, result);
        case 2: return search<2>(budget, deadline, result);
        case 3: return search<3>(budget, deadline, result);
        default: return search<4>(budget, deadline, result);
        }
    }

private:
    template <int n>
    SolveStatus search(std::size_t budget, std::chrono::steady_clock::time_point deadline, SolveResult& result)
    {
        static_assert(n <= DenseStateIndex::kMaxAtoms);
        std::array<std::uint8_t, DenseStateIndex::kMaxAtoms> state{}, child{};
        std::copy(m_.start.begin(), m_.start.end(), state.begin());
        const int h0 = stateBound(m_, state.data());
        if (h0 >= kNoWay) return SolveStatus::Unsolvable;
        if (h0 == 0) return SolveStatus::Solved;
        if (h0 > kMaxDepth) return SolveStatus::Unknown;
        // g is kept plus one, so that zero means never seen.
        setG(index_(state.data()), 1, 0);
        std::size_t stored = 1;
        open_.push(pack(state.data(), n, 0, h0), h0, h0);

        std::array<int, 4> ends{};
        // Each position's group; a lone atom of its kind keeps its place in
        // the state, so its children's numbers differ from this one's in
        // its part alone.
        std::array<int, n> slotGroup{}, slotGroupBegin{};
        std::array<bool, n> slotAlone{};
        for (int slot = 0; slot < n; ++slot) {
            const int group = m_.groupOfSlot[static_cast<std::size_t>(slot)];
            slotGroup[static_cast<std::size_t>(slot)] = group;
            slotGroupBegin[static_cast<std::size_t>(slot)] = m_.groupStart[static_cast<std::size_t>(group)];
            slotAlone[static_cast<std::size_t>(slot)] = m_.groupSize[static_cast<std::size_t>(group)] == 1;
        }
        // One atom of each kind: the bound is the atoms' columns summed.
        const bool lone = costs_.allLone(n);
        Packed entry = 0;
        int f = 0;
        std::size_t taken = 0;
        while (open_.pop(entry, f)) {
            const int g = static_cast<int>(entry >> 32 & 0xff), h = static_cast<int>(entry >> 40 & 0xff);
            unpack(entry, n, state.data());
            const std::uint32_t self = index_(state.data());
            // Entries left behind when a state's g fell. No other entry
            // has the g that stands: a state is pushed again only with a
            // smaller g, and never once taken, since the bound is consistent.
            if (g_[self] != g + 1) continue;
            ++result.statesExpanded;
            if (++taken % 256 == 0 && std::chrono::steady_clock::now() > deadline) return finish(SolveStatus::Unknown, stored, result);
            if (!direct_) costs_.reset(state.data(), h);
            const int g1 = g + 1;
            for (int slot = 0; slot < n; ++slot) {
                const int from = state[static_cast<std::size_t>(slot)];
                const int group = slotGroup[static_cast<std::size_t>(slot)];
                const int groupBegin = slotGroupBegin[static_cast<std::size_t>(slot)];
                const bool alone = slotAlone[static_cast<std::size_t>(slot)];
                const std::uint32_t others = self - index_.part(slot, from);
                stops_.of<n>(state.data(), slot, ends);
                // Which moves lead to a state not yet reached as near. The
                // test runs for every move without a branch, since its answer
                // follows no pattern the processor could learn; a move that
                // goes nowhere leads back to this state, whose g is final.
                std::array<std::uint32_t, 4> numbers{};
                if (alone) {
                    forEachDirection([&](std::size_t d) { numbers[d] = others + index_.part(slot, ends[d]); });
                } else {
                    for (std::size_t d = 0; d < 4; ++d) {
                        child = state;
                        m_.moveAtom(child.data(), slot, ends[d]);
                        numbers[d] = index_(child.data());
                    }
                }
                // Wanted: a state never reached, or reached only by a longer
                // path. g is stored plus one, so seen - 1 is its g, and an
                // unseen 0 wraps to the largest unsigned value.
                std::array<int, 4> seen{};
                unsigned wanted = 0;
                forEachDirection([&](std::size_t d) {
                    seen[d] = g_[numbers[d]];
                    wanted |= static_cast<unsigned>(static_cast<unsigned>(seen[d] - 1) >= static_cast<unsigned>(g1 + 1)) << d;
                });
                for (; wanted != 0; wanted &= wanted - 1) {
                    const int dir = std::countr_zero(wanted);
                    const int to = ends[static_cast<std::size_t>(dir)];
                    const std::uint32_t number = numbers[static_cast<std::size_t>(dir)];
                    child = state;
                    if (alone)
                        child[static_cast<std::size_t>(slot)] = static_cast<std::uint8_t>(to);
                    else
                        m_.moveAtom(child.data(), slot, to);
                    const int hc = lone      ? costs_.loneBound<n>(child.data())
                                   : direct_ ? costs_.boundOf(child.data())
                                             : costs_.childBound(group, child.data() + groupBegin, from, to);
                    if (hc >= kNoWay) continue;  // no placement can be reached any more
                    if (g1 + hc > kMaxDepth) return finish(SolveStatus::Unknown, stored, result);
                    if (seen[static_cast<std::size_t>(dir)] == 0 && ++stored > budget) return finish(SolveStatus::Unknown, stored - 1, result);
                    setG(number, g1 + 1, seen[static_cast<std::size_t>(dir)]);
                    // Nothing in the open list is below f, and a goal's
                    // parent has a bound of one, so the goal is at f.
                    if (hc == 0) {
                        result.moves = pathTo(child.data(), g1);
                        return finish(SolveStatus::Solved, stored, result);
                    }
                    open_.push(pack(child.data(), n, g1, hc), g1 + hc, hc);
                }
            }
        }
        return finish(SolveStatus::Unsolvable, stored, result);
    }

    static SolveStatus finish(SolveStatus status, std::size_t stored, SolveResult& result)
    {
        result.statesStored += stored;
        return status;
    }
    // `seen` is the number's g as it stands, 0 when it was never set.
    void setG(std::uint32_t number, int g, int seen)
    {
        if (seen == 0) arrays_.set.push_back(number);
        g_[number] = static_cast<std::uint8_t>(g);
    }

    // Back from the goal through states whose g falls by one a move: each
    // stored g is the length of a path from the start, since it was set from
    // a parent taken with its final g, so the walk reaches the start.
    std::vector<SolveMove> pathTo(const std::uint8_t* goal, int depth)
    {
        const int n = m_.atomCount;
        std::vector<SolveMove> moves;
        std::array<std::uint8_t, DenseStateIndex::kMaxAtoms> state{}, parent{};
        std::copy(goal, goal + n, state.begin());
        Occupancy occupied{};
        for (int g = depth; g > 0; --g) {
            m_.fillOccupied(state.data(), occupied);
            bool found = false;
            for (int slot = 0; slot < n && !found; ++slot) {
                const int at = state[static_cast<std::size_t>(slot)];
                for (int dir = 0; dir < 4 && !found; ++dir)
                    found = !forEachSlideOrigin(occupied, at, dir, [&](int from) {
                        parent = state;
                        m_.moveAtom(parent.data(), slot, from);
                        const std::uint32_t number = index_(parent.data());
                        if (g_[number] != g) return true;
                        moves.push_back({from % 15, from / 15, dir});
                        return false;
                    });
                if (found) state = parent;
            }
            if (!found) return {};  // cannot happen: the parent that set this g is one
        }
        std::reverse(moves.begin(), moves.end());
        return moves;
    }

    const SearchModel& m_;
    const DenseStateIndex& index_;
    PlacementCosts costs_;
    // Bounds straight from the columns, with no table per parent.
    bool direct_;
    SlideStops stops_;
    DenseArrays& arrays_;
    ZeroedArray<std::uint8_t>& g_;
    OpenList<Packed> open_;
};

}  // namespace

SolveStatus denseForwardSearch(const SearchModel& m, const DenseStateIndex& index, std::size_t budget,
                               std::chrono::steady_clock::time_point deadline, SolveResult& result)
{
    DenseSearch search(m, index);
    return search.run(budget, deadline, result);
}

}  // namespace tarvik::plans
