#include <gtest/gtest.h>

#include <QFontDatabase>

#include <atomic>
#include <chrono>
#include <thread>

#include "lifecycle/font_config_warm_up.h"
#include "lifecycle/font_warm_up.h"

namespace tarvik {
namespace {

std::atomic<bool> slowReadDone{false};

// Slow enough that a list started without waiting would start first.
void slowRead()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    slowReadDone = true;
}

// Two readings of the configuration at once would both parse it in full, so
// the font list may start only after the early reading has ended.
TEST(FontWarmUp, TheListStartsOnlyOnceTheConfigurationIsRead)
{
    slowReadDone = false;
    const FontConfigWarmUp config(slowRead);
    const FontWarmUp fonts(config);
    EXPECT_TRUE(slowReadDone);
}

TEST(FontWarmUp, AnEarlyReadingIsWaitedForWhenNothingElseWaits)
{
    slowReadDone = false;
    { const FontConfigWarmUp config(slowRead); }
    EXPECT_TRUE(slowReadDone);
}

// The system's reading ahead leaves the font list as complete as it is
// without it: the window's typeface is among the families.
TEST(FontWarmUp, TheSystemsFontsAreListedAfterTheReadingAhead)
{
    const FontConfigWarmUp config;
    {
        const FontWarmUp fonts(config);
    }
    EXPECT_TRUE(QFontDatabase::families().contains(QStringLiteral("DejaVu Sans")));
}

}  // namespace
}  // namespace tarvik
