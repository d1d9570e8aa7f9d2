#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <random>

#include "core/board_play.h"
#include "core/quiet_ports.h"
#include "generator.h"
#include "sample_plans.h"
#include "search_model.h"
#include "search_perimeter.h"
#include "solver.h"
#include "solver_bfs.h"
#include "solver_record.h"

using namespace tarvik::plans;

namespace {

using Board = std::array<std::uint8_t, 225>;

// A room of the given size with walls round it, top-left floor cell (1,1).
Board room(int w, int h) {
    Board b{};
    b.fill(168);
    for (int y = 0; y <= h + 1; ++y)
        for (int x = 0; x <= w + 1; ++x) b[static_cast<std::size_t>(y * 15 + x)] = (x == 0 || y == 0 || x == w + 1 || y == h + 1) ? 153 : 0;
    return b;
}

// The molecule of `notation` with the kinds of its atoms numbered 1.., and
// no atom on the board yet.
Puzzle moleculeOnly(const char* notation) {
    auto layout = *layOutMolecule(*parseMolecule(notation));
    Puzzle p;
    p.molWidth = layout.width;
    p.molHeight = layout.height;
    p.molecule = layout.atoms;
    for (std::size_t i = 0; i < layout.atoms.size(); ++i) p.kinds[i + 1] = layout.atoms[i].kind;
    return p;
}

Puzzle moleculePuzzle(const char* notation, Board board, int ox, int oy) {
    Puzzle p = moleculeOnly(notation);
    for (std::size_t i = 0; i < p.molecule.size(); ++i)
        board[static_cast<std::size_t>((oy + p.molecule[i].row) * 15 + ox + p.molecule[i].col)] = static_cast<std::uint8_t>(i + 1);
    p.board = board;
    return p;
}

// The plain breadth-first search's answer: the least moves, -1 when there
// is no solution, -2 when it gave up.
int breadthFirst(const Puzzle& p, std::size_t cap = 400000) {
    SolveResult r = breadthFirstSolve(p, SolveLimits{600.0, cap});
    if (r.status == SolveStatus::Unknown) return -2;
    return r.status == SolveStatus::Solved ? static_cast<int>(r.moves.size()) : -1;
}

// A room of 5..7 by 4..6 cells with some obstacles and the molecule's atoms
// on random free cells, so some of these plans cannot be solved at all.
Puzzle randomSmallPlan(const char* notation, int obstacles, std::mt19937& rng) {
    Board board = room(5 + static_cast<int>(rng() % 3), 4 + static_cast<int>(rng() % 3));
    for (int k = 0; k < obstacles; ++k) board[static_cast<std::size_t>((2 + rng() % 3) * 15 + 2 + rng() % 4)] = 150;
    Puzzle p = moleculeOnly(notation);
    for (std::size_t i = 0; i < p.molecule.size(); ++i) {
        std::size_t cell;
        do cell = rng() % 225;
        while (board[cell] != 0);
        board[cell] = static_cast<std::uint8_t>(i + 1);
    }
    p.board = board;
    return p;
}

// The same board with its atoms where they need the most moves.
Puzzle deepestOf(const Puzzle& p) {
    auto deepest = samples::deepestStart(p, 5'000'000);
    return deepest ? deepest->first : p;
}

tarvik::PlanRecord recordOf(const Puzzle& puzzle) {
    tarvik::PlanRecord record;
    record.englishName[0].setText("Test");
    record.germanName[0].setText("Test");
    record.board = puzzle.board;
    record.molWidth = static_cast<std::uint8_t>(puzzle.molWidth);
    record.molHeight = static_cast<std::uint8_t>(puzzle.molHeight);
    for (std::size_t i = 0; i < puzzle.molecule.size(); ++i) {
        record.atomCol[i + 1] = static_cast<std::uint8_t>(puzzle.molecule[i].col);
        record.atomRow[i + 1] = static_cast<std::uint8_t>(puzzle.molecule[i].row);
        record.atomKind[i + 1] = puzzle.molecule[i].kind;
    }
    return record;
}

int replayLength(const Puzzle& p, const std::vector<SolveMove>& moves) {
    Board b = p.board;
    for (const SolveMove& m : moves)
        if (!pushAtom(b, m.col, m.row, m.dir)) return -1;
    return moleculeComplete(p, b) ? static_cast<int>(moves.size()) : -1;
}

}  // namespace

