#include "backward_search.h"

#include <algorithm>
#include <numeric>

#include "reverse_slides.h"

namespace tarvik::plans {

namespace {

constexpr Arrangement kEmpty = ~Arrangement{0};
constexpr int kDx[] = {-1, 1, 0, 0};
constexpr int kDy[] = {0, 0, -1, 1};

std::uint64_t mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

// The cell one step from `cell` towards `dir`, or -1 off the board.
int stepFrom(int cell, int dir) {
    int x = cell % 15 + kDx[dir], y = cell / 15 + kDy[dir];
    return x < 0 || x > 14 || y < 0 || y > 14 ? -1 : y * 15 + x;
}

}  // namespace

BackwardSearch::BackwardSearch(const BoardCells& board, const MoleculeLayout& molecule)
    : board_(board), molecule_(molecule), atoms_(static_cast<int>(molecule.atoms.size())) {
    if (atoms_ < 1 || atoms_ > kMaxAtoms) return;
    // Interchangeable atoms sit side by side so that sorting each run of one
    // kind makes every arrangement unique.
    order_.resize(static_cast<std::size_t>(atoms_));
    std::iota(order_.begin(), order_.end(), 0);
    std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
        return molecule.atoms[static_cast<std::size_t>(a)].kind < molecule.atoms[static_cast<std::size_t>(b)].kind;
    });
    groupStart_.resize(order_.size());
    for (std::size_t j = 0; j < order_.size(); ++j) {
        bool same = j > 0 && molecule.atoms[static_cast<std::size_t>(order_[j])].kind ==
                                 molecule.atoms[static_cast<std::size_t>(order_[j - 1])].kind;
        groupStart_[j] = same ? groupStart_[j - 1] : static_cast<int>(j);
    }
    for (int oy = 0; oy + molecule.height <= 15 && !usable_; ++oy)
        for (int ox = 0; ox + molecule.width <= 15 && !usable_; ++ox) {
            bool fits = true;
            for (const LaidAtom& a : molecule.atoms)
                if (board_[static_cast<std::size_t>((oy + a.row) * 15 + ox + a.col)] != 0) fits = false;
            usable_ = fits;
        }
}

Arrangement BackwardSearch::canonical(std::array<std::uint8_t, kMaxAtoms> cells) const {
    for (int j = 1; j < atoms_; ++j)
        for (int i = j; i > groupStart_[static_cast<std::size_t>(i)] && cells[static_cast<std::size_t>(i - 1)] > cells[static_cast<std::size_t>(i)]; --i)
            std::swap(cells[static_cast<std::size_t>(i - 1)], cells[static_cast<std::size_t>(i)]);
    Arrangement a = 0;
    for (int j = 0; j < atoms_; ++j) a |= Arrangement{cells[static_cast<std::size_t>(j)]} << (8 * j);
    return a;
}

