#include "ui/lazy_wave_output.h"

namespace tarvik {

namespace {

class SilentOutput final : public WaveOutput {
public:
    void play(int, bool) override {}
    void stop() override {}
};

}  // namespace

LazyWaveOutput::LazyWaveOutput(Opener open) : open_(std::move(open)) {}

void LazyWaveOutput::open()
{
    if (output_)
        return;
    output_ = open_();
    // A sound system that cannot be opened is tried once; the game goes on in silence.
    if (!output_)
        output_ = std::make_unique<SilentOutput>();
}

void LazyWaveOutput::play(int wave, bool loop)
{
    open();
    output_->play(wave, loop);
}

void LazyWaveOutput::stop()
{
    if (output_)
        output_->stop();
}

}  // namespace tarvik
