#include <gtest/gtest.h>

#include "help/help_commands.h"
#include "help/help_location.h"
#include "help/last_error.h"
#include "help/log_format.h"

namespace tarvik {
namespace {

TEST(HelpLocation, PartsAreCleanedAndJoined)
{
    EXPECT_EQ(BuildHelpLocation("  C:\\Games%20Folder\\vrel.chm ", "", "", LocationPrefix::None),
              "C:\\Games Folder\\vrel.chm");
    EXPECT_EQ(BuildHelpLocation("a.chm", "html\\rules.htm", "", LocationPrefix::None),
              "a.chm::/html/rules.htm");
    EXPECT_EQ(BuildHelpLocation("a.chm", "/en.htm", " main%20win ", LocationPrefix::None),
              "a.chm::/en.htm>main win");
    EXPECT_EQ(BuildHelpLocation("", "en.htm", "", LocationPrefix::None), "/en.htm");
    EXPECT_EQ(BuildHelpLocation("a.chm", "%20", "%20 ", LocationPrefix::None), "a.chm");
    EXPECT_EQ(BuildHelpLocation("a.chm", "", "w", LocationPrefix::MkMsItStore), "mk:@MSITStore:a.chm>w");
    EXPECT_EQ(BuildHelpLocation("a.chm", "t.htm", "", LocationPrefix::MsIts), "ms-its:a.chm::/t.htm");
}

TEST(HelpCommands, TextsAndPopupHalves)
{
    EXPECT_EQ(HelpCommandText(1), "1 (HELP_CONTEXT)");
    EXPECT_EQ(HelpCommandText(3), "3 (HELP_INDEX or HELP_CONTENTS)");
    EXPECT_EQ(HelpCommandText(515), "515 (HELP_SETWINPOS)");
    EXPECT_EQ(HelpCommandText(6), "6 (?" "?)");
    EXPECT_EQ(HelpCommandText(65535), "65535 (?" "?)");

    const PopupPosition at = splitPopupPosition(static_cast<std::int32_t>(0xFFFE0064u));
    EXPECT_EQ(at.x, 100);
    EXPECT_EQ(at.y, -2);
    const PopupPosition low = splitPopupPosition(0x0001FFFF);
    EXPECT_EQ(low.x, -1);
    EXPECT_EQ(low.y, 1);
}

TEST(LastError, CodesAndTheirTexts)
{
    EXPECT_EQ(LastErrorText(2), "[Error:2] File Not Found");
    EXPECT_EQ(LastErrorText(33), "[Error:33] File In Use");
    EXPECT_EQ(LastErrorText(112), "[Error:112] Disk Full");
    EXPECT_EQ(LastErrorText(1393), "[Error:1393] Corrupt File Or Disk");
    EXPECT_EQ(LastErrorText(1358), "[Error:1358] Corrupt Registry");
    EXPECT_EQ(LastErrorText(1151), "[Error:1151] Not A Windows Or MSDos Program");
    EXPECT_EQ(LastErrorText(0), "[Error:0] General Failure");
    EXPECT_EQ(LastErrorText(4), "[Error:4] General Failure");
}

TEST(LogFormat, FillsTextsAndNumbersInOrder)
{
    EXPECT_EQ(formatLogText("HHHelpContext(\"%s\", %d, \"%s\", %d)", {"a b.chm", 2, "", 0}),
              "HHHelpContext(\"a b.chm\", 2, \"\", 0)");
    EXPECT_EQ(formatLogText("%d%%", {-7}), "-7%");
    // Placeholders without arguments and stray percent signs stay as they are.
    EXPECT_EQ(formatLogText("%s and %d", {"x"}), "x and %d");
    EXPECT_EQ(formatLogText("50%", {}), "50%");
    // A text argument is not formatted again.
    EXPECT_EQ(formatLogText("%s", {"%d"}), "%d");
}

}  // namespace
}  // namespace tarvik
