#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fake_platform.h"
#include "help/dlog_file.h"
#include "help/help_runtime.h"
#include "temp_folder.h"

namespace tarvik {
namespace {

using ::testing::ElementsAre;
using testing::crlfLines;
using testing::FakePlatform;
using testing::readAll;

namespace fs = std::filesystem;

class LogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform.folders.insert(folder.str());
        env.logFolder = folder.str();
        env.moduleDir = "/games/tarvik";
        env.moduleName = "tarvik-atoms";
        env.modulePath = "/games/tarvik/tarvik-atoms";
        env.runDir = "/games/tarvik";
        env.hhVerStr = "5.2.3790.0";
        env.hhInstalled = true;
        env.hhFriendlyVerStr = "> 1.4a";
    }
    void writeOldLog(const std::string& path)
    {
        std::ofstream(path) << "old run\n";
        platform.files.insert(path);
    }

    testing::TempFolder folder;
    FakePlatform platform;
    HelpEnvironment env;
};

TEST_F(LogTest, OldLogIsDeletedAtStartAndNoNewOneWithoutDebugging)
{
    auto real = makeSystemPlatform(std::nullopt);
    const std::string path = folder.file("HHDebug.txt");
    std::ofstream(path) << "old run\n";
    TDLogFile log(*real, env, path, false, true, true, false);
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(LogTest, ReadOnlyOldLogIsMadeWritableAndDeleted)
{
    auto real = makeSystemPlatform(std::nullopt);
    const std::string path = folder.file("HHDebug.txt");
    std::ofstream(path) << "old run\n";
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    TDLogFile log(*real, env, path, true, true, true, false);
    // A fresh log with its header took the old one's place.
    const std::string text = readAll(path);
    EXPECT_EQ(text.find("old run"), std::string::npos);
    EXPECT_EQ(text.rfind(std::string(79, '=') + "\r\n", 0), 0u);
}

TEST_F(LogTest, AppendingKeepsTheOldLog)
{
    const std::string path = folder.file("HHDebug.txt");
    writeOldLog(path);
    TDLogFile log(platform, env, path, true, false, false, true);
    log.WriteLogLine("more");
    EXPECT_EQ(readAll(path), "old run\nmore\r\n");
}

TEST_F(LogTest, LinesRulesAndTimePrefix)
{
    const std::string path = folder.file("HHDebug.txt");
    TDLogFile log(platform, env, path, true, true, false, false);
    log.WriteLogLine("-");
    log.WriteLogLine("=");
    log.WriteLogLine("!bare %s", {"text"});
    log.WriteLogLine("ShowContext(\"%s\", %d)", {"a.chm", 0});
    log.WriteLogLine("");
    log.WriteLogLine("-x");
    log.WriteLogLine("%d percent", {}); // no arguments: written as it stands
    bool onlyCrlf = false;
    const auto lines = crlfLines(readAll(path), &onlyCrlf);
    EXPECT_TRUE(onlyCrlf);
    EXPECT_THAT(lines, ElementsAre(std::string(79, '-'), std::string(79, '='), "bare text",
                                   "03:04:05   ShowContext(\"a.chm\", 0)", "03:04:05   ", "x",
                                   "03:04:05   %d percent"));
}

TEST_F(LogTest, HeaderLinesWithTheirExactSpacing)
{
    platform.exe = "/games/tarvik/tarvik-atoms";
    platform.args = {"/DEBUG", "level 3"};
    platform.rawLine = "tarvik-atoms /DEBUG level 3";
    platform.versions["/games/tarvik/tarvik-atoms"] = makeFileVersion(3, 5, 0, 0);
    const std::string path = folder.file("HHDebug.txt");
    TDLogFile log(platform, env, path, true, true, true, false);
    log.WriteLogLine("after");

    const auto lines = crlfLines(readAll(path));
    ASSERT_EQ(lines.size(), 28u);
    const std::vector<std::string> expected{
        std::string(79, '='),
        "Log File:             \t" + path,
        "Date:                 \t08.12.2026 03:04:05",
        "Operating System:      \tWindows XP 5.1 (Build 2600) Service Pack 2",
        "SysLocale.DefaultLCID: \t0x0407 (1031)",
        "SysLocale.PriLangID:   \t0x0007 (7)",
        "SysLocale.SubLangID:   \t0x0001 (1)",
        "DecimalSeparator:      \t,",
        std::string(79, '-'),
        "EXE Path =          \t/games/tarvik/tarvik-atoms",
        "EXE Version =       \t3.5.0.0",
        "Cmdline Param(s) =  \t/DEBUG | level 3",
        "Actual CmdLine =  \ttarvik-atoms /DEBUG level 3",
        "_RunDir =           \t/games/tarvik",
        "_ModuleName =       \ttarvik-atoms",
        "_ModuleDir =        \t/games/tarvik",
        "_ModulePath =        \t/games/tarvik/tarvik-atoms",
        "Module Version =       \t3.5.0.0",
        std::string(79, '-'),
        "_hhInstalled =      \tYES",
        "_hhVerStr =         \t5.2.3790.0",
        "_hhFriendlyVerStr = \t> 1.4a",
        std::string(79, '-'),
        "_ieInstalled =      \tNO",
        "_ieVerStr =         \t",
        "_ieFriendlyVerStr = \t",
        std::string(79, '='),
        "03:04:05   after",
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(LogTest, OddHeaderValues)
{
    platform.os = {"\tWindows", 4, 10, 67766446, ""};
    platform.locale = {0x1ABCD, 0x3CD, 0x6A, "."};
    platform.rawLine = std::string(300, 'x');
    const std::string path = folder.file("HHDebug.txt");
    TDLogFile log(platform, env, path, true, false, true, false);
    const auto lines = crlfLines(readAll(path));
    ASSERT_GT(lines.size(), 12u);
    EXPECT_EQ(lines[3], "Operating System:      \tWindows 4.10 (Build 67766446) No Service Pack");
    EXPECT_EQ(lines[4], "SysLocale.DefaultLCID: \t0x1ABCD (109517)");
    EXPECT_EQ(lines[12], "Actual CmdLine =  \t" + std::string(255, 'x'));
}

TEST_F(LogTest, MissingFolderFallsBackToTheTempFolder)
{
    testing::TempFolder temp;
    platform.temp = temp.str() + "/";
    platform.folders.insert(temp.str() + "/");
    TDLogFile log(platform, env, "/no/such/folder/HHDebug.txt", true, false, false, false);
    EXPECT_EQ(log.fileName(), temp.file("HHDebug.txt"));
    log.WriteLogLine("x");
    EXPECT_EQ(readAll(temp.file("HHDebug.txt")), "x\r\n");
}

TEST_F(LogTest, EmptyNameMeansTheLogFolder)
{
    TDLogFile log(platform, env, "", false, false, false, false);
    EXPECT_EQ(log.fileName(), folder.file("HHDebug.txt"));
}

TEST_F(LogTest, LogLineAndShowAndLogWriteOnlyWhileDebugging)
{
    std::vector<std::string> shown;
    HelpRuntime& rt = helpRuntime();
    rt.messageBox = [&](const std::string& text, unsigned) {
        shown.push_back(text);
        return 1;
    };
    const std::string path = folder.file("HHDebug.txt");
    rt.log = std::make_unique<TDLogFile>(platform, env, path, false, false, false, false);
    LogLine("quiet %d", {1});
    ShowAndLog("shown %s", {"50%d"});
    EXPECT_FALSE(fs::exists(path));

    rt.log = std::make_unique<TDLogFile>(platform, env, path, true, false, false, false);
    LogLine("loud %d", {2});
    ShowAndLog("shown %s", {"50%d"});
    ShowAndLog("!marked");
    EXPECT_THAT(shown, ElementsAre("shown 50%d", "shown 50%d", "!marked"));
    EXPECT_THAT(crlfLines(readAll(path)), ElementsAre("loud 2", "shown 50%d", "marked"));
    helpRuntime() = HelpRuntime{};
}

}  // namespace
}  // namespace tarvik
