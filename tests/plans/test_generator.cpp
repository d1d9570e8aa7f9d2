#include <gtest/gtest.h>

#include <random>

#include "boards.h"
#include "generator.h"
#include "generator_set.h"
#include "start_climb.h"
#include "molecules.h"

using namespace tarvik::plans;

namespace {

bool isWallCode(int v) { return v >= 128 && v < 168; }

}  // namespace

TEST(ReverseMoves, EveryOriginSlidesForwardOntoTheCell) {
    std::mt19937 rng(3);
    for (int round = 0; round < 200; ++round) {
        BoardCells b{};
        for (auto& c : b) c = rng() % 5 == 0 ? 150 : 0;
        int cell = static_cast<int>(rng() % 225);
        b[static_cast<std::size_t>(cell)] = 1;
        int dir = static_cast<int>(rng() % 4);
        for (int from : reverseMoveOrigins(b, cell, dir)) {
            BoardCells forward = b;
            forward[static_cast<std::size_t>(cell)] = 0;
            forward[static_cast<std::size_t>(from)] = 1;
            ASSERT_TRUE(pushAtom(forward, from % 15, from / 15, dir));
            EXPECT_EQ(forward[static_cast<std::size_t>(cell)], 1) << "round " << round;
        }
    }
    // Nothing can arrive at a cell whose far side is open.
    BoardCells open{};
    open[7 * 15 + 7] = 1;
    for (int d = 0; d < 4; ++d) EXPECT_TRUE(reverseMoveOrigins(open, 7 * 15 + 7, d).empty());
}

TEST(ReverseMoves, ScatteredBoardsAreSolvedWithinTheScatterCount) {
    std::mt19937 rng(8);
    auto layout = *layOutMolecule(*parseMolecule("CN"));
    for (int round = 0; round < 12; ++round) {
        GenerationOrder request;
        request.board.shape = static_cast<BoardShape>(round % static_cast<int>(BoardShape::Count));
        request.board.width = 8;
        request.board.height = 8;
        request.scatterMoves = 2 + round % 5;
        request.minMoves = 1;
        request.maxMoves = 99;
        auto plan = generatePlan(layout, request, rng);
        ASSERT_TRUE(plan) << "round " << round;
        EXPECT_GE(plan->solution.size(), 1u);
        EXPECT_LE(plan->solution.size(), static_cast<std::size_t>(request.scatterMoves));
        auto board = plan->puzzle.board;
        for (const SolveMove& m : plan->solution) ASSERT_TRUE(pushAtom(board, m.col, m.row, m.dir));
        EXPECT_TRUE(moleculeComplete(plan->puzzle, board));
    }
}

TEST(DesignedBoards, ClosedOutlinesConnectedFloorsAndMeetingPipes) {
    std::mt19937 rng(21);
    for (int round = 0; round < 120; ++round) {
        BoardDesign request;
        request.shape = static_cast<BoardShape>(round % static_cast<int>(BoardShape::Count));
        request.width = 5 + round % 9;
        request.height = 5 + (round / 3) % 9;
        request.obstacles = round % 8;
        request.mirror = round % 2 == 0;
        BoardCells b = designBoard(request, rng);
        chooseWallTiles(b, round % 4, rng);
        int floor = 0, firstFloor = -1;
        for (int c = 0; c < 225; ++c) {
            int x = c % 15, y = c / 15, v = b[static_cast<std::size_t>(c)];
            ASSERT_TRUE(v == 0 || isWallCode(v) || v == 168) << v;
            if (v != 0) continue;
            ++floor;
            if (firstFloor < 0) firstFloor = c;
            // Floor never touches the board's edge or an outside cell: the outline is closed.
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    ASSERT_TRUE(x + dx >= 0 && x + dx < 15 && y + dy >= 0 && y + dy < 15);
                    EXPECT_NE(b[static_cast<std::size_t>((y + dy) * 15 + x + dx)], 168) << "round " << round;
                }
        }
        ASSERT_GT(floor, 0);
        // One region of floor.
        std::vector<int> stack{firstFloor};
        std::array<bool, 225> seen{};
        seen[static_cast<std::size_t>(firstFloor)] = true;
        int reached = 0;
        while (!stack.empty()) {
            int c = stack.back();
            stack.pop_back();
            ++reached;
            for (int n : {c - 1, c + 1, c - 15, c + 15})
                if (n >= 0 && n < 225 && std::abs(n % 15 - c % 15) <= 1 && b[static_cast<std::size_t>(n)] == 0 && !seen[static_cast<std::size_t>(n)]) {
                    seen[static_cast<std::size_t>(n)] = true;
                    stack.push_back(n);
                }
        }
        EXPECT_EQ(reached, floor) << "round " << round;
        // Every pipe stub meets a pipe stub on the neighbouring wall.
        for (int c = 0; c < 225; ++c) {
            int sides = pipeSides(b[static_cast<std::size_t>(c)] - 128);
            if (!isWallCode(b[static_cast<std::size_t>(c)]) || sides < 0) continue;
            const int dx[] = {0, 1, 0, -1}, dy[] = {-1, 0, 1, 0};
            for (int d = 0; d < 4; ++d) {
                if (!(sides & (1 << d))) continue;
                int x = c % 15 + dx[d], y = c / 15 + dy[d];
                ASSERT_TRUE(x >= 0 && x < 15 && y >= 0 && y < 15);
                int other = b[static_cast<std::size_t>(y * 15 + x)];
                int otherSides = isWallCode(other) ? pipeSides(other - 128) : -1;
                EXPECT_TRUE(otherSides >= 0 && (otherSides & (1 << ((d + 2) % 4)))) << "round " << round << " cell " << c;
            }
        }
    }
}

