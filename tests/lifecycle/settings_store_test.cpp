#include "lifecycle/settings_rules.h"
#include "lifecycle/settings_store.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvik {
namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    QString path() const { return dir.filePath("settings.ini"); }

    void writeFile(const QByteArray& content)
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QByteArray fileContent() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

TEST_F(SettingsStoreTest, EmptyStoreGivesEveryDefault)
{
    const SettingsStore store(path());
    EXPECT_EQ(store.readInt(kCommonSection, "tongue", -1), -1);
    EXPECT_EQ(store.readInt(kCommonSection, "speed", 3), 3);
    EXPECT_EQ(store.readString(kCommonSection, "save", ""), "");
    EXPECT_TRUE(store.readBool(kCommonSection, "sound", true));
    EXPECT_FALSE(store.readBool(kCommonSection, "sound", false));
    EXPECT_FALSE(QFile::exists(path())) << "reading must not create the store";
}

TEST_F(SettingsStoreTest, ValuesAreStoredAsTextInTheCommonSection)
{
    SettingsStore store(path());
    store.writeBool(kCommonSection, "sound", false);
    store.writeInt(kCommonSection, "level", -5);
    store.writeString(kCommonSection, "save", "/tmp/Spielstände/mine.tkx");
    const QString content = QString::fromUtf8(fileContent());
    EXPECT_TRUE(content.contains("[common]"));
    EXPECT_TRUE(content.contains("sound=0"));
    EXPECT_TRUE(content.contains("level=-5"));
    EXPECT_EQ(store.readString(kCommonSection, "save", ""), "/tmp/Spielstände/mine.tkx");
}

TEST_F(SettingsStoreTest, NothingIsCachedBetweenStoresOnOneFile)
{
    SettingsStore writer(path());
    const SettingsStore reader(path());
    writer.writeInt(kCommonSection, "speed", 10);
    EXPECT_EQ(reader.readInt(kCommonSection, "speed", 3), 10);
    writer.writeInt(kCommonSection, "speed", 5);
    EXPECT_EQ(reader.readInt(kCommonSection, "speed", 3), 5);
}

TEST_F(SettingsStoreTest, IntegerTextsThatAreNotDecimalGiveTheDefault)
{
    writeFile("[common]\na=fast\nb=4x\nc=\nd=+3\nf=0x10\ng=99999999999\nh=-0\ni=-12\n");
    const SettingsStore store(path());
    for (const char* name : {"a", "b", "c", "d", "f", "g"})
        EXPECT_EQ(store.readInt(kCommonSection, name, 77), 77) << name;
    EXPECT_EQ(store.readInt(kCommonSection, "h", 77), 0);
    EXPECT_EQ(store.readInt(kCommonSection, "i", 77), -12);
}

TEST_F(SettingsStoreTest, BooleansAreReadAsIntegers)
{
    writeFile("[common]\noff=0\ntwo=2\nx=x\nneg=-1\n");
    const SettingsStore store(path());
    EXPECT_FALSE(store.readBool(kCommonSection, "off", true));
    EXPECT_TRUE(store.readBool(kCommonSection, "two", false));
    EXPECT_TRUE(store.readBool(kCommonSection, "x", true));
    EXPECT_FALSE(store.readBool(kCommonSection, "x", false));
    EXPECT_TRUE(store.readBool(kCommonSection, "neg", false));
}

TEST_F(SettingsStoreTest, TextWithCommasWrittenByHandReadsAsOneText)
{
    writeFile("[common]\nMainForm=200,0,1,10,20,670,562\n");
    const SettingsStore store(path());
    EXPECT_EQ(store.readString(kCommonSection, "MainForm", ""), "200,0,1,10,20,670,562");
}

TEST_F(SettingsStoreTest, TextWithCommasSurvivesItsOwnRoundTrip)
{
    SettingsStore store(path());
    store.writeString(kCommonSection, "MainForm", "200,0,1,10,20,670,562");
    EXPECT_EQ(store.readString(kCommonSection, "MainForm", ""), "200,0,1,10,20,670,562");
}

TEST_F(SettingsStoreTest, ValuesOutsideTheSectionAreNotSeen)
{
    writeFile("[other]\nspeed=10\n");
    const SettingsStore store(path());
    EXPECT_EQ(store.readInt(kCommonSection, "speed", 3), 3);
}

TEST(SettingsRules, DecimalTextIsASignAndDigitsOnly)
{
    EXPECT_EQ(parseDecimal("2147483647"), 2147483647);
    EXPECT_EQ(parseDecimal("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", "-", " 3", "3 ", "+3", "2147483648", "1e3", "--1", "3-"})
        EXPECT_FALSE(parseDecimal(bad)) << bad;
}

TEST(SettingsRules, SpeedKeepsOnlyTheOfferedValues)
{
    for (int kept : {2, 3, 5, 10})
        EXPECT_EQ(correctedSpeed(kept), kept);
    for (int replaced : {0, 1, 4, 6, 15, 30, -3})
        EXPECT_EQ(correctedSpeed(replaced), 3) << replaced;
}

TEST(SettingsRules, LevelIsClampedToThePlansLoaded)
{
    EXPECT_EQ(clampedLevel(0, 500), 1);
    EXPECT_EQ(clampedLevel(-5, 500), 1);
    EXPECT_EQ(clampedLevel(999, 500), 500);
    EXPECT_EQ(clampedLevel(17, 500), 17);
    EXPECT_EQ(clampedLevel(3, 2), 2);
    EXPECT_EQ(clampedLevel(1, 1), 1);
}

}  // namespace
}  // namespace tarvik
