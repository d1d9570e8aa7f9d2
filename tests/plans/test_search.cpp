// The solver's own compact board, bound, backward search and state table,
// each held against a slower, plainer account of the same thing.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <initializer_list>
#include <random>

#include "core/board_play.h"
#include "core/completion.h"
#include "core/quiet_ports.h"
#include "generator.h"
#include "search_bound.h"
#include "search_dense_index.h"
#include "search_model.h"
#include "search_perimeter.h"
#include "search_table.h"
#include "solver_bfs.h"
#include "solver_record.h"

using namespace tarvik::plans;

namespace {

using Board = std::array<std::uint8_t, 225>;

// A record with the molecule built at a random place of a walled room with
// some obstacles, so that random pushes both break and remake it.
tarvik::PlanRecord roomRecord(const char* notation, std::mt19937& rng) {
    auto layout = *layOutMolecule(*parseMolecule(notation));
    tarvik::PlanRecord record;
    record.molWidth = static_cast<std::uint8_t>(layout.width);
    record.molHeight = static_cast<std::uint8_t>(layout.height);
    for (std::size_t i = 0; i < layout.atoms.size(); ++i) {
        record.atomCol[i + 1] = static_cast<std::uint8_t>(layout.atoms[i].col);
        record.atomRow[i + 1] = static_cast<std::uint8_t>(layout.atoms[i].row);
        record.atomKind[i + 1] = layout.atoms[i].kind;
    }
    const int w = 7 + static_cast<int>(rng() % 4), h = 6 + static_cast<int>(rng() % 4);
    record.board.fill(168);
    for (int y = 0; y <= h + 1; ++y)
        for (int x = 0; x <= w + 1; ++x) record.board[static_cast<std::size_t>(y * 15 + x)] = (x == 0 || y == 0 || x == w + 1 || y == h + 1) ? 130 : 0;
    const int ox = 1 + static_cast<int>(rng() % static_cast<unsigned>(w - layout.width + 1));
    const int oy = 1 + static_cast<int>(rng() % static_cast<unsigned>(h - layout.height + 1));
    for (std::size_t i = 0; i < layout.atoms.size(); ++i)
        record.board[static_cast<std::size_t>((oy + layout.atoms[i].row) * 15 + ox + layout.atoms[i].col)] = static_cast<std::uint8_t>(i + 1);
    for (int k = 0; k < 4; ++k) {
        std::size_t cell = static_cast<std::size_t>((1 + rng() % static_cast<unsigned>(h)) * 15 + 1 + rng() % static_cast<unsigned>(w));
        if (record.board[cell] == 0) record.board[cell] = 60;
    }
    return record;
}

// What a player sees on a cell: the blocking code, or the kind of the atom.
std::array<std::int64_t, 225> kindsOf(const Board& b, const std::array<std::int32_t, 51>& kinds) {
    std::array<std::int64_t, 225> out{};
    for (std::size_t c = 0; c < 225; ++c) out[c] = b[c] >= 1 && b[c] <= 50 ? kinds[b[c]] : -static_cast<std::int64_t>(b[c]);
    return out;
}

}  // namespace

TEST(SearchBoard, RandomPushesMatchTheCoreAndCompletionAgrees) {
    std::mt19937 rng(314);
    const char* molecules[] = {"CC=O", "O", "C#N", "OCO", "N"};
    int completeSeen = 0, incompleteSeen = 0;
    for (int round = 0; round < 60; ++round) {
        const tarvik::PlanRecord record = roomRecord(molecules[round % 5], rng);
        const Puzzle puzzle = puzzleFromRecord(record);
        const SearchModel m = buildSearchModel(puzzle);
        ASSERT_FALSE(m.impossible);
        std::vector<std::uint8_t> state = m.start;
        Occupancy occupied{};
        tarvik::QuietPorts quiet;
        tarvik::BoardPlay play(quiet.ports(), 10);
        play.setUp(record);
        for (int step = 0; step < 40; ++step) {
            const int slot = static_cast<int>(rng() % static_cast<unsigned>(m.atomCount));
            const int dir = static_cast<int>(rng() % 4);
            const int from = state[static_cast<std::size_t>(slot)];
            m.fillOccupied(state.data(), occupied);
            m.moveAtom(state.data(), slot, occupied.slideEnd(from, dir));

            const int x = from % 15 * 30 + 15, y = from / 15 * 30 + 15;
            static constexpr int dx[] = {-1, 1, 0, 0}, dy[] = {0, 0, -1, 1};
            ASSERT_EQ(play.mouseDown(x, y), tarvik::BoardPlay::DownResult::PickedUp);
            play.mouseMove(x + 30 * dx[dir], y + 30 * dy[dir]);
            play.mouseDown(x, y);

            ASSERT_EQ(kindsOf(boardOfState(puzzle, m, state.data()), puzzle.kinds), kindsOf(play.plan().board, puzzle.kinds))
                << "round " << round << " step " << step;
            const bool complete = tarvik::isMoleculeComplete(play.plan(), play.pattern());
            EXPECT_EQ(stateBound(m, state.data()) == 0, complete) << "round " << round << " step " << step;
            (complete ? completeSeen : incompleteSeen)++;
        }
    }
    EXPECT_GT(completeSeen, 20);
    EXPECT_GT(incompleteSeen, 1000);
}

