// The game as a player starts it from a shell: its command line, end to end.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct GameRun {
    int exitCode = -1;
    QString out;
    QStringList errLines;
};

class Program : public ::testing::Test {
protected:
    // A home of its own, so no real settings are read or written.
    GameRun run(const QStringList& arguments, const QString& platform = QStringLiteral("offscreen"))
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        environment.insert("XDG_RUNTIME_DIR", home.path());
        environment.insert("QT_QPA_PLATFORM", platform);
        QProcess game;
        game.setProcessEnvironment(environment);
        game.start(QStringLiteral(TARVIK_GAME), arguments);
        GameRun result;
        if (!game.waitForFinished(60000)) {
            game.kill();
            game.waitForFinished();
            return result;
        }
        result.exitCode = game.exitStatus() == QProcess::NormalExit ? game.exitCode() : -1;
        result.out = QString::fromLocal8Bit(game.readAllStandardOutput());
        result.errLines = QString::fromLocal8Bit(game.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
        return result;
    }

    QTemporaryDir home;
};

TEST_F(Program, VersionAndHelpAnswerWithoutAnyDisplay)
{
    // A platform that cannot exist: the answer must come before any window is tried.
    const GameRun version = run({"--version"}, QStringLiteral("no-such-platform"));
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "Tarvik Atoms 3.5\n");

    const GameRun help = run({"--help"}, QStringLiteral("no-such-platform"));
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--screenshot <FILE>")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("--version"));
}

TEST_F(Program, AnUnknownOptionIsNotedOnceAndTheGameStartsAsUsual)
{
    const QString shot = home.filePath("shot.png");
    const GameRun game = run({"--bogus", "--screenshot", shot});
    EXPECT_EQ(game.exitCode, 0) << game.errLines.join('\n').toStdString();
    const QStringList notes = game.errLines.filter("--bogus");
    ASSERT_EQ(notes.size(), 1) << game.errLines.join('\n').toStdString();
    EXPECT_EQ(notes[0], "tarvik-atoms: Ignoring unknown option --bogus.");
    EXPECT_TRUE(QFile::exists(shot)) << "the game ran on to its screenshot";
}

}  // namespace
