#include "fakes.h"
#include "lifecycle/dialog_folder.h"
#include "lifecycle/progress_file.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <deque>
#include <optional>

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
    QString programDir = dir.path() + QLatin1Char('/');
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
    ASSERT_EQ(dialogs.saveCalls.size(), 2u);
    EXPECT_EQ(dialogs.saveCalls[1].folder, dir.path()) << "the dialog shows again where the player was";
    EXPECT_EQ(dialogs.saveCalls[1].preset, "old.tkx");
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

// Root may create files anywhere, so the write is made by a child process
// that has become the unprivileged user "nobody". Returns the child's verdict,
// or nullopt when this process can neither drop nor lacks the privilege.
std::optional<bool> writeWithoutPrivilege(const QString& path, ProgressFlags flags)
{
    if (geteuid() != 0)
        return writeProgressFile(path, flags);
    const pid_t child = fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        constexpr uid_t nobody = 65534;
        if (setgroups(0, nullptr) != 0 || setresgid(nobody, nobody, nobody) != 0 ||
            setresuid(nobody, nobody, nobody) != 0)
            _exit(3);
        _exit(writeProgressFile(path, flags) ? 0 : 1);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) > 1)
        return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

TEST_F(ProgressFilesTest, FolderThatForbidsNewFilesStillLetsAWritableFileBeSaved)
{
    const bool root = geteuid() == 0;
    writeBytes(at("mine.tkx"), QByteArray(600, '\x09'));
    // The folder: nobody else may add files (root's own, or read-only for us);
    // the progress file itself: writable by whoever writes it.
    ASSERT_TRUE(QFile::setPermissions(at("mine.tkx"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                          QFileDevice::ReadOther | QFileDevice::WriteOther));
    if (root) {
        ASSERT_EQ(chown(at("mine.tkx").toLocal8Bit().constData(), 65534, 65534), 0);
    }
    const QFileDevice::Permissions closed = QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                            QFileDevice::ReadOther | QFileDevice::ExeOther |
                                            (root ? QFileDevice::WriteOwner : QFileDevice::Permissions{});
    ASSERT_TRUE(QFile::setPermissions(dir.path(), closed));

    flags.fill(0);
    flags[2] = 1;
    const auto saved = writeWithoutPrivilege(at("mine.tkx"), flags);
    const auto created = writeWithoutPrivilege(at("new.tkx"), flags);
    QFile::setPermissions(dir.path(), closed | QFileDevice::WriteOwner);
    if (!saved || !created)
        GTEST_SKIP() << "running as root and cannot become the user nobody to meet the folder's permissions";

    EXPECT_TRUE(*saved) << "the file is writable, so it is written in place";
    QByteArray expected(500, '\0');
    expected[2] = 1;
    EXPECT_EQ(bytesOf(at("mine.tkx")), expected) << "exactly the 500 flags, the old tail cut off";
    EXPECT_FALSE(*created) << "a new file cannot be made in such a folder";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"mine.tkx"});
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

TEST_F(ProgressFilesTest, OpenStartsInTheDocumentsFolderWhenTheProgramFolderIsNotThePlayers)
{
    programDir = QStringLiteral("/no/such/program/folder/");
    files().loadProgress();
    ASSERT_EQ(dialogs.openCalls.size(), 1u);
    EXPECT_EQ(dialogs.openCalls[0], QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

TEST(DialogFolder, TheProgramFolderOnlyWhenThePlayerMayWriteThere)
{
    QTemporaryDir program;
    const QString documents = QStringLiteral("/home/player/Documents");
    const QString programDir = program.path() + QLatin1Char('/');
    EXPECT_EQ(fallbackDialogFolder(programDir, documents), programDir);
    EXPECT_EQ(fallbackDialogFolder(QStringLiteral("/no/such/folder/"), documents), documents);
    const QString file = program.filePath("a-file");
    QFile(file).open(QIODevice::WriteOnly);
    EXPECT_EQ(fallbackDialogFolder(file, documents), documents) << "a file is no folder";

}

TEST(DialogFolder, AReadOnlyProgramFolderIsNotThePlayers)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write into a read-only folder, so for root it is the player's";
    QTemporaryDir program;
    const QString documents = QStringLiteral("/home/player/Documents");
    ASSERT_TRUE(QFile::setPermissions(program.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const QString chosen = fallbackDialogFolder(program.path() + QLatin1Char('/'), documents);
    QFile::setPermissions(program.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(chosen, documents);
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
