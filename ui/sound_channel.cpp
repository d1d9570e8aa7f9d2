#include "ui/sound_channel.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <array>

#include "assets/asset_paths.h"

namespace tarvik {

SoundChannel::SoundChannel(WaveOutput& output, std::function<bool()> soundOn)
    : output_(output), soundOn_(std::move(soundOn))
{
}

void SoundChannel::playWave(int cue)
{
    if (cue < 1 || cue > 5 || !soundOn())
        return;
    output_.stop();
    output_.play(cue, false);
}

void SoundChannel::startSlideLoop()
{
    if (!soundOn())
        return;
    output_.stop();
    output_.play(kSlideWave, true);
}

void SoundChannel::stopSound()
{
    // Sound may have been switched off while the slide loop played; a stop must
    // still end it.
    output_.stop();
}

namespace {

class SilentOutput final : public WaveOutput {
public:
    void play(int, bool) override {}
    void stop() override {}
};

class EffectOutput final : public WaveOutput {
public:
    EffectOutput()
    {
        for (int i = 0; i < 6; ++i) {
            auto& effect = effects_[i];
            effect = std::make_unique<QSoundEffect>();
            effect->setSource(QUrl(QStringLiteral("qrc") + QString::fromLatin1(assets::cues[i])));
        }
    }

    void play(int wave, bool loop) override
    {
        if (wave < 1 || wave > 6)
            return;
        QSoundEffect& effect = *effects_[wave - 1];
        effect.setLoopCount(loop ? QSoundEffect::Infinite : 1);
        effect.play();
        playing_ = &effect;
    }

    void stop() override
    {
        if (playing_)
            playing_->stop();
        playing_ = nullptr;
    }

private:
    std::array<std::unique_ptr<QSoundEffect>, 6> effects_;
    QSoundEffect* playing_ = nullptr;
};

}  // namespace

std::unique_ptr<WaveOutput> makeSystemWaveOutput()
{
    if (QMediaDevices::audioOutputs().isEmpty())
        return std::make_unique<SilentOutput>();
    return std::make_unique<EffectOutput>();
}

}  // namespace tarvik
