#include "session_fixture.h"

#include "lifecycle/window_placement.h"

namespace tarvik::testing {
namespace {

EventLog closingSteps(const EventLog& log)
{
    EventLog steps;
    bool started = false;
    for (const auto& entry : log) {
        started = started || entry == "TEndGameDlg";
        if (started && entry.rfind("write MainForm", 0) != 0)
            steps.push_back(entry);
    }
    return steps;
}

TEST_F(SessionTest, QuitAnsweredNoWritesNothingAndCarriesOn)
{
    writeSettings("tongue=0\nlevel=2\n");
    const QByteArray before = settingsBytes();
    auto session = start();
    closeWith(*session, false);
    EXPECT_EQ(count("TEndGameDlg"), 1);
    EXPECT_TRUE(session->mainForm().isVisible());
    EXPECT_FALSE(session->closed());
    EXPECT_TRUE(fileDialogs.saveCalls.empty());
    session.reset();
    EXPECT_EQ(settingsBytes(), before);
}

TEST_F(SessionTest, QuitAnsweredYesClosesHelpOffersTheSaveAndWritesFiveSettingsInOrder)
{
    auto session = start();
    fileDialogs.saveAnswers = {dir.filePath("mine")};
    closeWith(*session, true);
    EXPECT_FALSE(session->mainForm().isVisible());
    const std::string saved = dir.filePath("mine.tkx").toStdString();
    EXPECT_EQ(closingSteps(log), (EventLog{"TEndGameDlg", "help closed", "save dialog", "write sound=1",
                                           "write tongue=0", "write level=1", "write speed=3",
                                           "write save=" + saved}));
    EXPECT_EQ(QFileInfo(dir.filePath("mine.tkx")).size(), 500);
}

TEST_F(SessionTest, CancelledSaveAtCloseStillWritesTheSettingsAndEnds)
{
    writeSettings("speed=4\ntongue=7\nlevel=999\nsound=2\nsave=" + dir.filePath("old.tkx").toUtf8() + "\n");
    auto session = start();
    fileDialogs.saveAnswers = {std::nullopt};
    closeWith(*session, true);
    EXPECT_TRUE(session->closed());
    EXPECT_FALSE(session->mainForm().isVisible());
    EXPECT_FALSE(QFile::exists(dir.filePath("old.tkx")));
    session.reset();
    // The values in use go back: the mended speed, the odd tongue as it was.
    const SettingsStore reread(settingsPath());
    EXPECT_EQ(reread.readString(kCommonSection, "speed", ""), "3");
    EXPECT_EQ(reread.readString(kCommonSection, "tongue", ""), "7");
    EXPECT_EQ(reread.readString(kCommonSection, "level", ""), "3");
    EXPECT_EQ(reread.readString(kCommonSection, "sound", ""), "1");
    EXPECT_EQ(reread.readString(kCommonSection, "save", ""), dir.filePath("old.tkx"));
}

TEST_F(SessionTest, WindowPlaceIsWrittenAsTheWindowGoesAndTakenAtTheNextStart)
{
    writeSettings("tongue=0\n");
    auto session = start();
    session->mainForm().move(37, 21);
    QApplication::processEvents();
    const QRect frame = session->mainForm().frameGeometry();
    fileDialogs.saveAnswers = {std::nullopt};
    closeWith(*session, true);
    EXPECT_EQ(count("write MainForm=" + formatPlacement(placementOf(frame, false)).toStdString()), 0)
        << "the place is written when the window is destroyed, not at the close";
    session.reset();
    EXPECT_EQ(count("write MainForm=" + formatPlacement(placementOf(frame, false)).toStdString()), 1);

    auto next = start();
    EXPECT_EQ(next->mainForm().frameGeometry().topLeft(), QPoint(37, 21));
}

TEST_F(SessionTest, EveryRequestToCloseAsksTheQuestion)
{
    auto session = start();
    closeWith(*session, false);
    session->mainForm().close();  // the close box or the system menu
    EXPECT_EQ(count("TEndGameDlg"), 2);
    EXPECT_TRUE(session->mainForm().isVisible());
    fileDialogs.saveAnswers = {std::nullopt};
    closeWith(*session, true);
    EXPECT_EQ(count("TEndGameDlg"), 3);
    EXPECT_TRUE(session->closed());
}

}  // namespace
}  // namespace tarvik::testing
