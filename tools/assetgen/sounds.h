#pragma once
// The six sound cues, synthesised sample by sample: RIFF WAVE, PCM, mono,
// 8 bits unsigned, each with its own fixed rate and length.

#include <QByteArray>

#include <array>
#include <cstdint>
#include <vector>

namespace tarvik::assetgen {

struct CueFormat {
    int rate;
    int samples;
};

// Cue n (1..6) at index n - 1: pick-up, put-down, solved, hint, all solved, slide tick.
inline constexpr std::array<CueFormat, 6> kCueFormats = {
    {{22050, 927}, {22050, 2602}, {11025, 9520}, {22050, 10108}, {11025, 10824}, {11025, 126}}};

std::vector<std::uint8_t> cueSamples(int cue);
QByteArray waveFile(int rate, const std::vector<std::uint8_t>& samples);

}  // namespace tarvik::assetgen
