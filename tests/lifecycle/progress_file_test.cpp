#include "fakes.h"
#include "lifecycle/progress_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <array>
#include <csignal>
#include <deque>

namespace tarvik {
namespace {

using testing::FakeDialogs;
using testing::FakeMessages;

class ProgressFilesTest : public ::testing::Test {
protected:
    ProgressFilesTest() { flags.fill(0); }

    QString at(const QString& name) const { return dir.filePath(name); }

    static void writeBytes(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    static QByteArray bytesOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    ProgressFiles files(ProgressFiles::Writer writer = writeProgressFile)
    {
        return ProgressFiles(flags, progressPath, [this] { return tongue; }, programDir, dialogs, messages, std::move(writer));
    }

    QTemporaryDir dir;
    std::array<std::uint8_t, kProgressBytes> flags{};
    QString progressPath;
    int tongue = 0;
    QString programDir = QStringLiteral("/program/dir");
    FakeDialogs dialogs;
    FakeMessages messages;
};

TEST(ProgressExtension, ReplacesOrAppendsTheLastExtensionOfTheFileName)
{
    EXPECT_EQ(withProgressExtension("/a/mine"), "/a/mine.tkx");
    EXPECT_EQ(withProgressExtension("/a/mine.txt"), "/a/mine.tkx");
    EXPECT_EQ(withProgressExtension("/a/mine.tkx"), "/a/mine.tkx");
    EXPECT_EQ(withProgressExtension("/a/old.game.sav"), "/a/old.game.tkx");
    EXPECT_EQ(withProgressExtension("/a.b/mine"), "/a.b/mine.tkx");
    EXPECT_EQ(withProgressExtension("mine."), "mine.tkx");
}

TEST_F(ProgressFilesTest, FirstSaveStartsEmptyAndWritesFiveHundredBytesUnderTkx)
{
    flags[0] = 1;
    flags[499] = 1;
    dialogs.saveAnswers = {at("mine")};
    EXPECT_TRUE(files().saveProgress());
    ASSERT_EQ(dialogs.saveCalls.size(), 1u);
    EXPECT_EQ(dialogs.saveCalls[0].preset, "");
    const QByteArray written = bytesOf(at("mine.tkx"));
    ASSERT_EQ(written.size(), 500);
    EXPECT_EQ(written[0], 1);
    EXPECT_EQ(written[1], 0);
    EXPECT_EQ(written[499], 1);
    EXPECT_EQ(progressPath, at("mine.tkx"));
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_TRUE(messages.questions.empty());
}

TEST_F(ProgressFilesTest, SavingAsTxtWritesTkxOnly)
{
    dialogs.saveAnswers = {at("mine.txt")};
    EXPECT_TRUE(files().saveProgress());
    EXPECT_TRUE(QFile::exists(at("mine.tkx")));
    EXPECT_FALSE(QFile::exists(at("mine.txt")));
    EXPECT_EQ(progressPath, at("mine.tkx"));
}

TEST_F(ProgressFilesTest, OverwriteNoShowsTheDialogAgainAndANewNameNeedsNoQuestion)
{
    const QByteArray old(500, '\x07');
    writeBytes(at("old.tkx"), old);
    flags[3] = 1;
    dialogs.saveAnswers = {at("old.txt"), at("new")};
    messages.answers = {false};
    EXPECT_TRUE(files().saveProgress());
    ASSERT_EQ(messages.questions.size(), 1u);
    EXPECT_EQ(messages.questions[0], "Game old.tkx already existing. Overwrite?");
    EXPECT_EQ(dialogs.saveCalls.size(), 2u);
    EXPECT_EQ(bytesOf(at("old.tkx")), old);
    EXPECT_EQ(bytesOf(at("new.tkx")).at(3), 1);
    EXPECT_EQ(progressPath, at("new.tkx"));
}

TEST_F(ProgressFilesTest, SavingAgainProposesTheCurrentFileAndAsksInGerman)
{
    tongue = 1;
    writeBytes(at("mine.tkx"), QByteArray(500, '\0'));
    progressPath = at("mine.tkx");
    flags[9] = 1;
    dialogs.saveAnswers = {at("mine.tkx")};
    messages.answers = {true};
    EXPECT_TRUE(files().saveProgress());
    ASSERT_EQ(dialogs.saveCalls.size(), 1u);
    EXPECT_EQ(dialogs.saveCalls[0].folder, dir.path());
    EXPECT_EQ(dialogs.saveCalls[0].preset, "mine.tkx");
    ASSERT_EQ(messages.questions.size(), 1u);
    EXPECT_EQ(messages.questions[0], "Spiel mine.tkx existiert bereits. Überschreiben?");
    EXPECT_EQ(bytesOf(at("mine.tkx")).at(9), 1);
}

TEST_F(ProgressFilesTest, SaveProposesAMissingStoredNameWithoutAFolder)
{
    progressPath = at("gone/away.tkx");
    dialogs.saveAnswers = {std::nullopt};
    EXPECT_FALSE(files().saveProgress());
    ASSERT_EQ(dialogs.saveCalls.size(), 1u);
    EXPECT_EQ(dialogs.saveCalls[0].folder, "");
    EXPECT_EQ(dialogs.saveCalls[0].preset, "away.tkx");
}

TEST_F(ProgressFilesTest, CancelledSaveChangesNothing)
{
    progressPath = at("keep.tkx");
    dialogs.saveAnswers = {std::nullopt};
    EXPECT_FALSE(files().saveProgress());
    EXPECT_EQ(progressPath, at("keep.tkx"));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(ProgressFilesTest, CancelAfterOverwriteNoKeepsThePathAndTheFile)
{
    writeBytes(at("old.tkx"), QByteArray(500, '\x02'));
    progressPath = at("old.tkx");
    dialogs.saveAnswers = {at("old.tkx"), std::nullopt};
    messages.answers = {false};
    EXPECT_FALSE(files().saveProgress());
    EXPECT_EQ(progressPath, at("old.tkx"));
    EXPECT_EQ(bytesOf(at("old.tkx")), QByteArray(500, '\x02'));
}

TEST_F(ProgressFilesTest, FailedWriteIsReportedAndTheChosenNameIsKept)
{
    dialogs.saveAnswers = {at("full")};
    tongue = 0;
    EXPECT_TRUE(files([](const QString&, auto) { return false; }).saveProgress());
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0], "Cannot save game full.tkx. Drive full or not writable.");
    EXPECT_EQ(progressPath, at("full.tkx"));

