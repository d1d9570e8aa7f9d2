// The sound output opened when first wanted, and the module it comes from found
// both in a build folder and in an installed layout.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <string>
#include <vector>

#include "ui/lazy_wave_output.h"
#include "ui/sound_module.h"

namespace tarvik {
namespace {

class NotedOutput final : public WaveOutput {
public:
    explicit NotedOutput(std::vector<std::string>& calls) : calls_(calls) {}
    void play(int wave, bool loop) override { calls_.push_back((loop ? "loop " : "play ") + std::to_string(wave)); }
    void stop() override { calls_.push_back("stop"); }

private:
    std::vector<std::string>& calls_;
};

struct Opening {
    int opened = 0;
    bool available = true;
    std::vector<std::string> calls;

    LazyWaveOutput::Opener opener()
    {
        return [this]() -> std::unique_ptr<WaveOutput> {
            ++opened;
            if (!available)
                return nullptr;
            return std::make_unique<NotedOutput>(calls);
        };
    }
};

TEST(LazyWaveOutput, OpensAtTheFirstSoundOnceForTheRunAndPlaysThatSound)
{
    Opening sound;
    LazyWaveOutput output(sound.opener());
    output.stop();
    EXPECT_EQ(sound.opened, 0) << "a stop before any sound has nothing to stop";
    EXPECT_FALSE(output.opened());

    output.play(4, false);
    EXPECT_EQ(sound.opened, 1);
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"play 4"})) << "the sound that opened it is not lost";

    output.stop();
    output.play(6, true);
    output.open();
    output.stop();
    EXPECT_EQ(sound.opened, 1);
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"play 4", "stop", "loop 6", "stop"}));
}

TEST(LazyWaveOutput, ASoundSystemThatCannotBeOpenedIsTriedOnceAndTheGameStaysSilent)
{
    Opening sound;
    sound.available = false;
    LazyWaveOutput output(sound.opener());
    output.play(3, false);
    output.play(6, true);
    output.stop();
    output.open();
    EXPECT_EQ(sound.opened, 1);
    EXPECT_TRUE(sound.calls.empty());
    EXPECT_TRUE(output.opened());
}

TEST(SoundModule, IsFoundInTheBuildFolderAndNowhereElse)
{
    // The tests are built into the programs' folder, where the module lands too.
    EXPECT_NE(findSoundModule(soundModuleFolders(QCoreApplication::applicationDirPath())), nullptr);
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    EXPECT_EQ(findSoundModule({empty.path()}), nullptr);
}

TEST(SoundModule, IsFoundBelowTheInstalledProgramsPrefixAlsoWhenThePrefixMoved)
{
    const QStringList folders = soundModuleFolders(QStringLiteral("/opt/game/bin"));
    ASSERT_EQ(folders.size(), 2);
    EXPECT_EQ(folders[0], "/opt/game/bin");
    EXPECT_EQ(folders[1], QDir::cleanPath(QStringLiteral("/opt/game/" TARVIK_INSTALLED_MODULE_DIR)));

    // A prefix put together by hand in a place the build never knew: the program
    // in bin/, the module where the install rules put it.
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QString moduleDir = prefix.filePath(QStringLiteral(TARVIK_INSTALLED_MODULE_DIR));
    ASSERT_TRUE(QDir().mkpath(moduleDir));
    ASSERT_TRUE(QDir().mkpath(prefix.filePath(QStringLiteral("bin"))));
    const QString built = QStringLiteral(TARVIK_BUILT_SOUND_MODULE);
    ASSERT_TRUE(QFile::copy(built, moduleDir + QLatin1Char('/') + QFileInfo(built).fileName()));
    EXPECT_NE(findSoundModule(soundModuleFolders(prefix.filePath(QStringLiteral("bin")))), nullptr);
}

}  // namespace
}  // namespace tarvik
