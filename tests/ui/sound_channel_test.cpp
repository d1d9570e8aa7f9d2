#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/sound_channel.h"

namespace tarvik {
namespace {

class RecordingOutput : public WaveOutput {
public:
    std::vector<std::string> calls;
    void play(int wave, bool loop) override { calls.push_back((loop ? "loop " : "play ") + std::to_string(wave)); }
    void stop() override { calls.push_back("stop"); }
};

TEST(SoundChannel, ANewCueCutsOffTheOnePlaying)
{
    RecordingOutput output;
    SoundChannel channel(output, [] { return true; });
    channel.playWave(1);
    channel.playWave(3);
    EXPECT_EQ(output.calls, (std::vector<std::string>{"stop", "play 1", "stop", "play 3"}));
}

TEST(SoundChannel, SlideTickLoopsForThePush)
{
    RecordingOutput output;
    SoundChannel channel(output, [] { return true; });
    channel.startSlideLoop();
    channel.stopSound();
    EXPECT_EQ(output.calls, (std::vector<std::string>{"stop", "loop 6", "stop"}));
}

TEST(SoundChannel, SoundOffStartsNothingButStillStops)
{
    RecordingOutput output;
    bool on = false;
    SoundChannel channel(output, [&] { return on; });
    channel.playWave(2);
    channel.startSlideLoop();
    EXPECT_TRUE(output.calls.empty());
    on = true;
    channel.startSlideLoop();
    on = false;
    channel.stopSound();
    EXPECT_EQ(output.calls, (std::vector<std::string>{"stop", "loop 6", "stop"}));
}

TEST(SoundChannel, OnlyCuesOneToFiveArePlayedAsCues)
{
    RecordingOutput output;
    SoundChannel channel(output, [] { return true; });
    channel.playWave(0);
    channel.playWave(6);
    channel.playWave(-1);
    EXPECT_TRUE(output.calls.empty());
}

}  // namespace
}  // namespace tarvik
