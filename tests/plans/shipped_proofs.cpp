// A fixed sample of the shipped plans proven afresh: the solver's least
// number of moves must be the recorded length. The sample is the three
// deepest plans and every fiftieth, so it follows the set as it changes,
// while the whole set is proven only by hand (`tarvik-plans prove`).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "plan_compiler.h"
#include "plan_source.h"
#include "solver_record.h"

namespace tarvik::plans {
namespace {

std::vector<plansrc::PlanSource> shippedSources()
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(TARVIK_LEVELS_DIR))
        if (entry.path().extension() == ".plan") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<plansrc::PlanSource> all;
    for (const auto& file : files) {
        std::vector<std::uint8_t> bytes;
        EXPECT_TRUE(plansrc::readFileBytes(file.string(), bytes)) << file;
        auto parsed = plansrc::parsePlanSource(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), file.string());
        EXPECT_TRUE(parsed.ok()) << parsed.error;
        all.insert(all.end(), parsed.plans.begin(), parsed.plans.end());
    }
    return all;
}

TEST(ShippedProofs, DeepestPlansAndEveryFiftiethAreProvenAtTheirRecordedLength)
{
    const auto sources = shippedSources();
    ASSERT_FALSE(sources.empty());
    std::vector<std::size_t> sample;
    for (std::size_t i = 0; i < sources.size(); i += 50) sample.push_back(i);
    std::vector<std::size_t> byDepth(sources.size());
    for (std::size_t i = 0; i < sources.size(); ++i) byDepth[i] = i;
    std::stable_sort(byDepth.begin(), byDepth.end(), [&](std::size_t a, std::size_t b) {
        return sources[a].solutionLength.value_or(0) > sources[b].solutionLength.value_or(0);
    });
    for (std::size_t k = 0; k < 3 && k < byDepth.size(); ++k) sample.push_back(byDepth[k]);

    for (std::size_t i : sample) {
        const plansrc::PlanSource& source = sources[i];
        ASSERT_TRUE(source.solutionLength) << "plan " << i + 1;
        PlanRecord record;
        std::string error;
        ASSERT_TRUE(plansrc::compilePlan(source, record, error)) << error;
        const SolveResult r = solvePuzzle(puzzleFromRecord(record), SolveLimits{300.0, 30'000'000});
        ASSERT_EQ(r.status, SolveStatus::Solved) << "plan " << i + 1;
        EXPECT_EQ(static_cast<int>(r.moves.size()), *source.solutionLength) << "plan " << i + 1;
        EXPECT_TRUE(source.solutionOptimal) << "plan " << i + 1;
        EXPECT_EQ(replayThroughCore(record, r.moves), "") << "plan " << i + 1;
    }
}

}  // namespace
}  // namespace tarvik::plans
