#pragma once

#include <cstdint>

namespace tarvik {

enum class PlayState : std::uint8_t { Idle = 0, Carrying = 1, Solved = 2, Sliding = 4 };

}  // namespace tarvik