TEST(SearchBoard, SlidesMatchThePushRuleUpToTheBoardEdge) {
    // Whole boards without a wall round them, so slides also stop at the edge.
    std::mt19937 rng(12);
    for (int round = 0; round < 40; ++round) {
        Puzzle puzzle;
        puzzle.molecule = layOutMolecule(*parseMolecule("O"))->atoms;
        for (auto& c : puzzle.board) {
            const unsigned r = rng() % 10;
            c = r < 1 ? 60 : 0;
        }
        for (int n = 1; n <= 12; ++n) {
            std::size_t cell = 0;
            do cell = rng() % 225;
            while (puzzle.board[cell] != 0);
            puzzle.board[cell] = static_cast<std::uint8_t>(n);
            puzzle.kinds[static_cast<std::size_t>(n)] = puzzle.molecule[0].kind;
        }
        const SearchModel m = buildSearchModel(puzzle);
        Occupancy occupied;
        m.fillOccupied(m.start.data(), occupied);
        for (int slot = 0; slot < m.atomCount; ++slot)
            for (int dir = 0; dir < 4; ++dir) {
                const int from = m.start[static_cast<std::size_t>(slot)];
                Board pushed = puzzle.board;
                pushAtom(pushed, from % 15, from / 15, dir);
                const int to = occupied.slideEnd(from, dir);
                EXPECT_EQ(pushed[static_cast<std::size_t>(to)], puzzle.board[static_cast<std::size_t>(from)]) << "round " << round << " from " << from << " dir " << dir;
            }
    }
}

TEST(SearchModelDistances, EqualAPlainSearchOverSingleRuns) {
    std::mt19937 rng(61);
    for (int round = 0; round < 12; ++round) {
        tarvik::PlanRecord record = roomRecord(round % 2 ? "CC=O" : "C#N", rng);
        // Extra obstacles make pockets, dead ends and unreachable cells.
        for (int k = 0; k < 4 * round; ++k) {
            const std::size_t cell = rng() % 225;
            if (record.board[cell] == 0) record.board[cell] = 60;
        }
        // Every other board is open outside its room, so runs end at the edge too.
        if (round % 2)
            for (auto& c : record.board)
                if (c == 168) c = 0;
        const Puzzle puzzle = puzzleFromRecord(record);
        const SearchModel m = buildSearchModel(puzzle);
        if (m.impossible) continue;
        auto blocks = [&](int x, int y) { return x < 0 || y < 0 || x > 14 || y > 14 || puzzle.board[static_cast<std::size_t>(y * 15 + x)] > 50; };
        for (int target = 0; target < kCells; ++target) {
            if (m.fixed[static_cast<std::size_t>(target)]) continue;
            std::array<int, kCells> plain;
            plain.fill(-1);
            std::vector<int> queue{target};
            plain[static_cast<std::size_t>(target)] = 0;
            for (std::size_t head = 0; head < queue.size(); ++head) {
                const int c = queue[head];
                static constexpr int dx[] = {-1, 1, 0, 0}, dy[] = {0, 0, -1, 1};
                for (int dir = 0; dir < 4; ++dir)
                    for (int x = c % 15 + dx[dir], y = c / 15 + dy[dir]; !blocks(x, y); x += dx[dir], y += dy[dir])
                        if (plain[static_cast<std::size_t>(y * 15 + x)] < 0) {
                            plain[static_cast<std::size_t>(y * 15 + x)] = plain[static_cast<std::size_t>(c)] + 1;
                            queue.push_back(y * 15 + x);
                        }
            }
            for (int c = 0; c < kCells; ++c) {
                // Asked for in both directions, as the bound asks.
                const int stored = m.distanceFrom(target)[c];
                ASSERT_EQ(m.distanceFrom(c)[target], stored) << "round " << round << " target " << target << " cell " << c;
                ASSERT_EQ(stored == kFarCells ? -1 : stored, plain[static_cast<std::size_t>(c)]) << "round " << round << " target " << target << " cell " << c;
            }
        }
    }
}

