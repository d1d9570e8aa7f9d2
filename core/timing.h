#pragma once

#include <cstdint>

#include "core/ports.h"

namespace tarvik {

// Spins on the tick count until it has advanced by more than ms, across the 2^32 wrap.
// Handles no events on purpose: the animation must not be interrupted between steps.
inline void busyWait(TickClock& clock, std::uint32_t ms)
{
    const std::uint32_t start = clock.ticks();
    while (static_cast<std::uint32_t>(clock.ticks() - start) <= ms) {
    }
}

// Cues 1..5 sound only while sound is switched on.
inline void playCue(SoundOutput& sound, int cue)
{
    if (sound.soundOn()) sound.playWave(cue);
}

}  // namespace tarvik