TEST(SolverOptimality, AgreesWithBreadthFirstSearchOnSmallPlans) {
    std::mt19937 rng(2024);
    const char* molecules[] = {"O", "HH", "C#N", "O=C=O", "S", "F", "N", "OO", "C=O"};
    const char* deepOnes[] = {"O", "C#N", "O=C=O", "S"};
    int compared = 0, deep = 0, deepest = 0, unsolvable = 0;
    for (int round = 0; round < 240; ++round) {
        // Every third plan starts where its board needs the most moves.
        Puzzle p = round % 3 == 0 ? deepestOf(randomSmallPlan(deepOnes[round / 3 % 4], 4, rng))
                                  : randomSmallPlan(molecules[round % 9], round % 4 == 1 ? 14 : 3, rng);
        int reference = breadthFirst(p, 40'000);
        if (reference == -2) continue;
        // Once as it comes, once forced to meet the backward search at once.
        for (std::size_t plain : {std::size_t{200'000}, std::size_t{1}}) {
            SolveResult r = solvePuzzle(p, SolveLimits{60.0, 30'000'000, plain});
            if (reference == -1) {
                EXPECT_EQ(r.status, SolveStatus::Unsolvable) << "round " << round;
                continue;
            }
            ASSERT_EQ(r.status, SolveStatus::Solved) << "round " << round << " plain " << plain;
            EXPECT_EQ(static_cast<int>(r.moves.size()), reference) << "round " << round << " plain " << plain;
            EXPECT_EQ(replayLength(p, r.moves), reference) << "round " << round << " plain " << plain;
        }
        ++compared;
        deep += reference >= 8;
        deepest = std::max(deepest, reference);
        unsolvable += reference == -1;
    }
    EXPECT_GE(compared, 200);
    EXPECT_GE(deep, 40);
    EXPECT_GE(deepest, 11);
    EXPECT_GE(unsolvable, 5);
}

TEST(SolverOptimality, ProvesDeepPlansThatTheBackwardSearchMeasured) {
    // Hydrogen cyanide on obstacle squares whose deepest starts need 31 and 33 moves.
    for (unsigned seed : {3u, 8u}) {
        const auto [plan, depth] = samples::deepestSquare("C#N", 10, 30, seed);
        ASSERT_GE(depth, 30) << "seed " << seed;
        for (std::size_t plain : {std::size_t{200'000}, std::size_t{1}}) {
            SolveResult r = solvePuzzle(plan, SolveLimits{120.0, 30'000'000, plain});
            ASSERT_EQ(r.status, SolveStatus::Solved) << "seed " << seed;
            EXPECT_EQ(static_cast<int>(r.moves.size()), depth) << "seed " << seed << " plain " << plain;
            EXPECT_EQ(replayThroughCore(recordOf(plan), r.moves), "") << "seed " << seed;
        }
    }
}

TEST(SolverOptimality, EstimateNeverExceedsTheTrueDistance) {
    std::mt19937 rng(77);
    for (int round = 0; round < 20; ++round) {
        Puzzle p = moleculePuzzle(round % 2 ? "CCO" : "C=O", room(7, 6), 2, 2);
        scatterAtoms(p.board, 2 + round % 5, rng);
        SolveResult r = solvePuzzle(p);
        ASSERT_EQ(r.status, SolveStatus::Solved);
        // Along the optimal path the estimate stays at or below the moves left.
        Board b = p.board;
        for (std::size_t i = 0; i <= r.moves.size(); ++i) {
            int left = static_cast<int>(r.moves.size() - i);
            int h = estimateMoves(p, b);
            EXPECT_GE(h, 0);
            EXPECT_LE(h, left) << "round " << round << " step " << i;
            if (i < r.moves.size()) pushAtom(b, r.moves[i].col, r.moves[i].row, r.moves[i].dir);
        }
    }
}

TEST(SolverOutcomes, UnsolvableAndUnknown) {
    // The right-hand hydrogen sits in a pocket; the cell its partner needs is a wall.
    Board board = room(6, 5);
    for (int c : {1 * 15 + 4, 1 * 15 + 6, 2 * 15 + 5}) board[static_cast<std::size_t>(c)] = 150;
    Puzzle p = moleculePuzzle("HH", board, 1, 4);
    for (auto& c : p.board)
        if (c == 2) c = 0;
    p.board[1 * 15 + 5] = 2;
    EXPECT_EQ(solvePuzzle(p).status, SolveStatus::Unsolvable);

    // A kind the molecule needs is missing from the board.
    Puzzle missing = moleculePuzzle("O", room(5, 5), 1, 1);
    for (auto& c : missing.board)
        if (c == 1) c = 0;
    EXPECT_EQ(solvePuzzle(missing).status, SolveStatus::Unsolvable);

    // A real search cut short by its state limit.
    std::mt19937 rng(5);
    Puzzle hard = moleculePuzzle("C1=CC=CC=C1", room(11, 11), 4, 4);
    scatterAtoms(hard.board, 30, rng);
    SolveResult r = solvePuzzle(hard, SolveLimits{60.0, 50});
    EXPECT_EQ(r.status, SolveStatus::Unknown);
    EXPECT_TRUE(r.moves.empty());
}

TEST(SolverOutcomes, InterchangeableAtomsMayTakeEachOthersPlaces) {
    auto layout = *layOutMolecule(*parseMolecule("HH"));
    ASSERT_EQ(layout.width, 2);  // left and right hydrogen
    Puzzle p;
    p.molWidth = layout.width;
    p.molHeight = layout.height;
    p.molecule = layout.atoms;
    p.board = room(7, 3);
    int left = layout.atoms[0].col == 0 ? 0 : 1;
    p.kinds[1] = layout.atoms[static_cast<std::size_t>(left)].kind;
    p.kinds[2] = layout.atoms[static_cast<std::size_t>(1 - left)].kind;
    p.kinds[3] = p.kinds[1];  // a spare left-hand hydrogen
    p.board[1 * 15 + 1] = 1;
    p.board[2 * 15 + 4] = 2;
    p.board[2 * 15 + 1] = 3;  // one push right brings it beside atom 2
    SolveResult r = solvePuzzle(p);
    ASSERT_EQ(r.status, SolveStatus::Solved);
    EXPECT_EQ(r.moves.size(), 1u);
    EXPECT_EQ(breadthFirst(p), 1);
    EXPECT_EQ(r.moves[0], (SolveMove{1, 2, Right}));
}

TEST(SolverMoveRule, PushMatchesTheCoreSlide) {
    std::mt19937 rng(99);
    for (int round = 0; round < 300; ++round) {
        tarvik::PlanRecord record;
        for (auto& c : record.board) {
            int r = static_cast<int>(rng() % 10);
            c = r < 6 ? 0 : r < 8 ? static_cast<std::uint8_t>(1 + rng() % 50) : static_cast<std::uint8_t>(51 + rng() % 205);
        }
        for (int n = 1; n <= 50; ++n) record.atomKind[static_cast<std::size_t>(n)] = 1 | (1 << 8);
        int col = static_cast<int>(rng() % 15), row = static_cast<int>(rng() % 15);
        record.board[static_cast<std::size_t>(row * 15 + col)] = 7;
        int dir = static_cast<int>(rng() % 4);
        Board mine = record.board;
        pushAtom(mine, col, row, dir);
        tarvik::QuietPorts quiet;
        tarvik::BoardPlay play(quiet.ports(), 10);
        play.setUp(record);
        int x = col * 30 + 15, y = row * 30 + 15;
        ASSERT_EQ(play.mouseDown(x, y), tarvik::BoardPlay::DownResult::PickedUp);
        static constexpr int dx[] = {-1, 1, 0, 0}, dy[] = {0, 0, -1, 1};
        play.mouseMove(x + 30 * dx[dir], y + 30 * dy[dir]);
        EXPECT_EQ(play.plan().board, mine) << "round " << round;
    }
}

TEST(SolverMoveRule, SolutionsReplayThroughTheCore) {
    std::mt19937 rng(11);
    for (int round = 0; round < 10; ++round) {
        GenerationOrder request;
        request.board.shape = static_cast<BoardShape>(round % static_cast<int>(BoardShape::Count));
        request.board.width = request.board.height = 9;
        request.scatterMoves = 6;
        request.minMoves = 1;
        request.maxMoves = 6;
        auto plan = generatePlan(*layOutMolecule(*parseMolecule("CC=O")), request, rng);
        ASSERT_TRUE(plan);
        tarvik::PlanRecord record = recordOf(plan->puzzle);
        EXPECT_EQ(replayThroughCore(record, plan->solution), "") << "round " << round;
        EXPECT_TRUE(strictPlanProblems(record).empty());
        // One move short, or one more, is caught.
        auto shorter = plan->solution;
        shorter.pop_back();
        EXPECT_NE(replayThroughCore(record, shorter), "");
        auto longer = plan->solution;
        longer.push_back(longer.back());
        EXPECT_NE(replayThroughCore(record, longer), "");
    }
}
