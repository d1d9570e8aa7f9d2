#include "lifecycle/data_files.h"
#include "lifecycle/level_data_file.h"

#include "core/plan_record.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvik {
namespace {

class DataFiles : public ::testing::Test {
protected:
    // A prefix as an install lays it out: bin/ for the program, share/tarvik-atoms/ for the data.
    DataFiles()
    {
        QDir(dir.path()).mkpath("bin");
        QDir(dir.path()).mkpath("share/tarvik-atoms");
    }

    QString binDir() const { return QDir::toNativeSeparators(dir.filePath("bin") + QLatin1Char('/')); }
    QString beside(const QString& name) const { return QDir::toNativeSeparators(dir.filePath("bin/" + name)); }
    QString shared(const QString& name) const
    {
        return QDir::toNativeSeparators(dir.filePath("share/tarvik-atoms/" + name));
    }

    static void plant(const QString& path, int records = 1)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (int i = 0; i < records; ++i) {
            PlanRecord plan;
            plan.setCell(i % 15, 0, 1);
            const auto bytes = encodePlanRecord(plan);
            file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        }
    }

    QTemporaryDir dir;
};

TEST_F(DataFiles, BesideTheProgramComesFirstThenTheSharedFolderThenTheExpectedPlace)
{
    for (const QString& name : {QStringLiteral("vrel.dat"), QStringLiteral("vrel.chm")}) {
        EXPECT_EQ(dataFilePath(binDir(), name), beside(name)) << "neither: the message names the place beside";
        plant(shared(name));
        EXPECT_EQ(dataFilePath(binDir(), name), shared(name)) << "an installed prefix";
        plant(beside(name));
        EXPECT_EQ(dataFilePath(binDir(), name), beside(name)) << "a build folder or an unpacked game";
    }
}

TEST_F(DataFiles, AFolderNamedLikeTheFileDoesNotCount)
{
    QDir(dir.path()).mkpath("bin/vrel.dat");
    plant(shared("vrel.dat"));
    EXPECT_EQ(dataFilePath(binDir(), "vrel.dat"), shared("vrel.dat"));
}

TEST_F(DataFiles, LevelDataLoadsFromAFolderWithLettersOutsideAscii)
{
    const QString folder = dir.filePath(QStringLiteral("Spielstände – Ölfeld 原子"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = QDir::toNativeSeparators(folder + "/vrel.dat");
    plant(path, 3);
    const auto catalogue = loadLevelDataFile(path);
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->planCount(), 3);
    EXPECT_EQ(catalogue->plan(3).cell(2, 0), 1);
}

TEST_F(DataFiles, LevelDataTakesWholeRecordsUpToFiveHundred)
{
    const QString path = beside("vrel.dat");
    EXPECT_FALSE(loadLevelDataFile(path)) << "missing";
    QFile(path).open(QIODevice::WriteOnly);
    EXPECT_FALSE(loadLevelDataFile(path)) << "empty";
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(int(kPlanRecordSize) - 1, '\0'));
    }
    EXPECT_FALSE(loadLevelDataFile(path)) << "shorter than one record";
    plant(path, 502);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(QByteArray(100, '\0'));
    }
    const auto catalogue = loadLevelDataFile(path);
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->planCount(), kMaxPlans);
}

}  // namespace
}  // namespace tarvik
