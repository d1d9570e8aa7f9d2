// The six cues: RIFF WAVE, PCM, mono, 8-bit unsigned, with their fixed rates
// and lengths; the slide tick must loop without a click.

#include "assets/asset_paths.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

using namespace tarvik::assets;

namespace {

struct Wave {
    QByteArray bytes;
    std::uint32_t u32(int at) const {
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(bytes[at + i]);
        return v;
    }
    std::uint16_t u16(int at) const {
        return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) | (static_cast<std::uint8_t>(bytes[at + 1]) << 8));
    }
    std::uint8_t sample(int i) const { return static_cast<std::uint8_t>(bytes[44 + i]); }
};

Wave read(const char* path) {
    ensureLoaded();
    QFile file(QString::fromLatin1(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return {file.readAll()};
}

struct Expected {
    const char* path;
    std::uint32_t rate, samples;
};
const Expected kCues[] = {{cue1, 22050, 927},  {cue2, 22050, 2602},  {cue3, 11025, 9520},
                          {cue4, 22050, 10108}, {cue5, 11025, 10824}, {cue6, 11025, 126}};

}  // namespace

TEST(Sounds, AreMono8BitPcmWavesWithTheirRatesAndLengths) {
    for (const Expected& e : kCues) {
        SCOPED_TRACE(e.path);
        const Wave w = read(e.path);
        ASSERT_GE(w.bytes.size(), 44);
        EXPECT_EQ(w.bytes.mid(0, 4), "RIFF");
        EXPECT_EQ(w.u32(4) + 8, static_cast<std::uint32_t>(w.bytes.size()));
        EXPECT_EQ(w.bytes.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(w.u32(16), 16u);
        EXPECT_EQ(w.u16(20), 1) << "PCM";
        EXPECT_EQ(w.u16(22), 1) << "mono";
        EXPECT_EQ(w.u32(24), e.rate);
        EXPECT_EQ(w.u32(28), e.rate) << "bytes per second";
        EXPECT_EQ(w.u16(32), 1) << "block align";
        EXPECT_EQ(w.u16(34), 8) << "bits per sample";
        EXPECT_EQ(w.bytes.mid(36, 4), "data");
        EXPECT_EQ(w.u32(40), e.samples);
        // Odd chunks carry one pad byte, as RIFF asks.
        EXPECT_EQ(static_cast<std::uint32_t>(w.bytes.size()), 44 + e.samples + e.samples % 2);
    }
}

TEST(Sounds, AreAudibleAndStayInRange) {
    for (const Expected& e : kCues) {
        const Wave w = read(e.path);
        int loudest = 0;
        for (std::uint32_t i = 0; i < e.samples; ++i) loudest = std::max(loudest, std::abs(w.sample(static_cast<int>(i)) - 128));
        EXPECT_GT(loudest, 30) << e.path;
        EXPECT_LT(loudest, 128) << e.path << ": clipped";
    }
}

TEST(Sounds, TickLoopsSeamlessly) {
    const Wave w = read(cue6);
    const int last = 125;
    // Starts and ends at rest, and the step across the seam is as gentle as
    // the steps on either side of it.
    EXPECT_LE(std::abs(w.sample(0) - 128), 1);
    EXPECT_LE(std::abs(w.sample(last) - 128), 1);
    const int seam = w.sample(0) - w.sample(last);
    const int before = w.sample(last) - w.sample(last - 1);
    const int after = w.sample(1) - w.sample(0);
    EXPECT_LE(std::abs(seam), 2);
    EXPECT_LE(std::abs(seam - before), 2);
    EXPECT_LE(std::abs(after - seam), 2);
}
