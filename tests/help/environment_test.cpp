#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fake_platform.h"
#include "help/environment.h"
#include "help/folders.h"
#include "help/hh.h"
#include "help/hh_funcs.h"
#include "temp_folder.h"

namespace tarvik {
namespace {

using testing::FakePlatform;

TEST(DebugSwitch, RecognisedInAnyCaseOnlyWithItsMark)
{
    for (const char* on : {"/debug", "-debug", "/DEBUG", "-Debug", "/dEbUg"})
        EXPECT_TRUE(isDebugSwitch(on)) << on;
    for (const char* off : {"debug", "--debug", "/debugx", "/debu", "\\debug", "", "+debug"})
        EXPECT_FALSE(isDebugSwitch(off)) << off;

    FakePlatform platform;
    EXPECT_TRUE(debugSwitchedOn(platform, "/games", {"level", "-DEBUG"}));
    EXPECT_FALSE(debugSwitchedOn(platform, "/games", {"debug", "DEBUG"}));
    // The marker file switches it on whatever the arguments say.
    platform.files.insert(std::string("/games") + kPathSeparator + "debug.debug");
    EXPECT_TRUE(debugSwitchedOn(platform, "/games", {}));
}

TEST(Folders, PartsOfPathsAndTheTempFolder)
{
    EXPECT_EQ(withoutTrailingSeparators("/a/b//"), "/a/b");
    EXPECT_EQ(folderPart("/games/tarvik/tarvik-atoms"), "/games/tarvik");
    EXPECT_EQ(fileNamePart("/games/tarvik/tarvik-atoms"), "tarvik-atoms");
    EXPECT_EQ(fileNamePart("plain"), "plain");
    EXPECT_EQ(folderPart("plain"), "");

    FakePlatform platform;
    platform.temp = "/var/tmp/";
    EXPECT_EQ(TempFolder(platform), "c:");  // not an existing folder
    platform.folders.insert("/var/tmp/");
    EXPECT_EQ(TempFolder(platform), "/var/tmp");
}

TEST(Folders, WritabilityProbeLeavesNothingBehind)
{
    testing::TempFolder folder;
    EXPECT_TRUE(FolderWritable(folder.str() + "/"));
    EXPECT_TRUE(std::filesystem::is_empty(folder.str()));
    EXPECT_FALSE(FolderWritable(folder.file("missing")));
}

TEST(HelpControl, RegisteredPathIsExpandedCheckedAndElseTheSystemCopy)
{
    FakePlatform platform;
    platform.system = "S";
    platform.windows = "W";
    const std::string fallback = std::string("S") + kPathSeparator + "hhctrl.ocx";
    EXPECT_EQ(FindHelpControl(platform), fallback);
    platform.registered = "%SystemRoot%\\x\\hhctrl.ocx";
    EXPECT_EQ(FindHelpControl(platform), fallback);  // names no existing file
    platform.files.insert("W\\x\\hhctrl.ocx");
    EXPECT_EQ(FindHelpControl(platform), "W\\x\\hhctrl.ocx");
}

TEST(HelpControl, EnvironmentReportsWhatIsInstalled)
{
    FakePlatform platform;
    platform.system = "S";
    const std::string control = std::string("S") + kPathSeparator + "hhctrl.ocx";
    const std::string browser = std::string("S") + kPathSeparator + "Shdocvw.dll";

    HelpEnvironment none = detectHelpEnvironment(platform);
    EXPECT_FALSE(none.hhInstalled);
    EXPECT_EQ(none.hhVerStr, "");
    EXPECT_EQ(none.hhFriendlyVerStr, "");
    EXPECT_FALSE(none.ieInstalled);
    EXPECT_EQ(none.moduleDir, "/games/tarvik");
    EXPECT_EQ(none.moduleName, "tarvik-atoms");
    EXPECT_EQ(none.logFolder, "/tmp");  // the module folder does not exist here

    platform.versions[control] = makeFileVersion(5, 2, 3669, 0);
    platform.versions[browser] = makeFileVersion(4, 70, 0, 1155);
    platform.args = {"/Debug"};
    HelpEnvironment found = detectHelpEnvironment(platform);
    EXPECT_TRUE(found.hhInstalled);
    EXPECT_EQ(found.hhVerStr, "5.2.3669.0");
    EXPECT_EQ(found.hhFriendlyVerStr, "1.4a");
    EXPECT_EQ(found.ieVerStr, "4.70.1155.0");
    EXPECT_EQ(found.ieFriendlyVerStr, "Internet Explorer 3.0");
    EXPECT_TRUE(found.debug);
}

TEST(HelpControl, LoadingFallsBackToTheFoundFileAndUnloads)
{
    FakePlatform platform;
    HelpRuntime runtime;
    runtime.platform = &platform;
    platform.libraryLoads = false;
    LoadHelpControl(runtime);
    EXPECT_FALSE(helpControlLoaded(runtime));
    EXPECT_FALSE(runtime.htmlHelp);

    platform.libraryLoads = true;
    platform.entry = [](WindowHandle, const char*, unsigned, std::uintptr_t) -> WindowHandle { return nullptr; };
    LoadHelpControl(runtime);
    EXPECT_TRUE(helpControlLoaded(runtime));
    EXPECT_TRUE(runtime.htmlHelp);
    UnloadHelpControl(runtime);
    UnloadHelpControl(runtime);
    EXPECT_FALSE(helpControlLoaded(runtime));
    EXPECT_EQ(platform.freed, 1);
}

TEST(HelpControl, StartStepCreatesAFreshLogWhenDebugging)
{
    testing::TempFolder folder;
    FakePlatform platform;
    platform.temp = folder.str();
    platform.folders.insert(folder.str());
    platform.args = {"-debug"};
    HelpRuntime runtime;
    runtime.platform = &platform;
    startHelpFunctions(runtime);
    ASSERT_TRUE(runtime.log);
    EXPECT_EQ(runtime.log->fileName(), folder.str() + kPathSeparator + "HHDebug.txt");
    EXPECT_TRUE(runtime.log->debugMode());
    EXPECT_TRUE(std::filesystem::exists(runtime.log->fileName()));
    finishHelpFunctions(runtime);
    EXPECT_FALSE(runtime.log);
    EXPECT_FALSE(runtime.env.debug);
}

}  // namespace
}  // namespace tarvik
