#include "session_fixture.h"

#include "lifecycle/window_placement.h"
#include "ui/name_labels.h"
#include "ui/toolbar.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace tarvik::testing {
namespace {

QPoint centred(const TMainForm& form)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return placedPosition(std::nullopt, form.frameGeometry().size(), screen, screen);
}

TEST_F(SessionTest, FirstStartWithAnEmptyStore)
{
    auto session = start();
    ASSERT_TRUE(session);
    TMainForm& form = session->mainForm();
    EXPECT_EQ(log, (EventLog{"help hook " + QDir::toNativeSeparators(programDir() + "vrel.chm").toStdString(),
                             "TSplash", "TTongueDlg"}));
    EXPECT_EQ(form.tongue(), 0);
    EXPECT_EQ(form.game().currentPlan(), 1);
    EXPECT_EQ(form.game().speed(), 3);
    EXPECT_TRUE(form.soundOn());
    EXPECT_EQ(session->progressPath(), "");
    EXPECT_EQ(form.windowTitle(), "Tarvik Atoms V3.5");
    EXPECT_EQ(form.frameGeometry().topLeft(), centred(form));
    EXPECT_EQ(settingsBytes(), "<none>") << "nothing is written before an orderly close";
    EXPECT_TRUE(messages.errors.empty());
}

TEST_F(SessionTest, LaterStartTakesEverySettingAndShowsTheSplashAlone)
{
    const QString progress = dir.filePath("mine.tkx");
    QFile file(progress);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1, '\x01'));
    file.close();
    writeSettings("tongue=1\nspeed=10\nlevel=2\nsound=0\nsave=" + progress.toUtf8() +
                  "\nMainForm=\"200,0,1,30,40,686,574\"\n");

    auto session = start();
    ASSERT_TRUE(session);
    TMainForm& form = session->mainForm();
    EXPECT_EQ(count("TSplash"), 1);
    EXPECT_EQ(count("TTongueDlg"), 0);
    EXPECT_EQ(form.tongue(), 1);
    EXPECT_EQ(form.game().speed(), 10);
    EXPECT_EQ(form.game().currentPlan(), 2);
    EXPECT_FALSE(form.soundOn());
    EXPECT_EQ(form.windowTitle(), "Tarvik Atoms V3.5 - Spiel mine.tkx");
    EXPECT_EQ(form.nsol().text(), "1/3");
    EXPECT_TRUE(form.game().solvedFlags().isSolved(1));
    EXPECT_EQ(form.frameGeometry().topLeft(), QPoint(30, 40));
}

TEST_F(SessionTest, ReactivationShowsNoSplashAgain)
{
    auto session = start();
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::processEvents();
    QApplication::setActiveWindow(&session->mainForm());
    QTest::qWait(100);
    EXPECT_EQ(count("TSplash"), 1);
    EXPECT_EQ(count("TTongueDlg"), 1);
}

struct SettingCase {
    QByteArray ini;
    int tongue;
    int speed;
    int plan;
    bool sound;
    bool languageDialog;
};

TEST_F(SessionTest, StoredValuesAreCheckedAsTheyAreRead)
{
    const SettingCase cases[] = {
        {"speed=4", -1, 3, 1, true, true},      {"speed=0", -1, 3, 1, true, true},
        {"speed=fast", -1, 3, 1, true, true},   {"speed=2", -1, 2, 1, true, true},
        {"level=0", -1, 3, 1, true, true},      {"level=-5", -1, 3, 1, true, true},
        {"level=999", -1, 3, 3, true, true},    {"level=abc", -1, 3, 1, true, true},
        {"tongue=0", 0, 3, 1, true, false},     {"tongue=7", 7, 3, 1, true, false},
        {"tongue=-1", -1, 3, 1, true, true},    {"sound=0", -1, 3, 1, false, true},
        {"sound=2", -1, 3, 1, true, true},      {"sound=x", -1, 3, 1, true, true},
    };
    // The language dialog is closed without a choice, so a stored -1 stays.
    script.answers["TTongueDlg"] = [](QDialog* d) { d->close(); };
    for (const auto& c : cases) {
        writeSettings(c.ini + "\n");
        log.clear();
        auto session = start();
        ASSERT_TRUE(session) << c.ini.constData();
        const TMainForm& form = session->mainForm();
        EXPECT_EQ(form.tongue(), c.tongue) << c.ini.constData();
        EXPECT_EQ(form.game().speed(), c.speed) << c.ini.constData();
        EXPECT_EQ(form.game().currentPlan(), c.plan) << c.ini.constData();
        EXPECT_EQ(form.soundOn(), c.sound) << c.ini.constData();
        EXPECT_EQ(count("TTongueDlg"), c.languageDialog ? 1 : 0) << c.ini.constData();
    }
}

