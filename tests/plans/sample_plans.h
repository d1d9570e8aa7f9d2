// Plans for the solver's tests and benchmarks that do not depend on the
// shipped set: small walled squares strewn with obstacles, with the atoms
// where the board needs the most moves. The same seed gives the same plan.
#pragma once

#include <chrono>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>

#include "molecules.h"
#include "molecules_layout.h"
#include "search_model.h"
#include "search_perimeter.h"
#include "solver.h"

namespace tarvik::plans::samples {

// A walled square of `side` cells with `obstacles` dropped at random (some
// may fall on one another) and the molecule's atoms on random free cells.
inline Puzzle obstacleSquare(const char* notation, int side, int obstacles, unsigned seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const MoleculeLayout layout = *layOutMolecule(*parseMolecule(notation));
    Puzzle p;
    p.board.fill(168);
    for (int y = 0; y <= side + 1; ++y)
        for (int x = 0; x <= side + 1; ++x)
            p.board[static_cast<std::size_t>(y * 15 + x)] = (x == 0 || y == 0 || x == side + 1 || y == side + 1) ? 130 : 0;
    for (int k = 0; k < obstacles; ++k) {
        const int row = 1 + pick(side);
        const int col = 1 + pick(side);
        p.board[static_cast<std::size_t>(row * 15 + col)] = 60;
    }
    p.molWidth = layout.width;
    p.molHeight = layout.height;
    p.molecule = layout.atoms;
    for (std::size_t i = 0; i < layout.atoms.size(); ++i) {
        std::size_t cell = 0;
        do cell = static_cast<std::size_t>(pick(225));
        while (p.board[cell] != 0);
        p.board[cell] = static_cast<std::uint8_t>(i + 1);
        p.kinds[i + 1] = layout.atoms[i].kind;
    }
    return p;
}

// The same board with its atoms where they need the most moves, and that
// number: the solver's backward search from the goals is run dry and its
// last state is the deepest. Empty when it does not run dry within `budget`
// states, or the board does not hold exactly the molecule's atoms.
inline std::optional<std::pair<Puzzle, int>> deepestStart(const Puzzle& puzzle, std::size_t budget) {
    const SearchModel m = buildSearchModel(puzzle);
    if (m.impossible || !m.exactAtoms) return std::nullopt;
    GoalPerimeter goals(m);
    goals.build(budget, std::chrono::steady_clock::time_point::max());
    if (!goals.complete() || goals.size() == 0) return std::nullopt;
    const auto last = static_cast<std::uint32_t>(goals.size() - 1);
    Puzzle deepest = puzzle;
    deepest.board = boardOfState(puzzle, m, goals.state(last));
    return std::make_pair(deepest, goals.distance(last));
}

// That board's deepest start and its least number of moves.
inline std::pair<Puzzle, int> deepestSquare(const char* notation, int side, int obstacles, unsigned seed) {
    auto deepest = deepestStart(obstacleSquare(notation, side, obstacles, seed), 20'000'000);
    if (!deepest) throw std::runtime_error(std::string("no deepest start for ") + notation);
    return *deepest;
}

}  // namespace tarvik::plans::samples
