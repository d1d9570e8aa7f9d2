// The plans we ship: well-formed, chemically sound stubs, and every recorded solution
// solves its plan through the same handlers the window uses.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <fstream>
#include <sstream>

#include "core/game.h"
#include "core/quiet_ports.h"
#include "plan_compiler.h"

namespace tarvik::plansrc {
namespace {

std::vector<PlanSource> shippedSources()
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(TARVIK_LEVELS_DIR)) {
        if (entry.path().extension() == ".plan") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<PlanSource> all;
    for (const auto& file : files) {
        std::ifstream in(file);
        std::stringstream text;
        text << in.rdbuf();
        ParseResult parsed = parsePlanSource(text.str(), file.string());
        EXPECT_TRUE(parsed.ok()) << parsed.error;
        all.insert(all.end(), parsed.plans.begin(), parsed.plans.end());
    }
    return all;
}

TEST(ShippedPlans, AtLeastTenAndTheyMatchTheBuiltFile)
{
    const auto sources = shippedSources();
    EXPECT_GE(sources.size(), 10u);
    std::vector<std::uint8_t> built;
    ASSERT_TRUE(readFileBytes(TARVIK_LEVEL_DATA, built));
    ASSERT_EQ(built.size(), sources.size() * kPlanRecordSize);
    for (std::size_t i = 0; i < sources.size(); ++i) {
        PlanRecord record;
        std::string error;
        ASSERT_TRUE(compilePlan(sources[i], record, error)) << error;
        EXPECT_TRUE(planRecordProblems(record).empty()) << i + 1;
        const auto bytes = encodePlanRecord(record);
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), built.begin() + static_cast<long>(i * kPlanRecordSize)))
            << "plan " << i + 1;
    }
}

TEST(ShippedPlans, StubsMeetTheirPartners)
{
    for (const PlanSource& source : shippedSources()) {
        PlanRecord r;
        std::string error;
        ASSERT_TRUE(compilePlan(source, r, error)) << error;
        std::array<int, kCellCount> at{};
        for (int k = 1; k <= kSlotCount; ++k) {
            if (r.atomKind[k] != 0) at[static_cast<std::size_t>(cellIndex(r.atomCol[k], r.atomRow[k]))] = k;
        }
        for (int k = 1; k <= kSlotCount; ++k) {
            const AtomKind kind = r.atomKind[k];
            if (kind == 0 || atomPicture(kind) > 6) continue;
            int valence = 0;
            for (int b = 0; b < kBondCount; ++b) {
                if (!hasBond(kind, b)) continue;
                valence += bondOrder(b);
                const int col = r.atomCol[k] + bondDx(b);
                const int row = r.atomRow[k] + bondDy(b);
                const int partner = onBoard(col, row) ? at[static_cast<std::size_t>(cellIndex(col, row))] : 0;
                EXPECT_TRUE(partner != 0 && hasBond(r.atomKind[partner], oppositeBond(b)))
                    << source.title << ": slot " << k << " bond " << b;
            }
            const int expected[] = {0, 1, 2, 4, 3, 2, 1};
            if (atomPicture(kind) == kSulphur)  // sulphur also binds four or six times, as in SO2 and SO3
                EXPECT_TRUE(valence == 2 || valence == 4 || valence == 6) << source.title << ": slot " << k;
            else
                EXPECT_EQ(valence, expected[atomPicture(kind)]) << source.title << ": slot " << k;
        }
    }
}

TEST(ShippedPlans, RecordedSolutionsSolve)
{
    std::vector<PlanRecord> records;
    const auto sources = shippedSources();
    for (const PlanSource& source : sources) {
        PlanRecord r;
        std::string error;
        ASSERT_TRUE(compilePlan(source, r, error));
        records.push_back(r);
    }
    const PlanCatalogue catalogue(records);
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const PlanSource& source = sources[i];
        ASSERT_FALSE(source.solution.empty()) << source.title;
        QuietPorts ports;
        Game game(catalogue, ports.ports());
        game.selectStartPlan(static_cast<int>(i + 1));
        for (const SolutionMove& move : source.solution) {
            EXPECT_NE(game.playState(), PlayState::Solved) << source.title << " solved early";
            ASSERT_EQ(game.playState(), PlayState::Idle);
            game.boxMouseDown(move.x * 30 + 15, move.y * 30 + 15);
            ASSERT_EQ(game.playState(), PlayState::Carrying) << source.title << " no atom at " << move.x << "," << move.y;
            const int dx = move.direction == Direction::Right ? 1 : move.direction == Direction::Left ? -1 : 0;
            const int dy = move.direction == Direction::Down ? 1 : move.direction == Direction::Up ? -1 : 0;
            const BoardPoint ref = game.board().refPoint();
            game.boxMouseMove(ref.x + 30 * dx, ref.y + 30 * dy);
            EXPECT_NE(game.board().carriedCol() * 100 + game.board().carriedRow(), move.x * 100 + move.y)
                << source.title << ": the push did not move the atom";
            game.boxMouseDown(0, 0);
        }
        EXPECT_EQ(game.playState(), PlayState::Solved) << source.title;
        if (source.solutionLength) {
            EXPECT_EQ(*source.solutionLength, static_cast<int>(source.solution.size()));
        }
    }
}

}  // namespace
}  // namespace tarvik::plansrc

namespace tarvik::plansrc {
namespace {

std::string englishOf(const PlanSource& source)
{
    std::string name;
    for (const std::string& line : source.englishName) name += (name.empty() ? "" : " ") + line;
    return name;
}

}  // namespace

// What the catalogue promises its players: a full set, a gentle start, deep
// plans at the end, every length proven, and variety among the molecules.
TEST(ShippedPlans, TheCatalogueIsFullDeepAndVaried)
{
    const std::vector<PlanSource> sources = shippedSources();
    ASSERT_EQ(sources.size(), 500u);
    std::map<std::string, int> uses;
    int atLeast20 = 0, atLeast30 = 0, atLeast40 = 0, hardest = 0;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const PlanSource& s = sources[i];
        ASSERT_TRUE(s.solutionLength.has_value()) << "plan " << i + 1;
        EXPECT_TRUE(s.solutionOptimal) << "plan " << i + 1;
        const int length = *s.solutionLength;
        if (i < 30) {
            EXPECT_LE(length, 8) << "plan " << i + 1 << " should still teach";
        }
        atLeast20 += length >= 20;
        atLeast30 += length >= 30;
        atLeast40 += length >= 40;
        hardest = std::max(hardest, length);
        ++uses[englishOf(s)];
    }
    EXPECT_GE(atLeast20, 150);
    EXPECT_GE(atLeast30, 50);
    EXPECT_GE(atLeast40, 10);
    EXPECT_GE(hardest, 50);
    EXPECT_GE(uses.size(), 400u);
    for (const auto& [name, count] : uses) EXPECT_LE(count, 3) << name;
    // The starters open the set.
    EXPECT_NE(sources[0].fileName.find("010-first-steps.plan"), std::string::npos);
}

}  // namespace tarvik::plansrc
