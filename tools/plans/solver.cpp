#include "solver.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstring>
#include <map>

namespace tarvik::plans {

namespace {

constexpr int kCells = 225;
constexpr std::uint8_t kFar = 255;
constexpr std::array<int, 4> kDx{-1, 1, 0, 0};
constexpr std::array<int, 4> kDy{0, 0, -1, 1};

bool isAtomCode(std::uint8_t code) { return code >= 1 && code <= 50; }

// Everything about a puzzle that stays fixed during the search.
struct Model {
    std::array<bool, kCells> fixed{};       // walls, obstacles, outside cells
    int atomCount = 0;                      // atoms on the board
    std::vector<int> groupStart;            // state offset of each kind group
    std::vector<int> groupSize;
    std::vector<std::int32_t> groupKind;
    std::vector<std::uint8_t> startState;   // cell of each atom, sorted per group
    // Placements whose cells are all free of fixed cells, and per placement
    // and group the target cells of that group.
    int placementCount = 0;
    std::vector<std::vector<std::vector<std::uint8_t>>> targets;  // [placement][group]
    // Least number of straight runs from a cell to a target cell, through
    // cells that are not fixed, stopping anywhere: dist[target * 225 + from].
    std::vector<std::uint8_t> dist;
    bool impossible = false;
};

void computeDistances(Model& m) {
    m.dist.assign(static_cast<std::size_t>(kCells) * kCells, kFar);
    std::array<int, kCells> queue{};
    for (int t = 0; t < kCells; ++t) {
        if (m.fixed[static_cast<std::size_t>(t)]) continue;
        std::uint8_t* d = &m.dist[static_cast<std::size_t>(t) * kCells];
        int head = 0, tail = 0;
        d[t] = 0;
        queue[static_cast<std::size_t>(tail++)] = t;
        while (head < tail) {
            int c = queue[static_cast<std::size_t>(head++)];
            int x = c % 15, y = c / 15;
            for (int dir = 0; dir < 4; ++dir) {
                int nx = x + kDx[static_cast<std::size_t>(dir)], ny = y + kDy[static_cast<std::size_t>(dir)];
                while (nx >= 0 && nx < 15 && ny >= 0 && ny < 15 && !m.fixed[static_cast<std::size_t>(ny * 15 + nx)]) {
                    int n = ny * 15 + nx;
                    if (d[n] == kFar) {
                        d[n] = static_cast<std::uint8_t>(d[c] + 1);
                        queue[static_cast<std::size_t>(tail++)] = n;
                    }
                    nx += kDx[static_cast<std::size_t>(dir)];
                    ny += kDy[static_cast<std::size_t>(dir)];
                }
            }
        }
    }
}

Model buildModel(const Puzzle& p) {
    Model m;
    std::map<std::int32_t, std::vector<int>> cellsByKind;
    for (int c = 0; c < kCells; ++c) {
        std::uint8_t code = p.board[static_cast<std::size_t>(c)];
        m.fixed[static_cast<std::size_t>(c)] = code > 50;
        if (isAtomCode(code)) cellsByKind[p.kinds[code]].push_back(c);
    }
    std::map<std::int32_t, int> groupOf;
    for (auto& [kind, cells] : cellsByKind) {
        groupOf[kind] = static_cast<int>(m.groupKind.size());
        m.groupKind.push_back(kind);
        m.groupStart.push_back(static_cast<int>(m.startState.size()));
        m.groupSize.push_back(static_cast<int>(cells.size()));
        for (int c : cells) m.startState.push_back(static_cast<std::uint8_t>(c));
    }
    m.atomCount = static_cast<int>(m.startState.size());
    std::size_t groups = m.groupKind.size();
    std::vector<int> need(groups, 0);
    for (const LaidAtom& a : p.molecule) {
        auto it = groupOf.find(a.kind);
        if (it == groupOf.end()) {
            m.impossible = true;
            return m;
        }
        ++need[static_cast<std::size_t>(it->second)];
    }
    for (std::size_t g = 0; g < groups; ++g)
        if (need[g] > m.groupSize[g]) m.impossible = true;
    if (m.impossible) return m;
    int w = p.molWidth, h = p.molHeight;
    for (int oy = 0; oy + h <= 15; ++oy)
        for (int ox = 0; ox + w <= 15; ++ox) {
            std::vector<std::vector<std::uint8_t>> perGroup(groups);
            bool ok = true;
            for (const LaidAtom& a : p.molecule) {
                int x = ox + a.col, y = oy + a.row;
                if (x < 0 || x > 14 || y < 0 || y > 14 || m.fixed[static_cast<std::size_t>(y * 15 + x)]) {
                    ok = false;
                    break;
                }
                perGroup[static_cast<std::size_t>(groupOf[a.kind])].push_back(static_cast<std::uint8_t>(y * 15 + x));
            }
            if (ok) m.targets.push_back(std::move(perGroup));
        }
    m.placementCount = static_cast<int>(m.targets.size());
    m.impossible = m.placementCount == 0;
    computeDistances(m);
    return m;
}

// Least total distance when each target takes a distinct atom of the group.
int matchGroup(const Model& m, const std::uint8_t* atoms, int n, const std::vector<std::uint8_t>& targets, int budget) {
    int t = static_cast<int>(targets.size());
    if (t == 0) return 0;
    if (t == 1) {
        const std::uint8_t* d = &m.dist[static_cast<std::size_t>(targets[0]) * kCells];
        int best = kFar;
        for (int i = 0; i < n; ++i) best = std::min<int>(best, d[atoms[i]]);
        return best >= kFar ? INT_MAX / 4 : best;
    }
    if (n <= 10) {
        // Dynamic programme over sets of used atoms, one target at a time.
        std::array<int, 1 << 10> dp;
        int full = 1 << n;
        std::fill(dp.begin(), dp.begin() + full, INT_MAX / 4);
        dp[0] = 0;
        for (int mask = 0; mask < full; ++mask) {
            int used = __builtin_popcount(static_cast<unsigned>(mask));
            if (used >= t || dp[static_cast<std::size_t>(mask)] >= INT_MAX / 4) continue;
            const std::uint8_t* d = &m.dist[static_cast<std::size_t>(targets[static_cast<std::size_t>(used)]) * kCells];
            for (int i = 0; i < n; ++i) {
                if (mask & (1 << i)) continue;
                int c = d[atoms[i]];
                if (c >= kFar) continue;
                int v = dp[static_cast<std::size_t>(mask)] + c;
                if (v < dp[static_cast<std::size_t>(mask | (1 << i))]) dp[static_cast<std::size_t>(mask | (1 << i))] = v;
            }
        }
        int best = INT_MAX / 4;
        for (int mask = 0; mask < full; ++mask)
            if (__builtin_popcount(static_cast<unsigned>(mask)) == t) best = std::min(best, dp[static_cast<std::size_t>(mask)]);
        return best;
    }
    // Large groups: each target's nearest atom, which still never overestimates.
    int sum = 0;
    for (int k = 0; k < t && sum <= budget; ++k) {
        const std::uint8_t* d = &m.dist[static_cast<std::size_t>(targets[static_cast<std::size_t>(k)]) * kCells];
        int best = kFar;
        for (int i = 0; i < n; ++i) best = std::min<int>(best, d[atoms[i]]);
        if (best >= kFar) return INT_MAX / 4;
        sum += best;
    }
    return sum;
}

// Lower bound for a state; `hint` is the placement to try first (the one
// that was best for the parent). Returns -1 when no placement is reachable.
int estimate(const Model& m, const std::uint8_t* state, int hint, int* bestPlacement) {
    int best = INT_MAX / 4, bestIndex = -1;
    std::size_t groups = m.groupKind.size();
    for (int k = -1; k < m.placementCount; ++k) {
        int p = k < 0 ? hint : k;
        if (p < 0 || (k >= 0 && p == hint)) continue;
        int sum = 0;
        for (std::size_t g = 0; g < groups && sum < best; ++g)
            sum += matchGroup(m, state + m.groupStart[g], m.groupSize[g], m.targets[static_cast<std::size_t>(p)][g], best - sum);
        if (sum < best) {
            best = sum;
            bestIndex = p;
            if (best == 0) break;
        }
    }
    if (bestPlacement) *bestPlacement = bestIndex;
    return best >= INT_MAX / 4 ? -1 : best;
}

std::uint64_t hashState(const std::uint8_t* s, int n) {
    std::uint64_t h = 0x9E3779B97F4A7C15ull ^ static_cast<std::uint64_t>(n);
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t w;
        std::memcpy(&w, s + i, 8);
        h ^= w;
        h *= 0xff51afd7ed558ccdull;
        h ^= h >> 32;
    }
    std::uint64_t w = 0;
    std::memcpy(&w, s + i, static_cast<std::size_t>(n - i));
    h ^= w;
    h *= 0xc4ceb9fe1a85ec53ull;
    h ^= h >> 29;
    return h;
}

struct Node {
    std::uint32_t parent;
    std::uint16_t move;  // from cell * 4 + direction
    std::uint8_t g;
    std::uint8_t h;
    std::uint8_t placement;
    std::uint8_t closed;
};

class Search {
public:
    Search(const Model& m, const SolveLimits& limits) : m_(m), limits_(limits), n_(m.atomCount) {}

