#include <gtest/gtest.h>

#include "core/timing.h"

namespace tarvik {
namespace {

class StepClock : public TickClock {
public:
    explicit StepClock(std::uint32_t start) : now(start) {}
    std::uint32_t ticks() override
    {
        ++reads;
        return now++;
    }
    std::uint32_t now;
    int reads = 0;
};

TEST(BusyWait, WaitsUntilMoreThanTheTimeHasPassedAcrossTheWrap)
{
    for (std::uint32_t start : {0u, 1000u, 0xFFFFFFF0u, 0xFFFFFFFFu}) {
        StepClock clock(start);
        busyWait(clock, 50);
        // The first reading starts the wait; it ends on the first reading 51 ticks later.
        EXPECT_EQ(clock.reads, 52) << start;
    }
}

}  // namespace
}  // namespace tarvik
