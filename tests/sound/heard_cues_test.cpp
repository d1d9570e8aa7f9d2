// The listening side on a recording made up here, so that the sound server
// test's checks are known to tell cues apart and to notice a missing one.
#include <gtest/gtest.h>

#include <cmath>

#include "heard_cues.h"

namespace tarvik::testing {
namespace {

constexpr int kRate = 22050;

Heard madeUp(const std::vector<std::pair<int, double>>& cues, double seconds)
{
    Heard heard{std::vector<float>(static_cast<std::size_t>(seconds * kRate), 0.0f), kRate};
    for (const auto& [cue, at] : cues) {
        const std::vector<float> wave = cueWave(cue, kRate, 2.0);
        const std::size_t start = static_cast<std::size_t>(at * kRate);
        for (std::size_t i = 0; i < wave.size() && start + i < heard.samples.size(); ++i)
            heard.samples[start + i] += 0.7f * wave[i];
    }
    return heard;
}

TEST(HeardCues, FindsEachCueWhereItStartsAndOnlyThatCue)
{
    const Heard heard = madeUp({{4, 0.50}, {1, 1.40}, {2, 2.10}, {3, 2.90}, {5, 4.20}}, 6.0);
    const std::pair<int, double> placed[] = {{4, 0.50}, {1, 1.40}, {2, 2.10}, {3, 2.90}, {5, 4.20}};
    for (const auto& [cue, at] : placed) {
        SCOPED_TRACE(cue);
        const Heard::Match m = heard.find(cueWave(cue, kRate, 0.25), at - 0.3, at + 0.3);
        EXPECT_NEAR(m.at, at, 0.002);
        EXPECT_GT(m.score, 0.95);
        for (int other = 1; other <= 5; ++other) {
            if (other == cue) continue;
            EXPECT_LT(heard.find(cueWave(other, kRate, 0.25), at - 0.03, at + 0.03).score, m.score - 0.2) << other;
        }
    }
}

TEST(HeardCues, AMissingCueIsNotFoundAndSilenceIsQuiet)
{
    const Heard heard = madeUp({{4, 0.5}}, 3.0);
    EXPECT_LT(heard.find(cueWave(1, kRate, 0.25), 1.2, 2.5).score, 0.3);
    for (double level : heard.loudness(1.2, 2.9)) EXPECT_EQ(level, 0.0);
    // The slide tick, looped, is loud in every 20-ms frame.
    Heard loop{{}, kRate};
    const std::vector<float> tick = cueWave(6, kRate, 1.0);
    ASSERT_FALSE(tick.empty());
    while (loop.samples.size() < std::size_t(kRate)) loop.samples.insert(loop.samples.end(), tick.begin(), tick.end());
    for (double level : loop.loudness(0.0, 0.9)) EXPECT_GT(level, 0.1);
}

}  // namespace
}  // namespace tarvik::testing
