#include "solver.h"

#include <algorithm>
#include <chrono>

#include "core/cell_codes.h"
#include "search_bound.h"
#include "search_dense_index.h"
#include "search_model.h"
#include "search_open_list.h"
#include "search_perimeter.h"
#include "search_table.h"
#include "solver_dense.h"

namespace tarvik::plans {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::array<int, 4> kDx{-1, 1, 0, 0};
constexpr std::array<int, 4> kDy{0, 0, -1, 1};
constexpr int kMaxDepth = 250;
constexpr int kMaxAtoms = 50;
// Below this many atoms a state has few children, and taking it again for
// its later ones costs more than storing them at once.
constexpr int kDeferFromAtoms = 5;
// Plans with at most this many states (a few atoms on a room of free
// cells) are searched with flat arrays; their pages are only touched where
// the search goes.
constexpr std::size_t kDenseStates = std::size_t{1} << 24;

// Node flags live in the move's spare high bits (a move is below 1024).
constexpr std::uint16_t kMoveBits = 0x03ff;
constexpr std::uint16_t kClosed = 0x8000;  // taken from the open list: its g is final
constexpr std::uint16_t kExact = 0x4000;
constexpr std::uint16_t kDone = 0x2000;  // every child is stored

struct Node {
    std::uint32_t parent;
    std::uint16_t move;  // from cell * 4 + direction, and the flags
    std::uint8_t g;
    std::uint8_t h;
};

SolveMove decodeMove(std::uint16_t move)
{
    int from = (move & kMoveBits) / 4;
    return {from % 15, from / 15, (move & kMoveBits) % 4};
}

// A* from the start: the open list is a bucket per f (and inside it per h,
// deeper states first), states are closed once, since the bound is
// consistent. With a goal perimeter, states that meet it carry their exact
// distance, and the first such state taken from the open list ends the search.
//
// On boards with many atoms most children cost more than their parent, and
// most of those are never taken from the open list before the goal is. So
// there a state taken at f stores only its new children of f and goes back
// into the open list at the least f of the others (its h rises to match):
// those are stored only if the search ever comes to that f.
class ForwardSearch {
public:
    ForwardSearch(const SearchModel& m, const GoalPerimeter* perimeter) : m_(m), perimeter_(perimeter), table_(m.atomCount), costs_(m), deferChildren_(m.atomCount >= kDeferFromAtoms) {}

