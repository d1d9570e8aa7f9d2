#include "ui/sound_effects/wave_stream.h"

#include <QtGlobal>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace tarvik {

namespace {

std::uint32_t le32(const char* p)
{
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

// 8-bit samples at 22050 or 11025 Hz to 16-bit at the stream's rate; a wave
// at half the rate is stretched by linear interpolation.
std::vector<qint16> decode(const QByteArray& file)
{
    int rate = 0;
    QByteArray data;
    for (qsizetype at = 12; at + 8 <= file.size();) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype size = le32(file.constData() + at + 4);
        if (id == "fmt " && at + 16 <= file.size())
            rate = static_cast<int>(le32(file.constData() + at + 12));
        else if (id == "data")
            data = file.mid(at + 8, size);
        at += 8 + size + (size & 1);
    }
    if (rate <= 0 || data.isEmpty())
        return {};
    auto sample = [&data](qsizetype i) {
        return i < data.size() ? (static_cast<unsigned char>(data[i]) - 128) * 256 : 0;
    };
    const int stretch = WaveStream::kRate / rate >= 2 ? 2 : 1;
    std::vector<qint16> out(static_cast<std::size_t>(data.size() * stretch));
    for (qsizetype i = 0; i < data.size(); ++i) {
        out[static_cast<std::size_t>(i * stretch)] = static_cast<qint16>(sample(i));
        if (stretch == 2)
            out[static_cast<std::size_t>(i * 2 + 1)] = static_cast<qint16>((sample(i) + sample(i + 1)) / 2);
    }
    return out;
}

}  // namespace

WaveStream::WaveStream(const std::array<QByteArray, 6>& waveFiles)
{
    for (std::size_t i = 0; i < waves_.size(); ++i)
        waves_[i] = decode(waveFiles[i]);
}

void WaveStream::select(int wave, bool loop)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    wave_ = wave >= 1 && wave <= 6 && !waves_[static_cast<std::size_t>(wave - 1)].empty() ? wave : 0;
    loop_ = loop;
    position_ = 0;
}

void WaveStream::fill(qint16* out, std::size_t count)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    for (std::size_t i = 0; i < count; ++i) {
        if (wave_ == 0) {
            std::fill(out + i, out + count, qint16(0));
            return;
        }
        const std::vector<qint16>& wave = waves_[static_cast<std::size_t>(wave_ - 1)];
        out[i] = wave[position_++];
        if (position_ == wave.size()) {
            position_ = 0;
            if (!loop_)
                wave_ = 0;
        }
    }
}

}  // namespace tarvik
