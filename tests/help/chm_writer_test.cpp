#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <map>
#include <random>
#include <stdexcept>

#include "help/chm_check.h"
#include "help/chm_reader.h"
#include "help/chmpack/chm_writer.h"
#include "temp_folder.h"

namespace tarvik {
namespace {

std::string noise(std::size_t length, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(length, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

std::vector<ChmSourceObject> sample()
{
    return {
        {"/", 0, ""},
        {"/#SYSTEM", 0, std::string("\x03\0\0\0", 4) + "stored"},
        {"/big.bin", 1, noise(100001, 1)},  // four frames, across a reset
        {"/Odd.htm", 1, "<p>odd"},
        {"/pics/", 0, ""},
        {"/pics/a.png", 1, noise(32768, 2)},
        {"/z.css", 0, "p{}"},
    };
}

TEST(ChmWriter, EveryObjectReadsBackThroughTheLibraryAcrossFramesAndResets)
{
    const auto objects = sample();
    const std::string file = writeChm(objects, 0x409);
    const ChmCheck check = checkChmFile(file);
    ASSERT_TRUE(check.sound) << check.fault;
    EXPECT_EQ(check.layout.expandedLength, 100001u + 6u + 32768u);

    testing::TempFolder folder;
    const std::string path = folder.file("written.chm");
    std::ofstream(path, std::ios::binary) << file;
    ChmReader reader(path);
    ASSERT_TRUE(reader.isOpen()) << reader.fault();
    for (const auto& object : objects) {
        const auto back = reader.read(object.name);
        ASSERT_TRUE(back) << object.name;
        EXPECT_TRUE(*back == object.data) << object.name;
    }
    // The compressed section holds its data in order, the stored one as given.
    EXPECT_FALSE(reader.read("/missing.htm"));
}

TEST(ChmWriter, DirectoryIsSortedRegardlessOfCaseAndTheSameObjectsGiveTheSameBytes)
{
    const std::string file = writeChm(sample(), 0x407);
    const ChmCheck check = checkChmFile(file);
    ASSERT_TRUE(check.sound) << check.fault;
    std::vector<std::string> names;
    for (const auto& o : check.layout.objects) {
        std::string lower = o.name;
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
        names.push_back(lower);
    }
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    EXPECT_THAT(names, ::testing::Contains("::dataspace/storage/mscompressed/content"));
    EXPECT_EQ(file, writeChm(sample(), 0x407));
    EXPECT_NE(file, writeChm(sample(), 0x409));  // the language is kept
}

TEST(ChmWriter, RefusesWhatItCannotWrite)
{
    std::vector<ChmSourceObject> many;
    for (int i = 0; i < 400; ++i)
        many.push_back({"/a-rather-long-topic-name-" + std::to_string(i) + ".htm", 1, "x"});
    EXPECT_THROW(writeChm(many, 0x409), std::runtime_error);
    EXPECT_THROW(writeChm({{"::DataSpace/NameList", 0, "x"}}, 0x409), std::runtime_error);
}

std::uint32_t get32(const std::string& s, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(s.at(at + static_cast<std::size_t>(i)));
    return v;
}

// The built help file's context map, read straight from its tables: no folder dropping.
TEST(BuiltHelpFile, MapsItsContextsToTopicNamesInsideItAndHoldsNothingOfTheBuild)
{
    ChmReader reader(TARVIK_BUILT_HELP_FILE);
    ASSERT_TRUE(reader.isOpen()) << reader.fault();
    const auto map = reader.read("/#IVB");
    const auto strings = reader.read("/#STRINGS");
    ASSERT_TRUE(map && strings);
    std::map<std::uint32_t, std::string> topics;
    for (std::size_t at = 4; at + 8 <= 4 + get32(*map, 0); at += 8)
        topics[get32(*map, at)] = strings->substr(get32(*map, at + 4)).c_str();
    EXPECT_THAT(topics, ::testing::ElementsAre(::testing::Pair(1u, "de.htm"), ::testing::Pair(2u, "en.htm")));
    for (const auto& [context, topic] : topics)
        EXPECT_TRUE(reader.contains("/" + topic)) << topic;

    const std::string file = testing::readAll(TARVIK_BUILT_HELP_FILE);
    EXPECT_EQ(get32(file, 0x10), 0u);  // no time stamp
    const std::string folders[] = {TARVIK_BUILD_FOLDER, TARVIK_SOURCE_FOLDER};
    for (const std::string& folder : folders)
        EXPECT_EQ(file.find(folder), std::string::npos) << folder;
    for (const auto& object : checkChmFile(file).layout.objects) {
        const auto data = reader.read(object.name);
        ASSERT_TRUE(data) << object.name;
        for (const std::string& folder : folders)
            EXPECT_EQ(data->find(folder), std::string::npos) << object.name << " holds " << folder;
    }
}

}  // namespace
}  // namespace tarvik
