#pragma once

#include <functional>
#include <memory>

#include "ui/wave_output.h"

namespace tarvik {

// The sound system is opened when it is first wanted rather than at start:
// loading and opening it cost the start a good share of its time and memory,
// and a player who keeps the sound off never needs it. Until it is open nothing
// is playing, so a stop has nothing to do.
class LazyWaveOutput final : public WaveOutput {
public:
    using Opener = std::function<std::unique_ptr<WaveOutput>()>;

    explicit LazyWaveOutput(Opener open);

    void play(int wave, bool loop) override;
    void stop() override;

    // Opens the sound system now unless that was done (or tried) already.
    void open();
    bool opened() const { return output_ != nullptr; }

private:
    Opener open_;
    std::unique_ptr<WaveOutput> output_;
};

}  // namespace tarvik
