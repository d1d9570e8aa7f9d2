#pragma once

#include <QElapsedTimer>

#include <random>

#include "core/ports.h"

namespace tarvik {

// The millisecond tick count, from a monotonic clock.
class SystemTickClock final : public TickClock {
public:
    SystemTickClock() { timer_.start(); }
    std::uint32_t ticks() override { return static_cast<std::uint32_t>(timer_.elapsed()); }

private:
    QElapsedTimer timer_;
};

// Lets the window system handle what is queued, from inside a running handler.
class QtEventPump final : public EventPump {
public:
    void processPendingEvents() override;
};

// The program's random numbers, seeded once from the clock.
class ClockSeededRandom final : public RandomSource {
public:
    ClockSeededRandom();
    int below(int n) override;

private:
    std::mt19937 engine_;
};

}  // namespace tarvik
