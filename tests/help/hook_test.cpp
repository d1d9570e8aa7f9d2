#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_platform.h"
#include "help/help_commands.h"
#include "help/help_events.h"
#include "help/help_runtime.h"
#include "help/hook_help_system.h"
#include "help/show_context.h"
#include "temp_folder.h"

namespace tarvik {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::FakePlatform;

std::string inWindows(const std::string& name)
{
    return std::string("C:\\WINDOWS") + kPathSeparator + name;
}

struct ViewerCall {
    std::string location;
    unsigned command;
    std::uintptr_t data;
};

// The runtime as the start-up steps leave it, with a fake platform and viewer, a message
// box that records, and a debug log without time stamps.
class HookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform.folders.insert(folder.str());
        HelpRuntime& rt = helpRuntime();
        rt.platform = &platform;
        rt.controlLibrary = &platform;
        rt.env.hhInstalled = true;
        rt.env.debug = true;
        rt.htmlHelp = [this](WindowHandle, const char* location, unsigned command, std::uintptr_t data) {
            viewerCalls.push_back({location ? location : "<none>", command, data});
            return command == HH_HELP_CONTEXT ? viewerWindow : nullptr;
        };
        rt.messageBox = [this](const std::string& text, unsigned style) {
            messages.push_back(text);
            styles.push_back(style);
            return 1;
        };
        rt.log = std::make_unique<TDLogFile>(platform, rt.env, folder.file("HHDebug.txt"), true,
                                             false, false, false);
        setHelpHandler(nullptr);
    }
    void TearDown() override
    {
        setHelpHandler(nullptr);
        helpRuntime() = HelpRuntime{};
    }
    std::vector<std::string> logLines() { return testing::crlfLines(testing::readAll(folder.file("HHDebug.txt"))); }

    testing::TempFolder folder;
    FakePlatform platform;
    int windowTag = 0;
    WindowHandle viewerWindow = &windowTag;
    std::vector<ViewerCall> viewerCalls;
    std::vector<std::string> messages;
    std::vector<unsigned> styles;
};

TEST_F(HookTest, RulesAskForTheContextOfTheTongue)
{
    THookHelpSystem hook("/games/vrel.chm", "", kModeViewer);
    rules(1);
    rules(0);
    rules(-1);
    ASSERT_EQ(viewerCalls.size(), 3u);
    EXPECT_EQ(viewerCalls[0].data, 1u);
    EXPECT_EQ(viewerCalls[1].data, 2u);
    EXPECT_EQ(viewerCalls[2].data, 2u);
    EXPECT_EQ(viewerCalls[0].location, "/games/vrel.chm");
    EXPECT_EQ(viewerCalls[0].command, HH_HELP_CONTEXT);
    EXPECT_THAT(platform.foreground, ElementsAre(viewerWindow, viewerWindow, viewerWindow));
    EXPECT_TRUE(messages.empty());
}

TEST_F(HookTest, EveryStepOfAContextRequestIsLogged)
{
    {
        THookHelpSystem hook("/games/vrel.chm", "", kModeViewer);
        rules(1);
    }
    EXPECT_THAT(logLines(), ElementsAre("THookHelpSystem.Create(\"/games/vrel.chm\",\"\", 0)",
                                        "THookHelpSystem.HelpHook(1 (HELP_CONTEXT), 1)",
                                        "HHHelpContext(\"/games/vrel.chm\", 1, \"\", 0)",
                                        "ShowContext(\"/games/vrel.chm\", 0)", "  returned - 0",
                                        "THookHelpSystem.Destroy"));
}

