#include <gtest/gtest.h>

#include <random>

#include "backward_search.h"
#include "deep_generator.h"
#include "maze_boards.h"
#include "molecules.h"

using namespace tarvik::plans;

namespace {

MoleculeLayout layoutOf(const char* notation) { return *layOutMolecule(*parseMolecule(notation)); }

// Plays a solution through the solver's own slide rule and checks that the
// molecule appears with the last move and not before.
void expectSolves(const Puzzle& puzzle, const std::vector<SolveMove>& moves) {
    auto board = puzzle.board;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        ASSERT_FALSE(moleculeComplete(puzzle, board)) << "solved before move " << i;
        ASSERT_TRUE(pushAtom(board, moves[i].col, moves[i].row, moves[i].dir)) << "move " << i << " does not slide";
    }
    EXPECT_TRUE(moleculeComplete(puzzle, board));
}

// Every arrangement of two atoms on a small board: those the search found
// have exactly the forward solver's optimum, the others cannot be solved.
void compareEveryArrangement(const BoardCells& board, const MoleculeLayout& molecule) {
    BackwardSearch search(board, molecule);
    ASSERT_TRUE(search.usable());
    search.run();
    ASSERT_TRUE(search.complete());
    std::vector<int> floor;
    for (int c = 0; c < 225; ++c)
        if (board[static_cast<std::size_t>(c)] == 0) floor.push_back(c);
    std::size_t found = 0;
    for (int a : floor)
        for (int b : floor) {
            if (a == b) continue;
            Puzzle puzzle;
            puzzle.board = board;
            puzzle.board[static_cast<std::size_t>(a)] = 1;
            puzzle.board[static_cast<std::size_t>(b)] = 2;
            puzzle.kinds[1] = molecule.atoms[0].kind;
            puzzle.kinds[2] = molecule.atoms[1].kind;
            puzzle.molecule = molecule.atoms;
            puzzle.molWidth = molecule.width;
            puzzle.molHeight = molecule.height;
            SolveResult forward = solvePuzzle(puzzle, SolveLimits{30.0, 2'000'000});
            // The search keeps the atoms in the order of their kinds.
            bool inOrder = molecule.atoms[0].kind < molecule.atoms[1].kind;
            int d = search.distance(inOrder ? Arrangement(a) | Arrangement(b) << 8 : Arrangement(b) | Arrangement(a) << 8);
            if (forward.status == SolveStatus::Unsolvable) {
                EXPECT_EQ(d, -1) << "cells " << a << ", " << b;
                continue;
            }
            ASSERT_EQ(forward.status, SolveStatus::Solved);
            EXPECT_EQ(d, static_cast<int>(forward.moves.size())) << "cells " << a << ", " << b;
            ++found;
        }
    EXPECT_EQ(found, search.stateCount());
}

}  // namespace

TEST(BackwardSearch, AgreesWithTheForwardSolverOnEveryArrangement) {
    // A room with a post, and a twisty corridor board where many
    // arrangements are dead ends.
    BoardCells room{};
    room.fill(168);
    for (int y = 4; y <= 8; ++y)
        for (int x = 4; x <= 9; ++x) room[static_cast<std::size_t>(y * 15 + x)] = 0;
    room[6 * 15 + 6] = 128;
    compareEveryArrangement(room, layoutOf("Cl"));
    std::mt19937 rng(11);
    BoardCells maze = designMaze(MazeDesign{BoardShape::Room, 6, 5, 80}, rng);
    compareEveryArrangement(maze, layoutOf("O=O"));
}