TEST_F(SessionTest, InvalidOrOffDesktopPlacesAreMended)
{
    const QRect desktop = QGuiApplication::primaryScreen()->availableVirtualGeometry();
    for (const QByteArray& stored : {QByteArray("\"200,0,1,30,40,686\""), QByteArray("\"100,0,1,30,40,686,574,\""),
                                     QByteArray("\"100,0,1,30,40,686,574\"")}) {
        writeSettings("tongue=0\nMainForm=" + stored + "\n");
        auto session = start();
        EXPECT_EQ(session->mainForm().frameGeometry().topLeft(), centred(session->mainForm())) << stored.constData();
    }
    writeSettings("tongue=0\nMainForm=\"200,0,1,-500,99999,0,0\"\n");
    auto session = start();
    const QRect frame = session->mainForm().frameGeometry();
    EXPECT_EQ(frame.left(), desktop.left());
    EXPECT_EQ(frame.top() + frame.height(), desktop.top() + desktop.height());
}

TEST_F(SessionTest, MissingOrEmptyLevelDataEndsWithTheMessageAndWritesNothing)
{
    writeSettings("tongue=1\nlevel=2\nspeed=5\n");
    const QByteArray before = settingsBytes();
    QFile::remove(dir.filePath("vrel.dat"));
    EXPECT_FALSE(create());
    const std::string path = QDir::toNativeSeparators(programDir() + "vrel.dat").toStdString();
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0].toStdString(), "Dateifehler bei Datei " + path + ".");
    EXPECT_EQ(settingsBytes(), before);

    writeSettings("tongue=0\n");
    writePlans(0);
    EXPECT_FALSE(create());
    ASSERT_EQ(messages.errors.size(), 2u);
    EXPECT_EQ(messages.errors[1].toStdString(), "Fileerror with file " + path + ".");
    EXPECT_EQ(settingsBytes(), "[common]\ntongue=0\n");
    EXPECT_EQ(count("TSplash"), 0);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty() ||
                std::none_of(QApplication::topLevelWidgets().begin(), QApplication::topLevelWidgets().end(),
                             [](QWidget* w) { return w->isVisible(); }));
}

TEST_F(SessionTest, InstalledGameFindsItsLevelDataAndHelpInTheSharedFolder)
{
    // bin/ holds the program, share/tarvik-atoms/ the data, as an install lays them out.
    const QDir root(dir.path());
    ASSERT_TRUE(root.mkpath("bin") && root.mkpath("share/tarvik-atoms"));
    ASSERT_TRUE(QFile::rename(dir.filePath("vrel.dat"), dir.filePath("share/tarvik-atoms/vrel.dat")));
    QFile(dir.filePath("share/tarvik-atoms/vrel.chm")).open(QIODevice::WriteOnly);
    programFolder = QDir::toNativeSeparators(dir.filePath("bin") + QLatin1Char('/'));
    writeSettings("tongue=0\n");

    auto session = create();
    ASSERT_TRUE(session);
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_EQ(session->mainForm().game().planCount(), 3);
    const std::string help = QDir::toNativeSeparators(dir.filePath("share/tarvik-atoms/vrel.chm")).toStdString();
    EXPECT_EQ(log.at(0), "help hook " + help);

    // Gone from both places: the message names the place beside the program.
    QFile::remove(dir.filePath("share/tarvik-atoms/vrel.dat"));
    EXPECT_FALSE(create());
    ASSERT_EQ(messages.errors.size(), 1u);
    EXPECT_EQ(messages.errors[0].toStdString(), "Fileerror with file " + programFolder.toStdString() + "vrel.dat.");
}

TEST_F(SessionTest, StoredProgressFileThatIsMissingGivesNoMessageAndIsProposedAtTheNextSave)
{
    writeSettings("tongue=0\nsave=" + dir.filePath("gone.tkx").toUtf8() + "\n");
    auto session = start();
    EXPECT_TRUE(messages.errors.empty());
    EXPECT_EQ(session->mainForm().nsol().text(), "0/3");
    EXPECT_EQ(session->mainForm().windowTitle(), "Tarvik Atoms V3.5 - game gone.tkx");
    fileDialogs.saveAnswers = {std::nullopt};
    session->mainForm().SaveBtnClick();
    ASSERT_EQ(fileDialogs.saveCalls.size(), 1u);
    EXPECT_EQ(fileDialogs.saveCalls[0].preset, "gone.tkx");
}

}  // namespace
}  // namespace tarvik::testing