TEST_F(HookTest, UnknownCommandsArePassedOnAndPopupPositionsSwallowed)
{
    THookHelpSystem hook("vrel.chm", "", kModeViewer);
    bool passOn = false;
    EXPECT_TRUE(hook.HelpHook(HELP_QUIT, 0, passOn));
    EXPECT_TRUE(passOn);
    passOn = false;
    hook.HelpHook(6, 0, passOn);
    EXPECT_TRUE(passOn);

    passOn = true;
    EXPECT_TRUE(hook.HelpHook(HELP_SETPOPUP_POS, static_cast<std::int32_t>(0xFFF6000Au), passOn));
    EXPECT_FALSE(passOn);
    EXPECT_EQ(hook.popupX(), 10);
    EXPECT_EQ(hook.popupY(), -10);
    EXPECT_TRUE(viewerCalls.empty());
    EXPECT_TRUE(messages.empty());

    // The application sees an unknown request as not handled by the hook.
    EXPECT_FALSE(raiseHelpRequest(HELP_QUIT, 0));
    EXPECT_THAT(logLines(), ::testing::Contains("THookHelpSystem.HelpHook(2 (HELP_QUIT), 0)"));
}

TEST_F(HookTest, PopupRequestsShowAnOrdinaryTopicOrReachTheirHandler)
{
    THookHelpSystem hook("vrel.chm", "", kModeViewer);
    bool passOn = true;
    hook.HelpHook(HELP_CONTEXTPOPUP, 7, passOn);
    ASSERT_EQ(viewerCalls.size(), 1u);
    EXPECT_EQ(viewerCalls[0].data, 7u);

    std::vector<std::int32_t> seen;
    hook.setContextHandler([&](std::int32_t c) { seen.push_back(-c); });
    hook.HelpHook(HELP_CONTEXTPOPUP, 8, passOn);  // the context handler is not consulted
    EXPECT_EQ(viewerCalls.size(), 2u);
    hook.setPopupHandler([&](std::int32_t c, std::int32_t x, std::int32_t y) { seen.insert(seen.end(), {c, x, y}); });
    hook.HelpHook(HELP_SETPOPUP_POS, (5 << 16) | 4, passOn);
    hook.HelpHook(HELP_CONTEXTPOPUP, 9, passOn);
    hook.HelpHook(HELP_CONTEXT, 3, passOn);
    EXPECT_THAT(seen, ElementsAre(9, 4, 5, -3));
    EXPECT_EQ(viewerCalls.size(), 2u);
}

TEST_F(HookTest, PreviousHandlerIsRestoredAndChainedOnlyWhenAsked)
{
    int previousCalls = 0;
    setHelpHandler([&](std::uint16_t, std::int32_t, bool&) {
        ++previousCalls;
        return false;
    });
    {
        THookHelpSystem hook("vrel.chm", "", kModeViewer);
        EXPECT_TRUE(helpContext(2));
        EXPECT_EQ(previousCalls, 0);
        hook.setChain(true);
        bool passOn = true;
        EXPECT_FALSE(hook.HelpHook(HELP_CONTEXT, 2, passOn));  // the previous handler's answer
        EXPECT_EQ(previousCalls, 1);
    }
    helpContext(1);
    EXPECT_EQ(previousCalls, 2);
    // Two topics while hooked, the close-all at the hook's end, nothing after it.
    ASSERT_EQ(viewerCalls.size(), 3u);
    EXPECT_EQ(viewerCalls[2].command, HH_CLOSE_ALL);
}

TEST_F(HookTest, ClosingTheHookClosesTheViewerWindows)
{
    {
        THookHelpSystem hook("vrel.chm", "", kModeViewer);
    }
    ASSERT_EQ(viewerCalls.size(), 1u);
    EXPECT_EQ(viewerCalls[0].command, HH_CLOSE_ALL);
    EXPECT_EQ(viewerCalls[0].location, "<none>");
    EXPECT_EQ(platform.yields, 1);

    // Other modes leave the viewer alone, and nothing is asked of an unloaded control.
    { THookHelpSystem hook("vrel.chm", "", kModeHHExe); }
    helpRuntime().controlLibrary = nullptr;
    CloseAllHelpWindows();
    EXPECT_EQ(viewerCalls.size(), 1u);
}

