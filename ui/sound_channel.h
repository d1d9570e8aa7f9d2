#pragma once

#include <functional>
#include <memory>

namespace tarvik {

// Where sound goes: the window's six waves, addressed 1..6.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    virtual void play(int wave, bool loop) = 0;
    virtual void stop() = 0;
};

// One channel, as the game has always had: a new cue cuts off the one playing.
// While sound is switched off nothing is started at all.
class SoundChannel {
public:
    static constexpr int kSlideWave = 6;

    SoundChannel(SoundOutput& output, std::function<bool()> soundOn);

    bool soundOn() const { return soundOn_(); }
    void playCue(int cue);      // 1..5, once
    void startSlideLoop();      // wave 6, looped, for the length of a push
    void stopSlideLoop();

private:
    SoundOutput& output_;
    std::function<bool()> soundOn_;
};

// The waves from the compiled-in resources through the platform's sound effects.
// With no sound device there is silence and no error.
std::unique_ptr<SoundOutput> makeSystemSoundOutput();

}  // namespace tarvik
