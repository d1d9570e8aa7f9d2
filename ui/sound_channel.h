#pragma once

#include <functional>
#include <memory>

#include "core/ports.h"

namespace tarvik {

// Where sound goes: the window's six waves, addressed 1..6.
class WaveOutput {
public:
    virtual ~WaveOutput() = default;
    virtual void play(int wave, bool loop) = 0;
    virtual void stop() = 0;
};

// One channel, as the game has always had: a new cue cuts off the one playing.
// While sound is switched off nothing is started; a stop always stops.
class SoundChannel final : public SoundOutput {
public:
    static constexpr int kSlideWave = 6;

    SoundChannel(WaveOutput& output, std::function<bool()> soundOn);

    bool soundOn() const override { return soundOn_(); }
    void playWave(int cue) override;     // 1..5, once
    void startSlideLoop() override;      // wave 6, looped, for the length of a push
    void stopSound() override;

private:
    WaveOutput& output_;
    std::function<bool()> soundOn_;
};

// The waves from the compiled-in resources through the platform's sound output
// (see streamed_waves.h). With no sound device there is silence and no error.
std::unique_ptr<WaveOutput> makeSystemWaveOutput();

}  // namespace tarvik
