#include "generator.h"

#include <algorithm>

#include "reverse_slides.h"

namespace tarvik::plans {

std::vector<int> reverseMoveOrigins(const BoardCells& board, int cell, int dir) {
    std::vector<int> origins;
    forEachSlideOrigin(board, cell, dir, [&origins](int origin) {
        origins.push_back(origin);
        return true;
    });
    return origins;
}

int scatterAtoms(BoardCells& board, int moves, std::mt19937& rng) {
    int played = 0;
    int lastAtom = -1;
    for (int tries = 0; played < moves && tries < moves * 200; ++tries) {
        std::vector<int> atomCells;
        for (int c = 0; c < 225; ++c)
            if (board[static_cast<std::size_t>(c)] >= 1 && board[static_cast<std::size_t>(c)] <= 50) atomCells.push_back(c);
        if (atomCells.empty()) break;
        int cell = atomCells[rng() % atomCells.size()];
        // Moving the same atom twice running is mostly one move in disguise.
        if (board[static_cast<std::size_t>(cell)] == lastAtom && atomCells.size() > 1 && rng() % 4 != 0) continue;
        int dir = static_cast<int>(rng() % 4);
        std::vector<int> origins = reverseMoveOrigins(board, cell, dir);
        if (origins.empty()) continue;
        int from = origins[rng() % origins.size()];
        lastAtom = board[static_cast<std::size_t>(cell)];
        board[static_cast<std::size_t>(from)] = board[static_cast<std::size_t>(cell)];
        board[static_cast<std::size_t>(cell)] = 0;
        ++played;
    }
    return played;
}

std::optional<GeneratedPlan> generatePlan(const MoleculeLayout& molecule, const GenerationOrder& request, std::mt19937& rng) {
    int n = static_cast<int>(molecule.atoms.size());
    if (n < 1 || n > 50) return std::nullopt;
    for (int attempt = 1; attempt <= request.attempts; ++attempt) {
        BoardCells board = designBoard(request.board, rng);
        chooseWallTiles(board, request.wallStyle, rng);
        std::vector<std::pair<int, int>> placements;
        for (int oy = 0; oy + molecule.height <= 15; ++oy)
            for (int ox = 0; ox + molecule.width <= 15; ++ox) {
                bool ok = true;
                for (const LaidAtom& a : molecule.atoms)
                    if (board[static_cast<std::size_t>((oy + a.row) * 15 + ox + a.col)] != 0) ok = false;
                if (ok) placements.push_back({ox, oy});
            }
        if (placements.empty()) continue;
        auto [ox, oy] = placements[rng() % placements.size()];
        Puzzle puzzle;
        puzzle.molWidth = molecule.width;
        puzzle.molHeight = molecule.height;
        puzzle.molecule = molecule.atoms;
        for (int i = 0; i < n; ++i) {
            const LaidAtom& a = molecule.atoms[static_cast<std::size_t>(i)];
            board[static_cast<std::size_t>((oy + a.row) * 15 + ox + a.col)] = static_cast<std::uint8_t>(i + 1);
            puzzle.kinds[static_cast<std::size_t>(i + 1)] = a.kind;
        }
        scatterAtoms(board, request.scatterMoves, rng);
        puzzle.board = board;
        if (moleculeComplete(puzzle, board)) continue;
        SolveResult result = solvePuzzle(puzzle, request.limits);
        if (result.status != SolveStatus::Solved) continue;
        int length = static_cast<int>(result.moves.size());
        if (length < request.minMoves || length > request.maxMoves) continue;
        GeneratedPlan plan;
        plan.puzzle = puzzle;
        plan.solution = std::move(result.moves);
        plan.solveSeconds = result.seconds;
        plan.states = result.statesStored;
        plan.attempt = attempt;
        return plan;
    }
    return std::nullopt;
}

}  // namespace tarvik::plans