    SolveStatus run(std::size_t budget, Clock::time_point deadline, SolveResult& result)
    {
        const int n = m_.atomCount;
        const std::uint64_t startHash = m_.hash(m_.start.data());
        int h0 = stateBound(m_, m_.start.data());
        if (h0 >= kNoWay) return SolveStatus::Unsolvable;
        if (perimeter_) {
            std::uint32_t at = 0;
            int d = perimeter_->find(m_.start.data(), startHash, at);
            if (d >= 0) {
                result.moves = perimeter_->pathToGoal(at);
                return SolveStatus::Solved;
            }
            if (perimeter_->complete()) return SolveStatus::Unsolvable;
            h0 = std::max(h0, perimeter_->floor());
        }
        if (h0 == 0) return SolveStatus::Solved;
        h0 = std::min(h0, kMaxDepth);
        open_.push(add(m_.start.data(), startHash, {StateTable::kMissing, 0, 0, static_cast<std::uint8_t>(h0)}), h0, h0);

        std::array<std::uint8_t, kMaxAtoms> state{}, child{};
        Occupancy occupied{};
        std::uint32_t index = 0;
        int f = 0;
        std::size_t taken = 0;  // for the clock
        while (open_.pop(index, f)) {
            Node node = nodes_[index];
            // Entries left behind when a state's g fell or its h rose.
            if ((node.move & kDone) || node.g + node.h != f) continue;
            if (node.move & kExact) {
                result.moves = finish(index);
                return SolveStatus::Solved;
            }
            // Counted once, the first time its moves are all tried.
            if (!(node.move & kClosed)) ++result.statesExpanded;
            nodes_[index].move |= kClosed;
            if (++taken % 256 == 0 && Clock::now() > deadline) return SolveStatus::Unknown;
            const std::uint8_t* stored = table_.state(index);
            for (int i = 0; i < n; ++i) state[static_cast<std::size_t>(i)] = stored[i];
            child = state;
            int dirtyBegin = 0, dirtyEnd = 0;
            const std::uint64_t hash = m_.hash(state.data());
            m_.fillOccupied(state.data(), occupied);
            costs_.reset(state.data(), node.h);
            const int g1 = node.g + 1;
            int later = kNoWay;  // the least f of the children left for later
            for (int slot = 0; slot < n; ++slot) {
                const int from = state[static_cast<std::size_t>(slot)];
                const int group = m_.groupOfSlot[static_cast<std::size_t>(slot)];
                const int groupBegin = m_.groupStart[static_cast<std::size_t>(group)];
                const int groupEnd = groupBegin + m_.groupSize[static_cast<std::size_t>(group)];
                // Most of the atom's moves lead away from every target that
                // matters; those wait for a later f without being looked at.
                const unsigned directions = deferChildren_ ? costs_.directionsToBoundAtMost(group, from, f - g1) : 0xf;
                for (int dir = 0; dir < 4; ++dir) {
                    if (!(directions >> dir & 1)) {
                        if (later > f + 1 && occupied.slideEnd(from, dir) != from) later = f + 1;
                        continue;
                    }
                    const int to = occupied.slideEnd(from, dir);
                    if (to == from) continue;
                    // Most children wait for a later f, and the quick test
                    // tells most of them apart before the child is built.
                    if (deferChildren_ && !costs_.mayBoundAtMost(group, from, to, f - g1)) {
                        later = std::min(later, f + 1);
                        continue;
                    }
                    // A move reorders its own group only: the group the
                    // last child changed is put back first.
                    for (int i = dirtyBegin; i < dirtyEnd; ++i) child[static_cast<std::size_t>(i)] = state[static_cast<std::size_t>(i)];
                    dirtyBegin = groupBegin;
                    dirtyEnd = groupEnd;
                    m_.moveAtom(child.data(), slot, to);
                    const std::uint64_t childHash = hash ^ m_.key(group, from) ^ m_.key(group, to);
                    const auto move = static_cast<std::uint16_t>(from * 4 + dir);
                    const std::uint8_t* childGroup = child.data() + groupBegin;
                    int h = -1;
                    if (deferChildren_) {
                        // The others are told apart by their bound before
                        // the table is asked.
                        h = costs_.childBound(group, childGroup, from, to);
                        if (h >= kNoWay) continue;  // no placement can be reached any more
                        if (g1 + h > f) {
                            if (g1 + h > kMaxDepth) return SolveStatus::Unknown;
                            later = std::min(later, g1 + h);
                            continue;
                        }
                    }
                    std::uint32_t found = table_.find(child.data(), childHash);
                    if (found != StateTable::kMissing) {
                        Node& other = nodes_[found];
                        if (!(other.move & kClosed) && other.g > g1) {
                            other.g = static_cast<std::uint8_t>(g1);
                            other.parent = index;
                            other.move = static_cast<std::uint16_t>((other.move & ~kMoveBits) | move);
                            open_.push(found, g1 + other.h, other.h);
                        }
                        continue;
                    }
                    if (h < 0) h = costs_.childBound(group, childGroup, from, to);
                    if (h >= kNoWay) continue;  // no placement can be reached any more
                    std::uint16_t flags = 0;
                    if (perimeter_) {
                        std::uint32_t at = 0;
                        int d = h <= perimeter_->deepest() ? perimeter_->find(child.data(), childHash, at) : -1;
                        if (d >= 0) {
                            h = d;
                            flags = kExact;
                        } else if (perimeter_->complete()) {
                            continue;  // the molecule cannot be built from here
                        } else {
                            h = std::max(h, perimeter_->floor());
                        }
                    }
                    if (g1 + h > kMaxDepth) return SolveStatus::Unknown;
                    if (deferChildren_ && g1 + h > f) {
                        later = std::min(later, g1 + h);
                        continue;
                    }
                    if (table_.size() >= budget) return SolveStatus::Unknown;
                    std::uint32_t added =
                        add(child.data(), childHash, {index, static_cast<std::uint16_t>(move | flags), static_cast<std::uint8_t>(g1), static_cast<std::uint8_t>(h)});
                    // Nothing in the open list is below f, so a goal (or an
                    // exact state) at f is a shortest solution already.
                    if (h == 0 || ((flags & kExact) && g1 + h == f)) {
                        result.moves = finish(added);
                        return SolveStatus::Solved;
                    }
                    open_.push(added, g1 + h, h);
                }
            }
            if (later < kNoWay) {
                nodes_[index].h = static_cast<std::uint8_t>(later - node.g);
                open_.push(index, later, later - node.g);
            } else {
                nodes_[index].move |= kDone;
            }
        }
        return SolveStatus::Unsolvable;
    }

    std::size_t stored() const { return table_.size(); }

private:
    std::uint32_t add(const std::uint8_t* s, std::uint64_t hash, Node node)
    {
        nodes_.push_back(node);
        return table_.add(s, hash);
    }
    std::vector<SolveMove> finish(std::uint32_t index) const
    {
        std::vector<SolveMove> moves;
        std::vector<SolveMove> tail;
        if (nodes_[index].move & kExact) {
            std::uint32_t at = 0;
            const std::uint8_t* s = table_.state(index);
            perimeter_->find(s, m_.hash(s), at);
            tail = perimeter_->pathToGoal(at);
        }
        for (; nodes_[index].parent != StateTable::kMissing; index = nodes_[index].parent) moves.push_back(decodeMove(nodes_[index].move));
        std::reverse(moves.begin(), moves.end());
        moves.insert(moves.end(), tail.begin(), tail.end());
        return moves;
    }

