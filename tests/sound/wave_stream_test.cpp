// The endless stream the sound output feeds to the platform: what it holds
// after each request, sample for sample.
#include <gtest/gtest.h>

#include <vector>

#include "ui/sound_effects/wave_stream.h"

namespace tarvik {
namespace {

QByteArray waveFile(int rate, const std::vector<unsigned char>& samples)
{
    auto u32 = [](QByteArray& b, quint32 v) { for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xFF)); };
    QByteArray b("RIFF");
    u32(b, 36 + quint32(samples.size()));
    b.append("WAVEfmt ");
    u32(b, 16);
    b.append("\x01\x00\x01\x00", 4);  // PCM, mono
    u32(b, quint32(rate));
    u32(b, quint32(rate));
    b.append("\x01\x00\x08\x00", 4);  // 1 byte per sample, 8 bits
    b.append("data");
    u32(b, quint32(samples.size()));
    b.append(reinterpret_cast<const char*>(samples.data()), qsizetype(samples.size()));
    return b;
}

std::vector<qint16> next(WaveStream& stream, std::size_t count)
{
    std::vector<qint16> out(count, 12345);
    stream.fill(out.data(), out.size());
    return out;
}

// Wave 1: three samples at the stream's rate; wave 6: two at half the rate.
WaveStream testStream()
{
    std::array<QByteArray, 6> files;
    files[0] = waveFile(22050, {129, 130, 131});
    files[5] = waveFile(11025, {128 + 10, 128 + 20});
    return WaveStream(files);
}

TEST(WaveStream, SilenceUntilAskedThenTheWaveOnceThenSilence)
{
    WaveStream stream = testStream();
    EXPECT_EQ(next(stream, 2), (std::vector<qint16>{0, 0}));
    stream.select(1, false);
    EXPECT_EQ(next(stream, 5), (std::vector<qint16>{256, 512, 768, 0, 0}));
    // A wave that is missing is silence, not a crash.
    stream.select(3, false);
    EXPECT_EQ(next(stream, 2), (std::vector<qint16>{0, 0}));
}

TEST(WaveStream, ALoopRepeatsUntilStoppedAndAHalfRateWaveIsStretched)
{
    WaveStream stream = testStream();
    stream.select(6, true);
    // 10 and 20 at 11025 Hz become 10, 15, 20, 10 at 22050 (the last one halfway to silence).
    const std::vector<qint16> once{2560, 3840, 5120, 2560};
    std::vector<qint16> twice = once;
    twice.insert(twice.end(), once.begin(), once.end());
    EXPECT_EQ(next(stream, 8), twice);
    EXPECT_EQ(next(stream, 2), (std::vector<qint16>{2560, 3840}));
    stream.select(0, false);
    EXPECT_EQ(next(stream, 3), (std::vector<qint16>{0, 0, 0}));
}

TEST(WaveStream, ANewCueStartsFromItsBeginningCuttingOffTheOnePlaying)
{
    WaveStream stream = testStream();
    stream.select(6, true);
    EXPECT_EQ(next(stream, 3), (std::vector<qint16>{2560, 3840, 5120}));
    stream.select(1, false);
    EXPECT_EQ(next(stream, 4), (std::vector<qint16>{256, 512, 768, 0}));
}

}  // namespace
}  // namespace tarvik
