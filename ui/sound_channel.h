#pragma once

#include <functional>
#include <memory>

#include "core/ports.h"
#include "ui/wave_output.h"

namespace tarvik {

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

// The waves from the compiled-in resources through the platform's sound output,
// opened when first wanted (see lazy_wave_output.h and sound_module.h). With no
// sound module or no sound device there is silence and no error.
std::unique_ptr<WaveOutput> makeSystemWaveOutput();

}  // namespace tarvik
