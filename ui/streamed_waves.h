#pragma once

#include <memory>

#include "ui/sound_channel.h"

namespace tarvik {

// The platform's sound through one WaveStream (wave_stream.h), fed from a
// thread of its own: the window's busy waits (slides, the solve flash) hold up
// the window's thread, and the sound must go on meanwhile. Null when there is
// no sound output.
std::unique_ptr<WaveOutput> makeStreamedWaveOutput();

}  // namespace tarvik
