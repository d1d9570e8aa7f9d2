#pragma once

#include <vector>

namespace tarvik::testing {

// What a recording of the sink's monitor can tell: where a known wave starts
// in it, and how loud a stretch of it is. Times are seconds from sample 0.
struct Heard {
    std::vector<float> samples;
    int rate = 0;

    struct Match {
        double at = 0;     // where the wave starts
        double score = 0;  // normalised cross-correlation, 1 = the same shape
    };
    // The best place for `wave` (at this recording's rate) to start within [from, to].
    Match find(const std::vector<float>& wave, double from, double to) const;
    // Root mean square of every `frame`-long piece of [from, to].
    std::vector<double> loudness(double from, double to, double frame = 0.02) const;
};

// The game's own wave `cue` (1..6) from its compiled-in resources, at `rate`,
// cut to at most `seconds`.
std::vector<float> cueWave(int cue, int rate, double seconds);

}  // namespace tarvik::testing
