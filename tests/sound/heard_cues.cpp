#include "heard_cues.h"

#include <QFile>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "assets/asset_paths.h"

namespace tarvik::testing {

namespace {

std::uint32_t le32(const char* p)
{
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

}  // namespace

Heard::Match Heard::find(const std::vector<float>& wave, double from, double to) const
{
    const long n = static_cast<long>(wave.size());
    const long first = std::max(0L, std::lround(from * rate));
    const long last = std::min(static_cast<long>(samples.size()) - n, std::lround(to * rate));
    double waveEnergy = 0;
    for (float w : wave)
        waveEnergy += double(w) * w;
    Match best;
    if (n == 0 || first > last || waveEnergy == 0)
        return best;
    double windowEnergy = 0;
    for (long i = first; i < first + n; ++i)
        windowEnergy += double(samples[i]) * samples[i];
    for (long lag = first; lag <= last; ++lag) {
        if (lag > first) {
            windowEnergy += double(samples[lag + n - 1]) * samples[lag + n - 1] -
                            double(samples[lag - 1]) * samples[lag - 1];
        }
        if (windowEnergy <= 1e-9)
            continue;
        double dot = 0;
        for (long i = 0; i < n; ++i)
            dot += double(samples[lag + i]) * wave[i];
        const double score = dot / std::sqrt(windowEnergy * waveEnergy);
        if (score > best.score)
            best = {double(lag) / rate, score};
    }
    return best;
}

std::vector<double> Heard::loudness(double from, double to, double frame) const
{
    std::vector<double> levels;
    const long step = std::max(1L, std::lround(frame * rate));
    const long end = std::min(static_cast<long>(samples.size()), std::lround(to * rate));
    for (long start = std::max(0L, std::lround(from * rate)); start + step <= end; start += step) {
        double sum = 0;
        for (long i = start; i < start + step; ++i)
            sum += double(samples[i]) * samples[i];
        levels.push_back(std::sqrt(sum / step));
    }
    return levels;
}

std::vector<float> cueWave(int cue, int rate, double seconds)
{
    QFile file(QString::fromLatin1(assets::cues[cue - 1]));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    // 8-bit mono PCM: the "fmt " chunk gives the rate, the "data" chunk the samples.
    int sourceRate = 0;
    std::vector<float> source;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = le32(bytes.constData() + at + 4);
        if (id == "fmt ")
            sourceRate = static_cast<int>(le32(bytes.constData() + at + 12));
        if (id == "data")
            for (qsizetype i = 0; i < size && at + 8 + i < bytes.size(); ++i)
                source.push_back((static_cast<unsigned char>(bytes[at + 8 + i]) - 128) / 128.0f);
        at += 8 + size + (size & 1);
    }
    if (sourceRate <= 0 || source.empty())
        return {};
    // Linear interpolation is enough: the cues hold little above a few kHz.
    const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(std::lround(seconds * rate)),
                                                    source.size() * rate / sourceRate);
    std::vector<float> wave(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double x = double(i) * sourceRate / rate;
        const std::size_t k = static_cast<std::size_t>(x);
        const double f = x - k;
        wave[i] = static_cast<float>(source[k] * (1 - f) + (k + 1 < source.size() ? source[k + 1] : 0.0f) * f);
    }
    return wave;
}

}  // namespace tarvik::testing