TEST(SearchBound, ChildBoundsAreExactAndMoveByAtMostOne) {
    std::mt19937 rng(27);
    const char* molecules[] = {"CC(C)C", "OCC(O)CO", "C1=CC=CC=C1", "CC=O", "C#N", "O=C=O"};
    int children = 0, spareGroups = 0, ruledOut = 0, directionsRuledOut = 0, direct = 0;
    for (int round = 0; round < 36; ++round) {
        tarvik::PlanRecord record = roomRecord(molecules[round % 6], rng);
        Puzzle puzzle = puzzleFromRecord(record);
        scatterAtoms(puzzle.board, 3 + round, rng);
        // Every fourth board gets spare atoms of the molecule's own kinds, so
        // that some groups hold more atoms than the molecule needs; the ring's
        // boards never do, and keep its groups of three that it all needs.
        for (int spare = 0; round % 4 == 3 && spare < 3; ++spare) {
            std::size_t cell = 0;
            do cell = rng() % 225;
            while (puzzle.board[cell] != 0);
            const auto number = static_cast<std::uint8_t>(puzzle.molecule.size() + 1 + static_cast<std::size_t>(spare));
            puzzle.board[cell] = number;
            puzzle.kinds[number] = puzzle.molecule[rng() % puzzle.molecule.size()].kind;
        }
        const SearchModel m = buildSearchModel(puzzle);
        for (int g = 0; g < m.groups(); ++g) spareGroups += m.groupSize[static_cast<std::size_t>(g)] > m.groupNeed[static_cast<std::size_t>(g)];
        // As the search uses it: one table for state after state, each
        // told its own bound, so that far placements are ruled out before
        // their full assignment. The walk goes on to a random child, which
        // shares all groups but one with the state before.
        PlacementCosts costs(m);
        std::vector<std::uint8_t> state = m.start, child(state.size());
        Occupancy occupied{};
        for (int step = 0; step < 4; ++step) {
            const int bound = stateBound(m, state.data());
            if (step == 0) {
                ASSERT_EQ(costs.reset(state.data()), bound);
            }
            ASSERT_EQ(costs.reset(state.data(), bound), bound);
            m.fillOccupied(state.data(), occupied);
            std::vector<std::vector<std::uint8_t>> seen;
            // In any order, not only the search's: what the table keeps for
            // one moving atom must not outlive the state it was made for.
            std::vector<std::pair<int, int>> moves;
            for (int slot = 0; slot < m.atomCount; ++slot)
                for (int dir = 0; dir < 4; ++dir) moves.emplace_back(slot, dir);
            std::shuffle(moves.begin(), moves.end(), rng);
            for (const auto& [slot, dir] : moves) {
                const int to = occupied.slideEnd(state[static_cast<std::size_t>(slot)], dir);
                if (to == state[static_cast<std::size_t>(slot)]) continue;
                child = state;
                m.moveAtom(child.data(), slot, to);
                const int group = m.groupOfSlot[static_cast<std::size_t>(slot)];
                const int incremental = costs.childBound(group, child.data() + m.groupStart[static_cast<std::size_t>(group)],
                                                         state[static_cast<std::size_t>(slot)], to);
                const int whole = stateBound(m, child.data());
                EXPECT_EQ(incremental, whole) << "round " << round << " step " << step;
                if (costs.allGroupsSmall()) {
                    EXPECT_EQ(costs.boundOf(child.data()), whole) << "round " << round;
                    ++direct;
                }
                EXPECT_LE(std::abs(whole - bound), 1) << "round " << round;
                // The quick tests may say yes in vain, never no in vain; the
                // one per direction lets through every move the one per move does.
                for (int limit = bound - 1; limit <= bound + 1; ++limit) {
                    const bool may = costs.mayBoundAtMost(group, state[static_cast<std::size_t>(slot)], to, limit);
                    if (!may) {
                        EXPECT_GT(whole, limit) << "round " << round << " limit " << limit;
                    }
                    ruledOut += !may;
                    const bool direction = costs.directionsToBoundAtMost(group, state[static_cast<std::size_t>(slot)], limit) >> dir & 1;
                    if (may) {
                        EXPECT_TRUE(direction) << "round " << round << " limit " << limit << " direction " << dir;
                    }
                    directionsRuledOut += !direction;
                }
                ++children;
                if (whole < kNoWay) seen.push_back(child);
            }
            if (seen.empty()) break;
            state = seen[rng() % seen.size()];
        }
    }
    EXPECT_GT(children, 500);
    EXPECT_GT(ruledOut, 100);
    EXPECT_GT(directionsRuledOut, 50);
    EXPECT_GT(spareGroups, 10);
    EXPECT_GT(direct, 50);
}

