#include "sounds.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace tarvik::assetgen {

namespace {

constexpr double kTwoPi = 2.0 * M_PI;

struct Noise {
    std::uint32_t state = 0x1234567u;
    double next() {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / 8388608.0 - 1.0;
    }
};

double note(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

// A short attack and an exponential decay, so that notes never click.
double envelope(double t, double length, double attack, double decay) {
    if (t < 0.0 || t >= length) return 0.0;
    const double in = std::min(1.0, t / attack);
    const double out = std::min(1.0, (length - t) / 0.01);
    return in * out * std::exp(-t / decay);
}

// A mellow tone: a few harmonics with falling strength.
double tone(double phase, int harmonics) {
    double v = 0.0, norm = 0.0;
    for (int h = 1; h <= harmonics; ++h) {
        v += std::sin(phase * h) / (h * h);
        norm += 1.0 / (h * h);
    }
    return v / norm;
}

std::vector<double> render(int cue, int rate, int count) {
    std::vector<double> out(static_cast<size_t>(count), 0.0);
    Noise noise;
    auto at = [rate](int i) { return static_cast<double>(i) / rate; };
    switch (cue) {
        case 1:  // pick-up: a short upward chirp
            for (int i = 0; i < count; ++i) {
                const double t = at(i);
                const double phase = kTwoPi * (900.0 * t + 800.0 * t * t / 0.042);
                out[i] = 0.8 * envelope(t, 0.042, 0.002, 0.018) * std::sin(phase) +
                         0.25 * std::exp(-t / 0.003) * noise.next();
            }
            break;
        case 2:  // put-down: a low, damped knock
            for (int i = 0; i < count; ++i) {
                const double t = at(i);
                const double phase = kTwoPi * (150.0 * t + 180.0 * (1.0 - std::exp(-t / 0.02)) * 0.02);
                out[i] = 0.95 * envelope(t, 0.118, 0.001, 0.035) * std::sin(phase) +
                         0.35 * std::exp(-t / 0.004) * noise.next();
            }
            break;
        case 3: {  // solved: a rising arpeggio that lands on a chord
            const int steps[] = {3, 7, 10, 15};  // C5 E5 G5 C6 (from A4)
            for (int n = 0; n < 4; ++n) {
                const double start = 0.11 * n;
                const double length = n == 3 ? 0.863 - start : 0.5;
                const double f = note(steps[n]);
                for (int i = 0; i < count; ++i) {
                    const double t = at(i) - start;
                    if (t < 0) continue;
                    out[i] += 0.3 * envelope(t, length, 0.006, n == 3 ? 0.3 : 0.16) * tone(kTwoPi * f * t, 4);
                }
            }
            break;
        }
        case 4: {  // hint: two bell strokes
            const double strikes[][2] = {{0.0, note(19)}, {0.12, note(26)}};  // E6, B6
            for (const auto& s : strikes) {
                for (int i = 0; i < count; ++i) {
                    const double t = at(i) - s[0];
                    if (t < 0) continue;
                    const double e = envelope(t, 0.458 - s[0], 0.002, 0.11);
                    out[i] += 0.4 * e *
                              (std::sin(kTwoPi * s[1] * t) + 0.4 * std::sin(kTwoPi * s[1] * 2.76 * t) * std::exp(-t / 0.04));
                }
            }
            break;
        }
        case 5: {  // all solved: a little fanfare with a long last chord
            const double notes[][3] = {{0.00, -2, 0.12}, {0.12, -2, 0.12}, {0.24, -2, 0.12}, {0.36, 3, 0.62},
                                       {0.36, 7, 0.62},  {0.36, 10, 0.62}};  // G4 G4 G4, then C5 E5 G5
            for (const auto& n : notes) {
                const double f = note(static_cast<int>(n[1]));
                for (int i = 0; i < count; ++i) {
                    const double t = at(i) - n[0];
                    if (t < 0) continue;
                    const double vibrato = 1.0 + 0.004 * std::sin(kTwoPi * 5.5 * t) * std::min(1.0, t / 0.2);
                    out[i] += 0.28 * envelope(t, n[2], 0.012, n[2] > 0.3 ? 0.5 : 0.09) *
                              tone(kTwoPi * f * vibrato * t, 6);
                }
            }
            break;
        }
        case 6:  // slide tick: a tiny burst that starts and ends at rest
            for (int i = 0; i < count; ++i) {
                const double x = static_cast<double>(i) / count;
                const double window = std::pow(std::sin(M_PI * x), 2.0);
                out[i] = 0.95 * window * std::exp(-x * 1.5) * std::sin(kTwoPi * 9.0 * x);
            }
            break;
        default: break;
    }
    return out;
}

}  // namespace

std::vector<std::uint8_t> cueSamples(int cue) {
    if (cue < 1 || cue > static_cast<int>(kCueFormats.size())) return {};
    const CueFormat format = kCueFormats[static_cast<size_t>(cue - 1)];
    std::vector<double> wave = render(cue, format.rate, format.samples);
    // Every cue peaks at the same level, so that none drowns out another.
    double peak = 0.0;
    for (double v : wave) peak = std::max(peak, std::abs(v));
    if (peak > 0.0)
        for (double& v : wave) v *= 0.85 / peak;
    std::vector<std::uint8_t> samples(wave.size());
    std::transform(wave.begin(), wave.end(), samples.begin(), [](double v) {
        return static_cast<std::uint8_t>(std::clamp(static_cast<int>(std::lround(128.0 + 127.0 * v)), 0, 255));
    });
    return samples;
}

QByteArray waveFile(int rate, const std::vector<std::uint8_t>& samples) {
    QByteArray bytes;
    auto u32 = [&bytes](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    auto u16 = [&bytes](std::uint16_t v) {
        bytes.append(static_cast<char>(v & 0xFF));
        bytes.append(static_cast<char>(v >> 8));
    };
    const std::uint32_t dataSize = static_cast<std::uint32_t>(samples.size());
    const std::uint32_t pad = dataSize % 2;  // chunks are padded to an even length
    bytes.append("RIFF");
    u32(36 + dataSize + pad);
    bytes.append("WAVE");
    bytes.append("fmt ");
    u32(16);
    u16(1);  // PCM
    u16(1);  // mono
    u32(static_cast<std::uint32_t>(rate));
    u32(static_cast<std::uint32_t>(rate));  // bytes per second
    u16(1);                                 // block align
    u16(8);                                 // bits per sample
    bytes.append("data");
    u32(dataSize);
    bytes.append(reinterpret_cast<const char*>(samples.data()), static_cast<qsizetype>(samples.size()));
    if (pad) bytes.append('\x80');
    return bytes;
}

}  // namespace tarvik::assetgen
