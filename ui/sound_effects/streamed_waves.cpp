// The platform's sound through one WaveStream (wave_stream.h), fed from a
// thread of its own: the window's busy waits (slides, the solve flash) hold up
// the window's thread, and the sound must go on meanwhile. This is the sound
// module: the game loads it when it first wants sound (sound_module.h).
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>

#include <type_traits>
#include <vector>

#include "ui/sound_effects/wave_stream.h"
#include "ui/sound_module.h"
#include "ui/wave_output.h"

namespace tarvik {

namespace {

constexpr int kFeedMs = 10;
// About 80 ms of sound ahead of the speaker: short enough that a cue follows
// its action at once, long enough to ride out a busy moment of the machine.
constexpr int kBufferBytes = WaveStream::kRate * 80 / 1000 * 2;

class StreamedWaveOutput final : public WaveOutput {
public:
    StreamedWaveOutput(const QAudioDevice& device, const WaveFiles& files) : stream_(files)
    {
        thread_.setObjectName(QStringLiteral("sound"));
        thread_.start();
        anchor_.moveToThread(&thread_);
        QMetaObject::invokeMethod(&anchor_, [this, device] {
            QAudioFormat format;
            format.setSampleRate(WaveStream::kRate);
            format.setChannelCount(1);
            format.setSampleFormat(QAudioFormat::Int16);
            sink_ = new QAudioSink(device, format, &anchor_);
            sink_->setBufferSize(kBufferBytes);
            into_ = sink_->start();
            feeder_ = new QTimer(&anchor_);
            QObject::connect(feeder_, &QTimer::timeout, &anchor_, [this] { feed(); });
            feeder_->start(kFeedMs);
            feed();
        }, Qt::BlockingQueuedConnection);
    }

    ~StreamedWaveOutput() override
    {
        QMetaObject::invokeMethod(&anchor_, [this] {
            // The timer and the sink go in the thread they live in.
            delete feeder_;
            sink_->stop();
            delete sink_;
        }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }

    void play(int wave, bool loop) override { stream_.select(wave, loop); }
    void stop() override { stream_.select(0, false); }

private:
    void feed()
    {
        if (!into_)
            return;
        const qsizetype count = sink_->bytesFree() / 2;
        if (count <= 0)
            return;
        samples_.resize(static_cast<std::size_t>(count));
        stream_.fill(samples_.data(), samples_.size());
        into_->write(reinterpret_cast<const char*>(samples_.data()), count * 2);
    }

    WaveStream stream_;
    QThread thread_;
    QObject anchor_;                // lives in the sound thread, as everything below does
    QTimer* feeder_ = nullptr;
    QAudioSink* sink_ = nullptr;
    QIODevice* into_ = nullptr;
    std::vector<qint16> samples_;
};

}  // namespace

}  // namespace tarvik

// With no sound device there is nothing to open: the caller plays in silence.
extern "C" Q_DECL_EXPORT tarvik::WaveOutput* tarvikOpenWaveOutput(const tarvik::WaveFiles& waveFiles)
{
    static_assert(std::is_same_v<decltype(&tarvikOpenWaveOutput), tarvik::OpenWaveOutputFunction>);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return nullptr;
    return new tarvik::StreamedWaveOutput(device, waveFiles);
}