    tongue = 1;
    dialogs.saveAnswers = {at("voll")};
    EXPECT_TRUE(files([](const QString&, auto) { return false; }).saveProgress());
    ASSERT_EQ(messages.errors.size(), 2u);
    EXPECT_EQ(messages.errors[1], "Kann Spiel voll.tkx nicht speichern. Datenträger voll oder nicht beschreibbar.");
}

TEST_F(ProgressFilesTest, WriteIntoAMissingFolderFailsWithTheMessage)
{
    dialogs.saveAnswers = {at("no/such/folder/mine")};
    EXPECT_TRUE(files().saveProgress());
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0], "Cannot save game mine.tkx. Drive full or not writable.");
    EXPECT_EQ(progressPath, at("no/such/folder/mine.tkx"));
}

// The system refuses to let the file grow past 100 bytes, so the write fails
// half-way; the old file must come through untouched.
TEST_F(ProgressFilesTest, WriteThatFailsHalfWayLeavesTheOldFileIntact)
{
    const QByteArray old(500, '\x05');
    writeBytes(at("keep.tkx"), old);
    flags.fill(1);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool written = writeProgressFile(at("keep.tkx"), flags);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(bytesOf(at("keep.tkx")), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"keep.tkx"});
}

TEST_F(ProgressFilesTest, StartupReadOfAMissingFileKeepsItsNameSilently)
{
    flags.fill(1);
    progressPath = at("missing.tkx");
    files().readAtStartup();
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_EQ(progressPath, at("missing.tkx"));
    for (auto f : flags)
        ASSERT_EQ(f, 0);
    dialogs.saveAnswers = {std::nullopt};
    files().saveProgress();
    EXPECT_EQ(dialogs.saveCalls.at(0).preset, "missing.tkx");
}

