#include "ui/sound_channel.h"

#include "ui/lazy_wave_output.h"
#include "ui/sound_module.h"

namespace tarvik {

SoundChannel::SoundChannel(WaveOutput& output, std::function<bool()> soundOn)
    : output_(output), soundOn_(std::move(soundOn))
{
}

void SoundChannel::playWave(int cue)
{
    if (cue < 1 || cue > 5 || !soundOn())
        return;
    output_.stop();
    output_.play(cue, false);
}

void SoundChannel::startSlideLoop()
{
    if (!soundOn())
        return;
    output_.stop();
    output_.play(kSlideWave, true);
}

void SoundChannel::stopSound()
{
    // Sound may have been switched off while the slide loop played; a stop must
    // still end it.
    output_.stop();
}

std::unique_ptr<WaveOutput> makeSystemWaveOutput()
{
    return std::make_unique<LazyWaveOutput>(openSystemWaveOutput);
}

}  // namespace tarvik