TEST(BackwardSearch, LayersHoldExactDistancesAndSolutionsReplay) {
    std::mt19937 rng(5);
    const char* molecules[] = {"O", "N#N", "OCl", "S"};
    for (int round = 0; round < 8; ++round) {
        MoleculeLayout molecule = layoutOf(molecules[round % 4]);
        BoardCells board = designMaze(MazeDesign{BoardShape::Room, 6 + round % 2, 6, 40 + 5 * round}, rng);
        BackwardSearch search(board, molecule);
        if (!search.usable()) continue;
        search.run(BackwardLimits{200'000, 250});
        ASSERT_GE(search.deepest(), 1) << "round " << round;
        // The deepest layer, a middle one and the first.
        for (int k : {search.deepest(), search.deepest() / 2, 1}) {
            const auto& layer = search.layers()[static_cast<std::size_t>(k)];
            Arrangement a = layer[rng() % layer.size()];
            Puzzle start = search.puzzleOf(a);
            auto moves = search.solutionFrom(a);
            ASSERT_EQ(static_cast<int>(moves.size()), k) << "round " << round;
            expectSolves(start, moves);
            SolveResult forward = solvePuzzle(start, SolveLimits{60.0, 5'000'000});
            ASSERT_EQ(forward.status, SolveStatus::Solved);
            EXPECT_EQ(static_cast<int>(forward.moves.size()), k) << "round " << round << " layer " << k;
        }
    }
}

TEST(BackwardSearch, InterchangeableAtomsCountOnceAndAStoppedSearchStaysExact) {
    // Two atoms of one kind: each placement is one goal, not two.
    MoleculeLayout twins{2, 1, {{0, 0, 0x103}, {1, 0, 0x103}}};
    BoardCells board{};
    board.fill(168);
    for (int x = 3; x <= 9; ++x) board[static_cast<std::size_t>(7 * 15 + x)] = 0;
    BackwardSearch search(board, twins);
    search.run();
    EXPECT_EQ(search.layers()[0].size(), 6u);
    // In a corridor of 7 cells, any pair of cells can be joined: 21 pairs.
    EXPECT_TRUE(search.complete());
    EXPECT_EQ(search.stateCount(), 21u);
    Puzzle start = search.puzzleOf(search.layers().back().front());
    EXPECT_EQ(start.kinds[1], 0x103);
    EXPECT_EQ(start.kinds[2], 0x103);

    std::mt19937 rng(2);
    BoardCells maze = designMaze(MazeDesign{BoardShape::Room, 8, 8, 50}, rng);
    BackwardSearch stopped(maze, layoutOf("N"));
    stopped.run(BackwardLimits{20'000, 250});
    EXPECT_FALSE(stopped.complete());
    EXPECT_EQ(stopped.stateCount(), 20'000u);
    const auto& last = stopped.layers().back();
    Arrangement a = last[last.size() / 2];
    SolveResult forward = solvePuzzle(stopped.puzzleOf(a), SolveLimits{60.0, 5'000'000});
    ASSERT_EQ(forward.status, SolveStatus::Solved);
    EXPECT_EQ(static_cast<int>(forward.moves.size()), stopped.deepest());
}

TEST(BackwardSearch, RefusesMoleculesItCannotTake) {
    BoardCells tiny{};
    tiny.fill(168);
    tiny[7 * 15 + 7] = 0;
    tiny[7 * 15 + 8] = 0;
    EXPECT_FALSE(BackwardSearch(tiny, layoutOf("O")).usable());  // three atoms on two cells
    BoardCells open{};
    EXPECT_FALSE(BackwardSearch(open, layoutOf("CCO")).usable());  // nine atoms
}

TEST(MazeBoards, FloorStaysConnectedAndDensityAddsWalls) {
    int wallsLow = 0, wallsHigh = 0;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        for (int density : {0, 30, 100}) {
            std::mt19937 rng(seed);
            BoardCells b = designMaze(MazeDesign{static_cast<BoardShape>(seed % 10), 9, 9, density}, rng);
            ASSERT_TRUE(floorIsConnected(b)) << "seed " << seed << " density " << density;
            int inner = 0;
            for (int c : innerCells(b)) inner += b[static_cast<std::size_t>(c)] != 0;
            if (density == 0) {
                // Nothing but the outline's own shape.
                std::mt19937 plain(seed);
                EXPECT_EQ(b, designBoard(BoardDesign{static_cast<BoardShape>(seed % 10), 9, 9, 0, true}, plain)) << "seed " << seed;
            }
            if (density == 30) wallsLow += inner;
            if (density == 100) wallsHigh += inner;
        }
    }
    EXPECT_GT(wallsHigh, wallsLow);
    EXPECT_GT(wallsLow, 0);
}

TEST(DeepGenerator, MakesProvenDeepStartsAndRepeatsForASeed) {
    DeepOrder order;
    order.maze = MazeDesign{BoardShape::Room, 7, 7, 45};
    order.minMoves = 12;
    order.maxMoves = 16;
    order.climbSteps = 40;
    order.limits.maxStates = 100'000;
    MoleculeLayout water = layoutOf("O");
    std::mt19937 rng1(4), rng2(4);
    auto plan = generateDeepPlan(water, order, rng1);
    auto again = generateDeepPlan(water, order, rng2);
    ASSERT_TRUE(plan && again);
    EXPECT_EQ(plan->puzzle.board, again->puzzle.board);
    EXPECT_EQ(plan->solution, again->solution);
    int length = static_cast<int>(plan->solution.size());
    EXPECT_GE(length, order.minMoves);
    EXPECT_LE(length, order.maxMoves);
    expectSolves(plan->puzzle, plan->solution);
    SolveResult forward = solvePuzzle(plan->puzzle, SolveLimits{60.0, 5'000'000});
    ASSERT_EQ(forward.status, SolveStatus::Solved);
    EXPECT_EQ(static_cast<int>(forward.moves.size()), length);
    // The three atoms and nothing else are loose.
    int atoms = 0;
    for (auto v : plan->puzzle.board) atoms += v >= 1 && v <= 50;
    EXPECT_EQ(atoms, 3);
    EXPECT_FALSE(generateDeepPlan(layoutOf("CCO"), order, rng1));
}