TEST_F(ProgressFilesTest, StartupReadTakesAtMostFiveHundredBytes)
{
    QByteArray bytes(600, '\x01');
    bytes[0] = 0;
    writeBytes(at("long.tkx"), bytes);
    progressPath = at("long.tkx");
    files().readAtStartup();
    EXPECT_EQ(flags[0], 0);
    EXPECT_EQ(flags[1], 1);
    EXPECT_EQ(flags[499], 1);
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(ProgressFilesTest, LoadingATenByteFileClearsEveryOtherFlag)
{
    flags.fill(1);
    writeBytes(at("short.tkx"), QByteArray(10, '\x01'));
    dialogs.openAnswers = {at("short.tkx")};
    EXPECT_TRUE(files().loadProgress());
    for (int i = 0; i < kProgressBytes; ++i)
        ASSERT_EQ(flags[i], i < 10 ? 1 : 0) << i;
    EXPECT_EQ(progressPath, at("short.tkx"));
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(ProgressFilesTest, LoadingAMissingNameKeepsTheFlagsAndTakesTheName)
{
    flags.fill(1);
    dialogs.openAnswers = {at("future.tkx")};
    EXPECT_TRUE(files().loadProgress());
    for (auto f : flags)
        ASSERT_EQ(f, 1);
    EXPECT_EQ(progressPath, at("future.tkx"));
    dialogs.saveAnswers = {std::nullopt};
    files().saveProgress();
    EXPECT_EQ(dialogs.saveCalls.at(0).preset, "future.tkx");
}

TEST_F(ProgressFilesTest, CancelledOrEmptyOpenChangesNothing)
{
    flags[5] = 1;
    progressPath = at("keep.tkx");
    dialogs.openAnswers = {std::nullopt, QString()};
    EXPECT_FALSE(files().loadProgress());
    EXPECT_FALSE(files().loadProgress());
    EXPECT_EQ(flags[5], 1);
    EXPECT_EQ(progressPath, at("keep.tkx"));
}

TEST_F(ProgressFilesTest, OpenStartsInTheProgressFolderOrTheProgramFolder)
{
    progressPath = at("x.tkx");
    files().loadProgress();
    progressPath = at("gone/x.tkx");
    files().loadProgress();
    progressPath.clear();
    files().loadProgress();
    EXPECT_EQ(dialogs.openCalls, (std::vector<QString>{dir.path(), programDir, programDir}));
}

// A file that opens but cannot be read (the process's own memory file fails
// reading at offset 0) gives the load message with its full path.
TEST_F(ProgressFilesTest, UnreadableFileGivesTheLoadMessageInBothTongues)
{
    const QString unreadable = QStringLiteral("/proc/self/mem");
    if (!QFileInfo(unreadable).isFile())
        GTEST_SKIP() << "no /proc here";
    flags.fill(1);
    dialogs.openAnswers = {unreadable};
    EXPECT_TRUE(files().loadProgress());
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0], "Error occured while loading file /proc/self/mem!");
    EXPECT_EQ(flags[0], 0);
    EXPECT_EQ(progressPath, unreadable);

    tongue = 1;
    files().readAtStartup();
    ASSERT_EQ(messages.errors.size(), 2u);
    EXPECT_EQ(messages.errors[1], "Fehler beim Laden des Spiels /proc/self/mem!");
}

}  // namespace
}  // namespace tarvik

#include "text/messages.h"

namespace tarvik {
namespace {

TEST(WindowCaption, NamesTheProgressFileInTheTongue)
{
    EXPECT_EQ(windowCaption(0, false, ""), "Tarvik Atoms V3.5");
    EXPECT_EQ(windowCaption(1, false, ""), "Tarvik Atoms V3.5");
    EXPECT_EQ(windowCaption(-1, true, "mine.tkx"), "Tarvik Atoms V3.5 - game mine.tkx");
    EXPECT_EQ(windowCaption(1, true, "mine.tkx"), "Tarvik Atoms V3.5 - Spiel mine.tkx");
    EXPECT_EQ(windowCaption(5, true, "Spielstände.tkx"), "Tarvik Atoms V3.5 - game Spielstände.tkx");
}

}  // namespace
}  // namespace tarvik
