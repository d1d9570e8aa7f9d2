#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/plan_catalogue.h"
#include "text/messages.h"

namespace tarvik {
namespace {

std::vector<std::uint8_t> records(int count, std::size_t extra = 0)
{
    std::vector<std::uint8_t> bytes;
    for (int n = 1; n <= count; ++n) {
        PlanRecord r;
        r.englishName[0].setText("plan " + std::to_string(n));
        const auto b = encodePlanRecord(r);
        bytes.insert(bytes.end(), b.begin(), b.end());
    }
    bytes.resize(bytes.size() + extra, 0xAB);
    return bytes;
}

class CatalogueFile : public ::testing::Test {
protected:
    std::string path = (std::filesystem::temp_directory_path() /
                        ("tarvik_catalogue_" + std::to_string(::getpid()) + ".dat"))
                           .string();
    void write(const std::vector<std::uint8_t>& bytes)
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    void TearDown() override { std::remove(path.c_str()); }
};

TEST_F(CatalogueFile, CountsWholeRecordsUpToFiveHundred)
{
    write(records(3, 100));
    auto three = loadCatalogue(path);
    ASSERT_TRUE(three);
    EXPECT_EQ(three->planCount(), 3);
    EXPECT_EQ(three->plan(3).englishName[0].text(), "plan 3");

    write(records(500));
    EXPECT_EQ(loadCatalogue(path)->planCount(), 500);

    write(records(501, 10));
    auto many = loadCatalogue(path);
    ASSERT_TRUE(many);
    EXPECT_EQ(many->planCount(), 500);
    EXPECT_EQ(many->plan(500).englishName[0].text(), "plan 500");
}

TEST_F(CatalogueFile, NoWholeRecordIsAFileError)
{
    write({});
    EXPECT_FALSE(loadCatalogue(path));
    write(records(0, 772));
    EXPECT_FALSE(loadCatalogue(path));
    std::remove(path.c_str());
    EXPECT_FALSE(loadCatalogue(path));
    EXPECT_FALSE(loadCatalogue(std::filesystem::temp_directory_path().string()));  // a folder
}

TEST(CatalogueBytes, SameRulesAsTheFile)
{
    EXPECT_EQ(loadCatalogueFromBytes(records(2, 772))->planCount(), 2);
    EXPECT_EQ(loadCatalogueFromBytes(records(502))->planCount(), 500);
    EXPECT_FALSE(loadCatalogueFromBytes(records(0, 500)));
}

TEST(CatalogueBytes, BrokenRecordsKeepTheirPlaceButAreMadeSafe)
{
    auto bytes = records(3);
    bytes[773 + 571] = 0;     // plan 2: molWidth 0
    bytes[773 + 470 + 1] = 200;  // slot 1's column far away
    bytes[773 + 573] = 5;     // slot 1 used
    auto catalogue = loadCatalogueFromBytes(bytes);
    ASSERT_TRUE(catalogue);
    EXPECT_EQ(catalogue->planCount(), 3);
    EXPECT_EQ(catalogue->mendedCount(), 1);
    EXPECT_EQ(catalogue->plan(2).molWidth, 1);
    EXPECT_EQ(catalogue->plan(2).atomKind[1], 5) << "the board's atom 1 keeps its kind";
    EXPECT_FALSE(slotInMoleculeBox(catalogue->plan(2), 1));
    EXPECT_EQ(catalogue->plan(3).englishName[0].text(), "plan 3");
}

TEST(FileErrorMessage, NamesThePathInTheTongue)
{
    EXPECT_EQ(fileErrorMessage(1, "/opt/tarvik/vrel.dat"), "Dateifehler bei Datei /opt/tarvik/vrel.dat.");
    EXPECT_EQ(fileErrorMessage(0, "/opt/tarvik/vrel.dat"), "Fileerror with file /opt/tarvik/vrel.dat.");
    EXPECT_EQ(fileErrorMessage(-1, "x"), "Fileerror with file x.");
    EXPECT_EQ(levelDataPath("/opt/tarvik"), "/opt/tarvik/vrel.dat");
    EXPECT_EQ(levelDataPath("/opt/tarvik/"), "/opt/tarvik/vrel.dat");
}

}  // namespace
}  // namespace tarvik
