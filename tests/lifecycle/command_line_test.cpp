#include "lifecycle/command_line.h"

#include <gtest/gtest.h>

namespace tarvik {
namespace {

CommandLine read(QStringList arguments)
{
    arguments.prepend(QStringLiteral("/usr/games/tarvik-atoms"));
    return readCommandLine(arguments);
}

TEST(CommandLine, UnknownOptionsAreNotedInOneLineAndTheRestStillCounts)
{
    const CommandLine line = read({"--bogus", "--screenshot", "shot.png", "-x"});
    EXPECT_EQ(line.action, CommandLine::Action::Play);
    EXPECT_EQ(line.screenshotFile, "shot.png");
    EXPECT_EQ(line.note, "Ignoring unknown options --bogus, -x.");
    EXPECT_FALSE(line.note.contains(QLatin1Char('\n')));

    EXPECT_EQ(read({"--fullscreen"}).note, "Ignoring unknown option --fullscreen.");
}

TEST(CommandLine, PlainStartHasNothingToSay)
{
    const CommandLine line = read({});
    EXPECT_EQ(line.action, CommandLine::Action::Play);
    EXPECT_TRUE(line.screenshotFile.isEmpty());
    EXPECT_TRUE(line.note.isEmpty());
}

TEST(CommandLine, AScreenshotWithoutAFileIsNotedAndPlayGoesOn)
{
    const CommandLine line = read({"--screenshot"});
    EXPECT_EQ(line.action, CommandLine::Action::Play);
    EXPECT_TRUE(line.screenshotFile.isEmpty());
    EXPECT_FALSE(line.note.isEmpty());
    EXPECT_FALSE(line.note.contains(QLatin1Char('\n')));
}

TEST(CommandLine, HelpAndVersionInLongAndShortForm)
{
    EXPECT_EQ(read({"--help"}).action, CommandLine::Action::ShowHelp);
    EXPECT_EQ(read({"-h"}).action, CommandLine::Action::ShowHelp);
    EXPECT_EQ(read({"--version"}).action, CommandLine::Action::ShowVersion);
    EXPECT_EQ(read({"-v"}).action, CommandLine::Action::ShowVersion);
    EXPECT_EQ(read({"--bogus", "--version"}).action, CommandLine::Action::ShowVersion);
    EXPECT_EQ(versionLine(), "Tarvik Atoms 3.5");

    const QString help = commandLineHelp();
    EXPECT_TRUE(help.startsWith("Usage: tarvik-atoms [options]\n")) << help.toStdString();
    for (const char* option : {"--screenshot <FILE>", "--help", "--version"})
        EXPECT_TRUE(help.contains(QLatin1String(option))) << option;
}

}  // namespace
}  // namespace tarvik
