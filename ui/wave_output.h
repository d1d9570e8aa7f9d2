#pragma once

namespace tarvik {

// Where sound goes: the window's six waves, addressed 1..6. The platform's
// output lives in a module of its own (sound_module.h) that implements this.
class WaveOutput {
public:
    virtual ~WaveOutput() = default;
    virtual void play(int wave, bool loop) = 0;
    virtual void stop() = 0;
};

}  // namespace tarvik
