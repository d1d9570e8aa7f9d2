// What the debug log's header says on a system without the Windows API.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "help/dlog_file.h"
#include "help/environment.h"
#include "help/folders.h"
#include "help/shell_words.h"
#include "temp_folder.h"

namespace tarvik {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

TEST(ShellQuotedLine, WordsAreQuotedOnlyWhereAShellNeedsIt)
{
    EXPECT_EQ(shellQuotedLine({}), "");
    EXPECT_EQ(shellQuotedLine({"/opt/tarvik/tarvik-atoms", "--screenshot=a.png", "-debug"}),
              "/opt/tarvik/tarvik-atoms --screenshot=a.png -debug");
    EXPECT_EQ(shellQuotedLine({"tarvik-atoms", "my games/plan 3.tkx"}), "tarvik-atoms 'my games/plan 3.tkx'");
    EXPECT_EQ(shellQuotedLine({"a", ""}), "a ''");
    EXPECT_EQ(shellQuotedLine({"it's"}), "'it'\\''s'");
    EXPECT_EQ(shellQuotedLine({"$HOME", "*.tkx", "a;b", "x\ty", "\"q\"", "back\\slash", "~", "Jörg"}),
              "'$HOME' '*.tkx' 'a;b' 'x\ty' '\"q\"' 'back\\slash' '~' 'Jörg'");
}

class PosixHeader : public ::testing::Test {
protected:
    // A stand-in reader library whose file name carries a version below every release of
    // the system's help control.
    InProcessHelpControl standIn()
    {
        const std::string library = folder.file("libchm.so.1.0.0");
        std::ofstream(library) << "not really a library";
        InProcessHelpControl control;
        control.path = library;
        control.version = makeFileVersion(6, 4, 2, 0);
        control.description = "CHM reader " + library + " in the game's own viewer";
        return control;
    }
    std::vector<std::string> header(Platform& platform)
    {
        const HelpEnvironment env = detectHelpEnvironment(platform);
        const std::string path = folder.file("HHDebug.txt");
        TDLogFile log(platform, env, path, true, false, true, false);
        return testing::crlfLines(testing::readAll(path));
    }

    testing::TempFolder folder;
};

TEST_F(PosixHeader, ValuesSayWhatTheyHoldHere)
{
    auto platform = makeSystemPlatform(standIn());
    const auto lines = header(*platform);
    ASSERT_EQ(lines.size(), 27u);
    // The kernel names itself; there is no service pack to claim missing.
    EXPECT_THAT(lines[3], StartsWith("Operating System:      \t"));
    EXPECT_THAT(lines[3], Not(HasSubstr("Windows")));
    EXPECT_THAT(lines[3], Not(HasSubstr("No Service Pack")));
    EXPECT_THAT(lines[3], Not(HasSubstr("(Build 0)")));
    // The stand-in's version is its library's, and it is not given a release name of the
    // HTML Help control.
    EXPECT_EQ(lines[19], "_hhInstalled =      \tYES");
    EXPECT_EQ(lines[20], "_hhVerStr =         \t1.0.0.0");
    EXPECT_EQ(lines[21], "_hhFriendlyVerStr = \tCHM reader " + folder.file("libchm.so.1.0.0") +
                             " in the game's own viewer");
    EXPECT_EQ(lines[23], "_ieInstalled =      \tNO");
    EXPECT_EQ(lines[25], "_ieFriendlyVerStr = \t");
    // The words this test was started with, quoted for a shell.
    std::vector<std::string> words;
    std::istringstream cmdline(testing::readAll("/proc/self/cmdline"));
    for (std::string word; std::getline(cmdline, word, '\0');)
        words.push_back(word);
    ASSERT_FALSE(words.empty());
    EXPECT_EQ(lines[12], "Actual CmdLine =  \t" + shellQuotedLine(words).substr(0, 255));
}

TEST_F(PosixHeader, WithoutTheReaderNothingIsInstalledAndNothingIsNamed)
{
    auto platform = makeSystemPlatform(std::nullopt);
    const auto lines = header(*platform);
    ASSERT_EQ(lines.size(), 27u);
    EXPECT_EQ(lines[19], "_hhInstalled =      \tNO");
    EXPECT_EQ(lines[20], "_hhVerStr =         \t");
    EXPECT_EQ(lines[21], "_hhFriendlyVerStr = \t");
}

TEST_F(PosixHeader, AStandInWithoutVersionedFileNameKeepsItsOwnVersion)
{
    InProcessHelpControl control = standIn();
    control.path = folder.file("libchm.so");
    std::ofstream(control.path) << "linked in statically";
    auto platform = makeSystemPlatform(control);
    EXPECT_EQ(detectHelpEnvironment(*platform).hhVerStr, "6.4.2.0");
    EXPECT_EQ(HelpControlFriendlyVersion(*platform), control.description);
}

}  // namespace
}  // namespace tarvik