    const SearchModel& m_;
    const GoalPerimeter* perimeter_;
    StateTable table_;
    PlacementCosts costs_;
    std::vector<Node> nodes_;
    std::vector<std::vector<std::uint32_t>> buckets_;
    OpenList<std::uint32_t> open_{buckets_};
    bool deferChildren_;
};

}  // namespace

const char* directionName(int dir) {
    static const char* const names[] = {"left", "right", "up", "down"};
    return dir >= 0 && dir < 4 ? names[dir] : "?";
}

int directionFromName(const std::string& name) {
    for (int d = 0; d < 4; ++d)
        if (name == directionName(d)) return d;
    return -1;
}

bool pushAtom(std::array<std::uint8_t, 225>& board, int col, int row, int dir) {
    if (col < 0 || col > 14 || row < 0 || row > 14 || dir < 0 || dir > 3) return false;
    std::uint8_t atom = board[static_cast<std::size_t>(row * 15 + col)];
    if (!isAtomCode(atom)) return false;
    board[static_cast<std::size_t>(row * 15 + col)] = 0;
    int x = col, y = row;
    while (true) {
        int nx = x + kDx[static_cast<std::size_t>(dir)], ny = y + kDy[static_cast<std::size_t>(dir)];
        if (nx < 0 || nx > 14 || ny < 0 || ny > 14 || board[static_cast<std::size_t>(ny * 15 + nx)] != 0) break;
        x = nx;
        y = ny;
    }
    board[static_cast<std::size_t>(y * 15 + x)] = atom;
    return x != col || y != row;
}

bool moleculeComplete(const Puzzle& p, const std::array<std::uint8_t, 225>& board) {
    for (int oy = 0; oy + p.molHeight <= 15; ++oy)
        for (int ox = 0; ox + p.molWidth <= 15; ++ox) {
            bool ok = true;
            for (const LaidAtom& a : p.molecule) {
                int x = ox + a.col, y = oy + a.row;
                if (x < 0 || x > 14 || y < 0 || y > 14) {
                    ok = false;
                    break;
                }
                std::uint8_t code = board[static_cast<std::size_t>(y * 15 + x)];
                if (!isAtomCode(code) || p.kinds[code] != a.kind) {
                    ok = false;
                    break;
                }
            }
            if (ok) return true;
        }
    return false;
}

SolveResult solvePuzzle(const Puzzle& puzzle, const SolveLimits& limits)
{
    const auto begin = Clock::now();
    // Clamped so that the clock's nanoseconds cannot overflow (30 years).
    const double seconds = std::min(limits.seconds, 1e9);
    const auto deadline = begin + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    SolveResult result;
    auto done = [&](SolveStatus status) {
        result.status = status;
        if (status != SolveStatus::Solved) result.moves.clear();
        result.seconds = std::chrono::duration<double>(Clock::now() - begin).count();
        return result;
    };
    const SearchModel model = buildSearchModel(puzzle);
    if (model.atomCount == 0) return done(puzzle.molecule.empty() ? SolveStatus::Solved : SolveStatus::Unsolvable);
    if (model.impossible) return done(SolveStatus::Unsolvable);

    // Most plans are settled by a short plain search. The others are
    // searched again in rounds of growing size, each meeting a backward
    // search from the goals that grows along with it (a quarter of the round).
    std::size_t round = std::max<std::size_t>(limits.plainStates, 1);
    {
        const bool more = model.exactAtoms && limits.maxStates > round;
        const DenseStateIndex dense(model, kDenseStates);
        SolveStatus status = SolveStatus::Unknown;
        if (dense.size() > 0) {
            status = denseForwardSearch(model, dense, more ? round : limits.maxStates, deadline, result);
        } else {
            ForwardSearch plain(model, nullptr);
            status = plain.run(more ? round : limits.maxStates, deadline, result);
            result.statesStored += plain.stored();
        }
        if (status != SolveStatus::Unknown || !more) return done(status);
    }
    GoalPerimeter perimeter(model);
    while (Clock::now() < deadline && result.statesStored < limits.maxStates) {
        round *= 4;
        const std::size_t left = limits.maxStates - result.statesStored;
        const std::size_t before = perimeter.size();
        perimeter.build(std::min(before + round / 4, before + left / 4), deadline);
        result.statesStored += perimeter.size() - before;
        result.perimeterStates = perimeter.size();
        ForwardSearch met(model, &perimeter);
        SolveStatus status = met.run(std::min(round, limits.maxStates - result.statesStored), deadline, result);
        result.statesStored += met.stored();
        if (status != SolveStatus::Unknown) return done(status);
    }
    return done(SolveStatus::Unknown);
}

int estimateMoves(const Puzzle& puzzle, const std::array<std::uint8_t, 225>& board)
{
    Puzzle copy = puzzle;
    copy.board = board;
    const SearchModel model = buildSearchModel(copy);
    if (model.impossible) return -1;
    if (model.atomCount == 0) return 0;
    int bound = stateBound(model, model.start.data());
    return bound >= kNoWay ? -1 : bound;
}

}  // namespace tarvik::plans
