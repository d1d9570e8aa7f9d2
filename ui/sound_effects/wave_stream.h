#pragma once

#include <QByteArray>

#include <array>
#include <cstddef>
#include <mutex>
#include <vector>

namespace tarvik {

// The six waves as one endless stream of samples: the wave that plays, then
// silence. A sound system fed this way never sees a stream end, so a short
// cue is not cut off as its stream closes, and the next cue starts as soon as
// the stream reaches it.
class WaveStream {
public:
    static constexpr int kRate = 22050;

    // Waves 1..6 as RIFF WAVE files of 8-bit mono PCM, at 22050 or 11025 Hz.
    explicit WaveStream(const std::array<QByteArray, 6>& waveFiles);

    // From any thread: start wave 1..6 from its beginning, once or looped; 0 stops.
    void select(int wave, bool loop);
    // The next `count` samples, 16-bit mono at kRate.
    void fill(qint16* out, std::size_t count);

private:
    std::array<std::vector<qint16>, 6> waves_;
    std::mutex mutex_;
    int wave_ = 0;
    bool loop_ = false;
    std::size_t position_ = 0;
};

}  // namespace tarvik