TEST(GoalPerimeterSearch, DistancesAndPathsMatchBreadthFirstSearch) {
    std::mt19937 rng(8);
    int checked = 0;
    for (int round = 0; round < 6; ++round) {
        const tarvik::PlanRecord record = roomRecord(round % 2 ? "C#N" : "O", rng);
        const Puzzle puzzle = puzzleFromRecord(record);
        const SearchModel m = buildSearchModel(puzzle);
        ASSERT_TRUE(m.exactAtoms);
        GoalPerimeter goals(m);
        goals.build(3000, std::chrono::steady_clock::now() + std::chrono::minutes(1));
        ASSERT_GE(goals.size(), 3000u);
        EXPECT_FALSE(goals.complete());
        for (int k = 0; k < 12; ++k) {
            const auto index = static_cast<std::uint32_t>(rng() % goals.size());
            Puzzle from = puzzle;
            from.board = boardOfState(puzzle, m, goals.state(index));
            const SolveResult reference = breadthFirstSolve(from, SolveLimits{60.0, 200'000});
            ASSERT_EQ(reference.status, SolveStatus::Solved);
            EXPECT_EQ(goals.distance(index), static_cast<int>(reference.moves.size())) << "round " << round;
            const std::vector<SolveMove> path = goals.pathToGoal(index);
            EXPECT_EQ(path.size(), reference.moves.size());
            Board board = from.board;
            for (std::size_t i = 0; i < path.size(); ++i) {
                EXPECT_FALSE(moleculeComplete(from, board)) << "round " << round << " move " << i;
                ASSERT_TRUE(pushAtom(board, path[i].col, path[i].row, path[i].dir));
            }
            EXPECT_TRUE(moleculeComplete(from, board));
            ++checked;
        }
        // Nothing that is not stored lies within the depth searched completely.
        for (int k = 0; k < 20; ++k) {
            Puzzle other = puzzle;
            scatterAtoms(other.board, 1 + k % 4, rng);
            const SearchModel again = buildSearchModel(other);
            std::uint32_t index = 0;
            if (goals.find(again.start.data(), m.hash(again.start.data()), index) >= 0) continue;
            const SolveResult reference = breadthFirstSolve(other, SolveLimits{60.0, 200'000});
            if (reference.status == SolveStatus::Solved) {
                EXPECT_GE(static_cast<int>(reference.moves.size()), goals.floor());
            }
        }
    }
    EXPECT_EQ(checked, 72);
}

TEST(SearchStateTable, FindsEveryStateThroughGrowthAndCollidingHashes) {
    StateTable table(5);
    std::mt19937_64 rng(4);
    std::vector<std::array<std::uint8_t, 5>> states;
    std::vector<std::uint64_t> hashes;
    for (std::uint32_t i = 0; i < 20000; ++i) {
        std::array<std::uint8_t, 5> s{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i >> 8), static_cast<std::uint8_t>(i >> 16), 7, 9};
        // Many states share the low bits (one probe chain), some the whole hash.
        std::uint64_t hash = i % 3 == 0 ? 42 : (rng() << 12) | (i % 7);
        ASSERT_EQ(table.find(s.data(), hash), StateTable::kMissing);
        ASSERT_EQ(table.add(s.data(), hash), i);
        states.push_back(s);
        hashes.push_back(hash);
    }
    for (std::uint32_t i = 0; i < states.size(); i += 7) ASSERT_EQ(table.find(states[i].data(), hashes[i]), i);
    std::array<std::uint8_t, 5> absent{1, 2, 3, 4, 5};
    EXPECT_EQ(table.find(absent.data(), 42), StateTable::kMissing);
}

namespace {

// The molecule's atoms on the first free cells of a walled room of w x h
// cells, with obstacles on the given cells.
Puzzle tinyRoom(const char* notation, int w, int h, std::initializer_list<int> obstacles) {
    const MoleculeLayout layout = *layOutMolecule(*parseMolecule(notation));
    Puzzle p;
    p.board.fill(168);
    for (int y = 0; y <= h + 1; ++y)
        for (int x = 0; x <= w + 1; ++x) p.board[static_cast<std::size_t>(y * 15 + x)] = (x == 0 || y == 0 || x == w + 1 || y == h + 1) ? 130 : 0;
    for (int c : obstacles) p.board[static_cast<std::size_t>(c)] = 60;
    p.molWidth = layout.width;
    p.molHeight = layout.height;
    p.molecule = layout.atoms;
    std::size_t cell = 0;
    for (std::size_t i = 0; i < layout.atoms.size(); ++i) {
        while (p.board[cell] != 0) ++cell;
        p.board[cell] = static_cast<std::uint8_t>(i + 1);
        p.kinds[i + 1] = layout.atoms[i].kind;
    }
    return p;
}

}  // namespace

TEST(SearchDenseIndex, NumbersEveryStateOnceBelowItsSize) {
    // Groups of one, two and three atoms of a kind, on rooms with obstacles.
    const std::pair<const char*, int> cases[] = {{"C#N", 0}, {"O", 1}, {"OO", 2}, {"N", 3}, {"HH", 4}};
    for (const auto& [notation, round] : cases) {
        const Puzzle p = tinyRoom(notation, 4 + round % 2, 3, {2 * 15 + 2, 3 * 15 + 3 + round % 2});
        const SearchModel m = buildSearchModel(p);
        const DenseStateIndex index(m, 1 << 20);
        std::vector<int> freeCells;
        for (int c = 0; c < kCells; ++c)
            if (!m.fixed[static_cast<std::size_t>(c)]) freeCells.push_back(c);
        // Every way of putting each group's atoms on distinct free cells,
        // sorted as states keep them (groups may share cells here: the
        // numbering does not look across groups).
        std::vector<std::size_t> hits(index.size(), 0);
        std::vector<std::uint8_t> state(static_cast<std::size_t>(m.atomCount));
        std::size_t states = 0;
        auto fill = [&](auto&& self, int position, int lowest) -> void {
            if (position == m.atomCount) {
                const std::uint32_t number = index(state.data());
                ASSERT_LT(number, index.size()) << notation;
                ++hits[number];
                ++states;
                return;
            }
            const int group = m.groupOfSlot[static_cast<std::size_t>(position)];
            const bool first = position == m.groupStart[static_cast<std::size_t>(group)];
            for (int k = first ? 0 : lowest + 1; k < static_cast<int>(freeCells.size()); ++k) {
                state[static_cast<std::size_t>(position)] = static_cast<std::uint8_t>(freeCells[static_cast<std::size_t>(k)]);
                self(self, position + 1, k);
            }
        };
        fill(fill, 0, 0);
        EXPECT_EQ(states, index.size()) << notation;
        EXPECT_EQ(std::count(hits.begin(), hits.end(), std::size_t{1}), static_cast<std::ptrdiff_t>(index.size())) << notation;
    }
    // Too many states for the limit, or too many atoms: no numbering.
    EXPECT_EQ(DenseStateIndex(buildSearchModel(tinyRoom("C#N", 13, 13, {})), 100'000).size(), 0u);
    EXPECT_GT(DenseStateIndex(buildSearchModel(tinyRoom("C#N", 13, 13, {})), 10'000'000).size(), 0u);
    EXPECT_EQ(DenseStateIndex(buildSearchModel(tinyRoom("CO", 4, 4, {})), 1 << 30).size(), 0u);
}