TEST_F(HookTest, NotInstalledShowsItsMessageAndNothingElse)
{
    helpRuntime().env.hhInstalled = false;
    THookHelpSystem hook("vrel.chm", "", kModeViewer);
    rules(1);
    rules(0);
    EXPECT_TRUE(viewerCalls.empty());
    EXPECT_THAT(messages, ElementsAre("MS Html Help is not installed on this PC.",
                                      "MS Html Help is not installed on this PC."));
    EXPECT_EQ(styles[0], MB_ICONEXCLAMATION | MB_OK);
    EXPECT_THAT(logLines(), ::testing::Contains(
                                "HHShowError(1), \"MS Html Help is not installed on this PC.\""));
}

TEST_F(HookTest, ViewerProgramsReportWhenMissingAndStartWhenPresent)
{
    EXPECT_EQ(HHHelpContext("my%20help.chm", 2, "", kModeKeyHH), HH_KEYHH_MISSING);
    EXPECT_EQ(HHHelpContext("my%20help.chm", 2, "", kModeHHExe), HH_HH_MISSING);
    EXPECT_EQ(HHHelpContext("my.chm", 2, "", 7), HH_OK);
    EXPECT_TRUE(platform.shellCalls.empty());

    platform.files.insert(inWindows("KeyHH.EXE"));
    platform.files.insert(inWindows("HH.EXE"));
    EXPECT_EQ(HHHelpContext("my%20help.chm", 2, "", kModeKeyHH), HH_OK);
    EXPECT_EQ(HHHelpContext("my%20help.chm", 1, "", kModeHHExe), HH_OK);
    EXPECT_THAT(platform.shellCalls,
                ElementsAre("open|" + inWindows("KeyHH.EXE") + "|-win -#mapid 2 my help.chm|10",
                            "open|" + inWindows("HH.EXE") + "|-mapid 1 mk:@MSITStore:my help.chm|10"));

    // Without a Windows folder there are no viewer programs at all.
    platform.windows.clear();
    EXPECT_EQ(HHHelpContext("a.chm", 1, "", kModeKeyHH), HH_KEYHH_MISSING);
    EXPECT_EQ(HHHelpContext("a.chm", 1, "", kModeHHExe), HH_HH_MISSING);
}

TEST_F(HookTest, ErrorMessagesAndAFailedShellStart)
{
    HHShowError(0);
    EXPECT_TRUE(messages.empty());
    HHShowError(2);
    HHShowError(3);
    HHShowError(99);
    EXPECT_THAT(messages, ElementsAre("System file KeyHH.EXE was not found in the Windows folder.",
                                      "System file HH.EXE was not found in the Windows folder.",
                                      "Unknown error returned by HHHelpContext"));

    platform.shellResult = 32;
    platform.error = 5;
    EXPECT_FALSE(ShellOpenFile("C:\\WINDOWS\\HH.EXE", "-mapid 1 x.chm"));
    EXPECT_EQ(messages.back(), "Function ShellExecute(C:\\WINDOWS\\HH.EXE, -mapid 1 x.chm)\r"
                               "Returned: [Error:5] Access Denied");
    // A failed start has reported itself; the result code stays 0.
    platform.files.insert(inWindows("HH.EXE"));
    EXPECT_EQ(HHHelpContext("x.chm", 1, "", kModeHHExe), HH_OK);
    EXPECT_THAT(logLines(), ::testing::Contains(HasSubstr("Returned: [Error:5] Access Denied")));
}

TEST_F(HookTest, InstalledWithoutEntryPointShowsNothingAndSaysNothing)
{
    helpRuntime().htmlHelp = nullptr;
    EXPECT_EQ(HHHelpContext("vrel.chm", 1, "", kModeViewer), HH_OK);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(platform.foreground.empty());
}

}  // namespace
}  // namespace tarvik
