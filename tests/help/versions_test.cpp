#include <gtest/gtest.h>

#include "help/versions.h"

namespace tarvik {
namespace {

TEST(Versions, CompareNumberByNumberAsUnsigned)
{
    EXPECT_EQ(CompareVersions(makeFileVersion(5, 2, 3669, 0), makeFileVersion(5, 2, 3669, 0)), 0);
    EXPECT_EQ(CompareVersions(makeFileVersion(5, 2, 3669, 1), makeFileVersion(5, 2, 3669, 0)), 1);
    EXPECT_EQ(CompareVersions(makeFileVersion(4, 74, 9999, 9), makeFileVersion(5, 0, 0, 0)), -1);
    // 65535 must count as the largest number, not as -1.
    EXPECT_EQ(CompareVersions(makeFileVersion(1, 65535, 0, 0), makeFileVersion(1, 2, 0, 0)), 1);
    EXPECT_EQ(makeFileVersion(5, 2, 3790, 0).text, "5.2.3790.0");
}

TEST(Versions, SystemRootPlaceholderIsExpandedInAnyCase)
{
    EXPECT_EQ(ExpandSystemRoot("%SYSTEMROOT%\\System32\\hhctrl.ocx", "C:\\WINNT"),
              "C:\\WINNT\\System32\\hhctrl.ocx");
    EXPECT_EQ(ExpandSystemRoot("%systemroot%\\hhctrl.ocx", "D:\\Win"), "D:\\Win\\hhctrl.ocx");
    EXPECT_EQ(ExpandSystemRoot("%SystemRoot%", "C:\\W"), "C:\\W");
    // Twelfth character not a percent sign, too short, or elsewhere in the path: unchanged.
    EXPECT_EQ(ExpandSystemRoot("%SYSTEMROOTX\\a.ocx", "C:\\W"), "%SYSTEMROOTX\\a.ocx");
    EXPECT_EQ(ExpandSystemRoot("%SYSTEMROOT", "C:\\W"), "%SYSTEMROOT");
    EXPECT_EQ(ExpandSystemRoot("C:\\%SYSTEMROOT%\\a", "C:\\W"), "C:\\%SYSTEMROOT%\\a");
}

TEST(Versions, HelpControlReleaseNames)
{
    EXPECT_EQ(helpControlReleaseName(makeFileVersion(5, 2, 3790, 0)), "> 1.4a");
    EXPECT_EQ(helpControlReleaseName(makeFileVersion(5, 2, 3669, 0)), "1.4a");
    EXPECT_EQ(helpControlReleaseName(makeFileVersion(5, 2, 3668, 9)), "1.4");
    EXPECT_EQ(helpControlReleaseName(makeFileVersion(4, 74, 8857, 0)), "1.32");
    EXPECT_EQ(helpControlReleaseName(makeFileVersion(4, 73, 8474, 5)), "1.21a");
    EXPECT_EQ(helpControlReleaseName(makeFileVersion(4, 72, 7290, 0)), "1.0");
    EXPECT_EQ(helpControlReleaseName(makeFileVersion(4, 72, 7289, 0)), "< 1.0");
    EXPECT_EQ(helpControlReleaseName(FileVersion{}), "");
}

TEST(Versions, OldBrowserBuildsAreShuffledAndNamed)
{
    const FileVersion old = shuffleOldBrowserBuild(makeFileVersion(4, 70, 0, 1155));
    EXPECT_EQ(old.text, "4.70.1155.0");
    EXPECT_EQ(browserReleaseName(old), "Internet Explorer 3.0");
    // Only major 4, minor up to 70 and release 0 are shuffled.
    EXPECT_EQ(shuffleOldBrowserBuild(makeFileVersion(4, 71, 0, 1712)).text, "4.71.0.1712");
    EXPECT_EQ(shuffleOldBrowserBuild(makeFileVersion(4, 70, 1300, 5)).text, "4.70.1300.5");
    EXPECT_EQ(shuffleOldBrowserBuild(FileVersion{}).text, "");
}

TEST(Versions, BrowserReleaseNames)
{
    EXPECT_EQ(browserReleaseName(makeFileVersion(8, 0, 6001, 18702)),
              ">= Internet Explorer 8.0.6001.18702");
    EXPECT_EQ(browserReleaseName(makeFileVersion(6, 0, 2900, 2180)), "Internet Explorer 6 (Windows XP SP2)");
    EXPECT_EQ(browserReleaseName(makeFileVersion(6, 0, 2900, 2179)), "Internet Explorer 6 SP1");
    EXPECT_EQ(browserReleaseName(makeFileVersion(5, 50, 4134, 100)),
              "Internet Explorer 5.5 for Windows Me (4.90.3000)");
    EXPECT_EQ(browserReleaseName(makeFileVersion(4, 40, 308, 0)), "Internet Explorer 1.0 (Plus!)");
    EXPECT_EQ(browserReleaseName(makeFileVersion(4, 40, 307, 9)), "< Internet Explorer 1.0 (Plus!)");
    EXPECT_EQ(browserReleaseName(FileVersion{}), "");
}

}  // namespace
}  // namespace tarvik