    SolveResult run() {
        auto start = std::chrono::steady_clock::now();
        SolveResult result;
        auto finish = [&](SolveStatus status) {
            result.status = status;
            result.statesStored = nodes_.size();
            result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            return result;
        };
        if (m_.impossible) return finish(SolveStatus::Unsolvable);
        int place = -1;
        int h0 = estimate(m_, m_.startState.data(), -1, &place);
        if (h0 < 0) return finish(SolveStatus::Unsolvable);
        std::size_t reserve = std::min<std::size_t>(limits_.maxStates, 1 << 16);
        arena_.reserve(reserve * static_cast<std::size_t>(n_));
        nodes_.reserve(reserve);
        table_.assign(1 << 17, 0);
        mask_ = table_.size() - 1;
        insert(m_.startState.data(), {UINT32_MAX, 0, 0, static_cast<std::uint8_t>(h0), static_cast<std::uint8_t>(place), 0});
        if (h0 == 0) return finish(SolveStatus::Solved);
        push(0, h0, h0);

        std::vector<std::uint8_t> scratch(static_cast<std::size_t>(n_));
        std::vector<std::uint8_t> current(static_cast<std::size_t>(n_));
        std::array<std::uint8_t, kCells> occupied{};
        std::size_t expanded = 0;
        while (true) {
            std::uint32_t index;
            if (!pop(index)) return finish(SolveStatus::Unsolvable);
            Node node = nodes_[index];
            if (node.closed) continue;
            nodes_[index].closed = 1;
            if (++expanded % 1024 == 0) {
                double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
                if (elapsed > limits_.seconds) {
                    result.statesExpanded = expanded;
                    return finish(SolveStatus::Unknown);
                }
            }
            // A copy: storing successors may move the arena.
            std::memcpy(current.data(), &arena_[static_cast<std::size_t>(index) * static_cast<std::size_t>(n_)], static_cast<std::size_t>(n_));
            const std::uint8_t* state = current.data();
            for (int c = 0; c < kCells; ++c) occupied[static_cast<std::size_t>(c)] = m_.fixed[static_cast<std::size_t>(c)];
            for (int i = 0; i < n_; ++i) occupied[state[i]] = 1;
            for (std::size_t g = 0; g < m_.groupKind.size(); ++g) {
                int begin = m_.groupStart[g], size = m_.groupSize[g];
                for (int i = begin; i < begin + size; ++i) {
                    int from = state[i];
                    int x0 = from % 15, y0 = from / 15;
                    for (int dir = 0; dir < 4; ++dir) {
                        int x = x0, y = y0;
                        while (true) {
                            int nx = x + kDx[static_cast<std::size_t>(dir)], ny = y + kDy[static_cast<std::size_t>(dir)];
                            if (nx < 0 || nx > 14 || ny < 0 || ny > 14 || occupied[static_cast<std::size_t>(ny * 15 + nx)]) break;
                            x = nx;
                            y = ny;
                        }
                        if (x == x0 && y == y0) continue;
                        std::memcpy(scratch.data(), state, static_cast<std::size_t>(n_));
                        // Keep the group sorted: move the new cell into place.
                        int to = y * 15 + x;
                        int j = i;
                        scratch[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(to);
                        while (j > begin && scratch[static_cast<std::size_t>(j - 1)] > scratch[static_cast<std::size_t>(j)]) {
                            std::swap(scratch[static_cast<std::size_t>(j - 1)], scratch[static_cast<std::size_t>(j)]);
                            --j;
                        }
                        while (j + 1 < begin + size && scratch[static_cast<std::size_t>(j + 1)] < scratch[static_cast<std::size_t>(j)]) {
                            std::swap(scratch[static_cast<std::size_t>(j + 1)], scratch[static_cast<std::size_t>(j)]);
                            ++j;
                        }
                        std::uint8_t g1 = static_cast<std::uint8_t>(node.g + 1);
                        std::uint16_t move = static_cast<std::uint16_t>(from * 4 + dir);
                        std::uint64_t hash = hashState(scratch.data(), n_);
                        std::uint32_t found = lookup(scratch.data(), hash);
                        if (found != UINT32_MAX) {
                            Node& other = nodes_[found];
                            if (!other.closed && other.g > g1) {
                                other.g = g1;
                                other.parent = index;
                                other.move = move;
                                push(found, g1 + other.h, other.h);
                            }
                            continue;
                        }
                        int placement = -1;
                        int h = estimate(m_, scratch.data(), node.placement, &placement);
                        if (h < 0) continue;  // no placement can be reached any more
                        if (nodes_.size() >= limits_.maxStates || g1 + h > 250) {
                            result.statesExpanded = expanded;
                            return finish(SolveStatus::Unknown);
                        }
                        std::uint32_t added = insertHashed(scratch.data(), hash,
                                                           {index, move, g1, static_cast<std::uint8_t>(h), static_cast<std::uint8_t>(placement), 0});
                        if (h == 0) {
                            result.moves = path(added);
                            result.statesExpanded = expanded;
                            return finish(SolveStatus::Solved);
                        }
                        push(added, g1 + h, h);
                    }
                }
            }
        }
    }

private:
    std::uint32_t lookup(const std::uint8_t* s, std::uint64_t hash) const {
        for (std::size_t slot = hash & mask_;; slot = (slot + 1) & mask_) {
            std::uint32_t v = table_[slot];
            if (v == 0) return UINT32_MAX;
            if (std::memcmp(&arena_[static_cast<std::size_t>(v - 1) * static_cast<std::size_t>(n_)], s, static_cast<std::size_t>(n_)) == 0) return v - 1;
        }
    }
    std::uint32_t insert(const std::uint8_t* s, Node node) { return insertHashed(s, hashState(s, n_), node); }
    std::uint32_t insertHashed(const std::uint8_t* s, std::uint64_t hash, Node node) {
        if ((nodes_.size() + 1) * 2 > table_.size()) grow();
        std::uint32_t index = static_cast<std::uint32_t>(nodes_.size());
        nodes_.push_back(node);
        arena_.insert(arena_.end(), s, s + n_);
        std::size_t slot = hash & mask_;
        while (table_[slot] != 0) slot = (slot + 1) & mask_;
        table_[slot] = index + 1;
        return index;
    }
    void grow() {
        std::vector<std::uint32_t> bigger(table_.size() * 2, 0);
        std::size_t mask = bigger.size() - 1;
        for (std::uint32_t v : table_) {
            if (v == 0) continue;
            std::size_t slot = hashState(&arena_[static_cast<std::size_t>(v - 1) * static_cast<std::size_t>(n_)], n_) & mask;
            while (bigger[slot] != 0) slot = (slot + 1) & mask;
            bigger[slot] = v;
        }
        table_.swap(bigger);
        mask_ = mask;
    }
    // Open list: buckets by f, and inside by h (deeper states first).
    void push(std::uint32_t index, int f, int h) {
        std::size_t b = static_cast<std::size_t>(f) * 256 + static_cast<std::size_t>(h);
        if (open_.size() <= b) open_.resize(b + 1);
        open_[b].push_back(index);
        if (b < lowest_) lowest_ = b;
    }
    bool pop(std::uint32_t& index) {
        while (lowest_ < open_.size() && open_[lowest_].empty()) ++lowest_;
        if (lowest_ >= open_.size()) return false;
        index = open_[lowest_].back();
        open_[lowest_].pop_back();
        return true;
    }
    std::vector<SolveMove> path(std::uint32_t index) const {
        std::vector<SolveMove> moves;
        while (nodes_[index].parent != UINT32_MAX) {
            int from = nodes_[index].move / 4;
            moves.push_back({from % 15, from / 15, nodes_[index].move % 4});
            index = nodes_[index].parent;
        }
        std::reverse(moves.begin(), moves.end());
        return moves;
    }

    const Model& m_;
    SolveLimits limits_;
    int n_;
    std::vector<std::uint8_t> arena_;
    std::vector<Node> nodes_;
    std::vector<std::uint32_t> table_;
    std::size_t mask_ = 0;
    std::vector<std::vector<std::uint32_t>> open_;
    std::size_t lowest_ = 0;
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

SolveResult solvePuzzle(const Puzzle& puzzle, const SolveLimits& limits) {
    Model model = buildModel(puzzle);
    if (model.atomCount == 0) {
        SolveResult r;
        r.status = puzzle.molecule.empty() ? SolveStatus::Solved : SolveStatus::Unsolvable;
        return r;
    }
    Search search(model, limits);
    return search.run();
}

int estimateMoves(const Puzzle& puzzle, const std::array<std::uint8_t, 225>& board) {
    Puzzle copy = puzzle;
    copy.board = board;
    Model model = buildModel(copy);
    if (model.impossible) return -1;
    return estimate(model, model.startState.data(), -1, nullptr);
}

}  // namespace tarvik::plans