TEST(DesignedBoards, PipeTilesFollowTheTileOrder) {
    EXPECT_EQ(pipeTile(0), 24);
    EXPECT_EQ(pipeTile(2 | 8), 25);  // left and right
    EXPECT_EQ(pipeTile(1 | 4), 26);  // up and down
    EXPECT_EQ(pipeTile(1 | 2), 27);
    EXPECT_EQ(pipeTile(1 | 8), 28);
    EXPECT_EQ(pipeTile(8 | 4), 29);
    EXPECT_EQ(pipeTile(2 | 4), 30);
    EXPECT_EQ(pipeTile(15), 31);
    EXPECT_EQ(pipeTile(1 | 8 | 2), 32);
    EXPECT_EQ(pipeTile(1 | 8 | 4), 33);
    EXPECT_EQ(pipeTile(8 | 2 | 4), 34);
    EXPECT_EQ(pipeTile(1 | 2 | 4), 35);
    for (int single : {1, 2, 4, 8}) EXPECT_EQ(pipeTile(single), -1);
    EXPECT_EQ(pipeSides(36), -1);
}

TEST(PlanSet, GenerationIsReproducible) {
    SetEntry entry;
    entry.number = 1;
    entry.layout = *layOutMolecule(*parseMolecule("C=CC"));
    entry.atoms = static_cast<int>(entry.layout.atoms.size());
    entry.seed = 4242;
    entry.request.board.shape = BoardShape::Cross;
    entry.request.board.width = entry.request.board.height = 11;
    entry.request.board.obstacles = 6;
    entry.request.scatterMoves = 9;
    entry.request.minMoves = 4;
    entry.request.maxMoves = 9;
    auto first = generateSetEntry(entry);
    auto again = generateSetEntry(entry);
    ASSERT_TRUE(first && again);
    EXPECT_EQ(first->puzzle.board, again->puzzle.board);
    EXPECT_EQ(first->solution, again->solution);
    EXPECT_GE(first->solution.size(), 4u);
    EXPECT_LE(first->solution.size(), 9u);
}

TEST(StartClimb, KeepsOnlyProvenStartsThatAreNoShallower) {
    auto layout = *layOutMolecule(*parseMolecule("CCl"));
    GenerationOrder request;
    request.board.width = 8;
    request.board.height = 8;
    request.board.obstacles = 6;
    request.scatterMoves = 3;
    request.minMoves = 1;
    request.maxMoves = 4;
    std::mt19937 rng(21);
    auto plan = generatePlan(layout, request, rng);
    ASSERT_TRUE(plan);
    ClimbOrder order;
    order.steps = 25;
    order.maxMoves = 9;
    std::mt19937 a(7), b(7);
    GeneratedPlan deeper = climbStart(*plan, order, a);
    EXPECT_EQ(deeper.puzzle.board, climbStart(*plan, order, b).puzzle.board);
    EXPECT_GT(deeper.solution.size(), plan->solution.size());
    EXPECT_LE(deeper.solution.size(), 9u);
    SolveResult check = solvePuzzle(deeper.puzzle);
    ASSERT_EQ(check.status, SolveStatus::Solved);
    EXPECT_EQ(check.moves.size(), deeper.solution.size());
    auto board = deeper.puzzle.board;
    for (const SolveMove& m : deeper.solution) ASSERT_TRUE(pushAtom(board, m.col, m.row, m.dir));
    EXPECT_TRUE(moleculeComplete(deeper.puzzle, board));
}
