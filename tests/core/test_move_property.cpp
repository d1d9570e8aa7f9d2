// Random boards and random mouse input against a plain model of the move rules.
#include <random>

#include "game_fixture.h"

namespace tarvik {
namespace {

class MoveProperty : public testing::GameTest {};

PlanRecord randomPlan(std::mt19937& rng)
{
    PlanRecord plan;
    std::uniform_int_distribution<int> roll(0, 99);
    int atoms = 0;
    for (int i = 0; i < kCellCount; ++i) {
        const int r = roll(rng);
        std::uint8_t code = 0;
        if (r < 10) code = static_cast<std::uint8_t>(51 + roll(rng) * 2);       // 51..249
        else if (r < 14) code = static_cast<std::uint8_t>(128 + roll(rng) % 40);
        else if (r < 26 && atoms < 50) code = static_cast<std::uint8_t>(++atoms);
        plan.board[static_cast<std::size_t>(i)] = code;
    }
    testing::setMolecule(plan, 15, 15);
    for (int k = 1; k <= 50; ++k) testing::setSlot(plan, k, k % 15, k / 15, 0x100 + k % 3);
    testing::setSlot(plan, 50, 14, 14, 0x7777);  // never on the board: the plan is never solved
    return plan;
}

// Where a push from (col, row) towards (dx, dy) ends on `board`, the start cell emptied.
std::pair<int, int> expectedStop(std::array<std::uint8_t, kCellCount> board, int col, int row, int dx, int dy)
{
    board[static_cast<std::size_t>(cellIndex(col, row))] = 0;
    while (onBoard(col + dx, row + dy) && board[static_cast<std::size_t>(cellIndex(col + dx, row + dy))] == 0) {
        col += dx;
        row += dy;
    }
    return {col, row};
}

TEST_F(MoveProperty, PushesFollowTheModel)
{
    std::mt19937 rng(20261208);
    std::uniform_int_distribution<int> pixel(-10, 460);
    std::uniform_int_distribution<int> offset(-45, 45);
    std::uniform_int_distribution<int> choice(0, 9);
    for (int round = 0; round < 60; ++round) {
        startWith({randomPlan(rng)}, 1, round % 2 ? 10 : 5);
        const PlanRecord start = game->plan();
        fake.hideCount = fake.showCount = 0;
        for (int step = 0; step < 150; ++step) {
            const PlanRecord before = game->plan();
            const PlayState state = game->playState();
            if (state == PlayState::Idle || choice(rng) == 0) {
                game->boxMouseDown(pixel(rng), pixel(rng));
                continue;
            }
            // A move relative to the reference point, as the pointer would make it.
            const BoardPoint ref = game->board().refPoint();
            int dx = offset(rng);
            int dy = offset(rng);
            const int col = game->board().carriedCol();
            const int row = game->board().carriedRow();
            game->boxMouseMove(ref.x + dx, ref.y + dy);

            if (std::abs(dx) < 20) dx = 0;
            if (std::abs(dy) < 20) dy = 0;
            if (std::abs(dx) > std::abs(dy)) dy = 0;
            else dx = 0;
            dx = (dx > 0) - (dx < 0);
            dy = (dy > 0) - (dy < 0);
            PlanRecord expected = before;
            if (dx != 0 || dy != 0) {
                const auto [endCol, endRow] = expectedStop(before.board, col, row, dx, dy);
                const std::uint8_t atom = before.cell(col, row);
                ASSERT_TRUE(isAtomCode(atom));
                expected.setCell(col, row, 0);
                expected.setCell(endCol, endRow, atom);
                ASSERT_EQ(game->board().carriedCol(), endCol);
                ASSERT_EQ(game->board().carriedRow(), endRow);
                ASSERT_EQ(game->board().refPoint(), (BoardPoint{endCol * 30 + 12, endRow * 30 + 12}));
            }
            ASSERT_EQ(game->plan().board, expected.board) << "round " << round << " step " << step;
            ASSERT_EQ(game->playState(), PlayState::Carrying);
        }
        // Atoms are neither made nor lost, and fixed cells never change.
        std::array<int, 256> before{};
        std::array<int, 256> after{};
        for (int i = 0; i < kCellCount; ++i) {
            const std::uint8_t a = start.board[static_cast<std::size_t>(i)];
            const std::uint8_t b = game->plan().board[static_cast<std::size_t>(i)];
            ++before[a];
            ++after[b];
            if (a > 50 || b > 50) {
                ASSERT_EQ(a, b);
            }
        }
        for (int code = 1; code <= 50; ++code) ASSERT_EQ(before[code], after[code]);
        ASSERT_EQ(fake.hideCount - fake.showCount, game->board().pointerShown() ? 0 : 1);
    }
}

}  // namespace
}  // namespace tarvik
