#include "solver_bfs.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <unordered_map>

#include "core/cell_codes.h"

namespace tarvik::plans {

namespace {

using Board = std::array<std::uint8_t, 225>;

// Boards that differ only in which atom of a kind stands where are one
// state: the key lists, kind by kind in the order of first atom numbers,
// the cells of that kind's atoms.
class BoardKeys {
public:
    explicit BoardKeys(const Puzzle& p)
    {
        for (int n = 1; n <= 50; ++n)
            for (int k = 1; k <= n; ++k)
                if (p.kinds[static_cast<std::size_t>(k)] == p.kinds[static_cast<std::size_t>(n)]) {
                    first_[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(k);
                    break;
                }
    }
    std::string key(const Board& b) const
    {
        std::array<std::uint16_t, 50> atoms{};
        std::size_t n = 0;
        for (int c = 0; c < 225; ++c)
            if (isAtomCode(b[static_cast<std::size_t>(c)])) atoms[n++] = static_cast<std::uint16_t>(first_[b[static_cast<std::size_t>(c)]] << 8 | c);
        std::sort(atoms.begin(), atoms.begin() + static_cast<std::ptrdiff_t>(n));
        std::string out;
        for (std::size_t i = 0; i < n; ++i) {
            out.push_back(static_cast<char>(atoms[i] >> 8));
            out.push_back(static_cast<char>(atoms[i] & 0xff));
        }
        return out;
    }

private:
    std::array<std::uint8_t, 51> first_{};
};

struct Visit {
    Board board;
    std::uint32_t parent;
    SolveMove move;
};

}  // namespace

SolveResult breadthFirstSolve(const Puzzle& puzzle, const SolveLimits& limits)
{
    using Clock = std::chrono::steady_clock;
    const auto begin = Clock::now();
    SolveResult result;
    auto done = [&](SolveStatus status) {
        result.status = status;
        result.seconds = std::chrono::duration<double>(Clock::now() - begin).count();
        return result;
    };
    if (moleculeComplete(puzzle, puzzle.board)) return done(SolveStatus::Solved);
    const BoardKeys keys(puzzle);
    std::unordered_map<std::string, std::uint32_t> seen{{keys.key(puzzle.board), 0}};
    std::vector<Visit> visits{{puzzle.board, UINT32_MAX, {}}};
    for (std::size_t next = 0; next < visits.size(); ++next) {
        if (Clock::now() - begin > std::chrono::duration<double>(limits.seconds)) return done(SolveStatus::Unknown);
        ++result.statesExpanded;
        for (int c = 0; c < 225; ++c) {
            if (!isAtomCode(visits[next].board[static_cast<std::size_t>(c)])) continue;
            for (int dir = 0; dir < 4; ++dir) {
                Board board = visits[next].board;
                if (!pushAtom(board, c % 15, c / 15, dir)) continue;
                if (!seen.emplace(keys.key(board), static_cast<std::uint32_t>(visits.size())).second) continue;
                visits.push_back({board, static_cast<std::uint32_t>(next), {c % 15, c / 15, dir}});
                result.statesStored = visits.size();
                if (moleculeComplete(puzzle, board)) {
                    for (std::uint32_t at = static_cast<std::uint32_t>(visits.size() - 1); visits[at].parent != UINT32_MAX; at = visits[at].parent)
                        result.moves.push_back(visits[at].move);
                    std::reverse(result.moves.begin(), result.moves.end());
                    return done(SolveStatus::Solved);
                }
                if (visits.size() >= limits.maxStates) return done(SolveStatus::Unknown);
            }
        }
    }
    return done(SolveStatus::Unsolvable);
}

}  // namespace tarvik::plans