std::array<std::uint8_t, BackwardSearch::kMaxAtoms> BackwardSearch::unpack(Arrangement a) const {
    std::array<std::uint8_t, kMaxAtoms> cells{};
    for (int j = 0; j < atoms_; ++j) cells[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(a >> (8 * j));
    return cells;
}

void BackwardSearch::grow() {
    std::vector<Arrangement> oldKeys = std::move(keys_);
    std::vector<std::uint8_t> oldDepths = std::move(depths_);
    keys_.assign(std::max<std::size_t>(1024, oldKeys.size() * 2), kEmpty);
    depths_.assign(keys_.size(), 0);
    std::size_t mask = keys_.size() - 1;
    for (std::size_t i = 0; i < oldKeys.size(); ++i) {
        if (oldKeys[i] == kEmpty) continue;
        std::size_t s = mix(oldKeys[i]) & mask;
        while (keys_[s] != kEmpty) s = (s + 1) & mask;
        keys_[s] = oldKeys[i];
        depths_[s] = oldDepths[i];
    }
}

bool BackwardSearch::insert(Arrangement a, std::uint8_t depth) {
    if ((count_ + 1) * 10 > keys_.size() * 6) grow();
    std::size_t mask = keys_.size() - 1;
    std::size_t s = mix(a) & mask;
    while (keys_[s] != kEmpty) {
        if (keys_[s] == a) return false;
        s = (s + 1) & mask;
    }
    keys_[s] = a;
    depths_[s] = depth;
    ++count_;
    return true;
}

int BackwardSearch::distance(Arrangement a) const {
    if (keys_.empty()) return -1;
    std::size_t mask = keys_.size() - 1;
    for (std::size_t s = mix(a) & mask; keys_[s] != kEmpty; s = (s + 1) & mask)
        if (keys_[s] == a) return depths_[s];
    return -1;
}

void BackwardSearch::run(const BackwardLimits& limits) {
    keys_.clear();
    depths_.clear();
    count_ = 0;
    layers_.clear();
    complete_ = false;
    if (!usable_) return;
    grow();
    std::vector<Arrangement> goals;
    for (int oy = 0; oy + molecule_.height <= 15; ++oy)
        for (int ox = 0; ox + molecule_.width <= 15; ++ox) {
            std::array<std::uint8_t, kMaxAtoms> cells{};
            bool fits = true;
            for (int j = 0; j < atoms_; ++j) {
                const LaidAtom& a = molecule_.atoms[static_cast<std::size_t>(order_[static_cast<std::size_t>(j)])];
                int cell = (oy + a.row) * 15 + ox + a.col;
                if (board_[static_cast<std::size_t>(cell)] != 0) fits = false;
                cells[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(cell);
            }
            Arrangement g = canonical(cells);
            if (fits && insert(g, 0)) goals.push_back(g);
        }
    layers_.push_back(std::move(goals));
    const int maxDepth = std::min(limits.maxDepth, 255);
    BoardCells occupied = board_;
    while (!layers_.back().empty() && deepest() < maxDepth) {
        const auto depth = static_cast<std::uint8_t>(deepest() + 1);
        std::vector<Arrangement> next;
        for (Arrangement from : layers_[static_cast<std::size_t>(depth - 1)]) {
            auto cells = unpack(from);
            for (int j = 0; j < atoms_; ++j) occupied[cells[static_cast<std::size_t>(j)]] = 1;
            for (int j = 0; j < atoms_; ++j) {
                const int p = cells[static_cast<std::size_t>(j)];
                for (int dir = 0; dir < 4; ++dir) {
                    const bool room = forEachSlideOrigin(occupied, p, dir, [&](int q) {
                        auto moved = cells;
                        moved[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(q);
                        Arrangement a = canonical(moved);
                        if (insert(a, depth)) next.push_back(a);
                        return count_ < limits.maxStates;
                    });
                    if (!room) {
                        for (int k = 0; k < atoms_; ++k) occupied[cells[static_cast<std::size_t>(k)]] = 0;
                        if (!next.empty()) layers_.push_back(std::move(next));
                        return;
                    }
                }
            }
            for (int j = 0; j < atoms_; ++j) occupied[cells[static_cast<std::size_t>(j)]] = 0;
        }
        if (next.empty()) {
            complete_ = true;
            return;
        }
        layers_.push_back(std::move(next));
    }
    complete_ = layers_.back().empty();
}

Puzzle BackwardSearch::puzzleOf(Arrangement a) const {
    Puzzle puzzle;
    puzzle.board = board_;
    puzzle.molecule = molecule_.atoms;
    puzzle.molWidth = molecule_.width;
    puzzle.molHeight = molecule_.height;
    auto cells = unpack(a);
    // Within a kind the lowest layout atom takes the first cell in row-major
    // order, as the plan compiler numbers them.
    for (int j = 0; j < atoms_;) {
        int end = j + 1;
        while (end < atoms_ && groupStart_[static_cast<std::size_t>(end)] == j) ++end;
        std::vector<int> numbers(order_.begin() + j, order_.begin() + end);
        std::sort(numbers.begin(), numbers.end());
        for (int k = j; k < end; ++k) {
            int atom = numbers[static_cast<std::size_t>(k - j)];
            puzzle.board[cells[static_cast<std::size_t>(k)]] = static_cast<std::uint8_t>(atom + 1);
            puzzle.kinds[static_cast<std::size_t>(atom + 1)] = molecule_.atoms[static_cast<std::size_t>(atom)].kind;
        }
        j = end;
    }
    return puzzle;
}

std::vector<SolveMove> BackwardSearch::solutionFrom(Arrangement a) const {
    std::vector<SolveMove> moves;
    int d = distance(a);
    BoardCells occupied = board_;
    while (d > 0) {
        auto cells = unpack(a);
        for (int j = 0; j < atoms_; ++j) occupied[cells[static_cast<std::size_t>(j)]] = 1;
        bool stepped = false;
        for (int j = 0; j < atoms_ && !stepped; ++j) {
            const int p = cells[static_cast<std::size_t>(j)];
            for (int dir = 0; dir < 4 && !stepped; ++dir) {
                int q = p;
                for (int n = stepFrom(q, dir); n >= 0 && occupied[static_cast<std::size_t>(n)] == 0; n = stepFrom(q, dir)) q = n;
                if (q == p) continue;
                auto moved = cells;
                moved[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(q);
                Arrangement b = canonical(moved);
                if (distance(b) != d - 1) continue;
                moves.push_back({p % 15, p / 15, dir});
                a = b;
                stepped = true;
            }
        }
        for (int j = 0; j < atoms_; ++j) occupied[cells[static_cast<std::size_t>(j)]] = 0;
        if (!stepped) return {};  // cannot happen for a found arrangement
        --d;
    }
    return moves;
}

}  // namespace tarvik::plans
