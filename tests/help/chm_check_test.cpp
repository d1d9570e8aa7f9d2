#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>

#include <algorithm>
#include <cstring>
#include <fstream>

#include "help/chm_check.h"
#include "help/chm_reader.h"
#include "help/help_viewer.h"
#include "temp_folder.h"

namespace tarvik {
namespace {

using ::testing::HasSubstr;

const std::string& builtFile()
{
    static const std::string bytes = testing::readAll(TARVIK_BUILT_HELP_FILE);
    return bytes;
}

const ChmObject& object(const ChmLayout& layout, const std::string& name)
{
    const auto it = std::find_if(layout.objects.begin(), layout.objects.end(),
                                 [&](const ChmObject& o) { return o.name == name; });
    if (it == layout.objects.end())
        throw std::runtime_error("no object " + name);
    return *it;
}

// File offset of a stored object of the built file.
std::size_t storedAt(const std::string& name)
{
    const ChmLayout layout = checkChmFile(builtFile()).layout;
    return static_cast<std::size_t>(layout.sectionStart + object(layout, name).offset);
}

const std::string kControl = "::DataSpace/Storage/MSCompressed/ControlData";
const std::string kResetTable =
    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable";

void put32(std::string& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * i));
}

void put64(std::string& bytes, std::size_t at, std::uint64_t value)
{
    put32(bytes, at, static_cast<std::uint32_t>(value));
    put32(bytes, at + 4, static_cast<std::uint32_t>(value >> 32));
}

std::string withControl(std::size_t field, std::uint32_t value)
{
    std::string bytes = builtFile();
    put32(bytes, storedAt(kControl) + field, value);
    return bytes;
}

std::string withResetTable(std::size_t field, std::uint64_t value, int size)
{
    std::string bytes = builtFile();
    if (size == 8)
        put64(bytes, storedAt(kResetTable) + field, value);
    else
        put32(bytes, storedAt(kResetTable) + field, static_cast<std::uint32_t>(value));
    return bytes;
}

// Opens the bytes as the game opens its help file, and reads all it can.
bool openAndReadAll(const std::string& bytes, std::string* fault = nullptr)
{
    testing::TempFolder folder;
    const std::string path = folder.file("vrel.chm");
    std::ofstream(path, std::ios::binary) << bytes;
    ChmReader reader(path);
    if (fault)
        *fault = reader.fault();
    if (!reader.isOpen())
        return false;
    for (std::uint32_t context : {1u, 2u})
        if (const auto topic = reader.topicForContext(context))
            reader.read(*topic);
    for (const ChmObject& o : checkChmFile(bytes).layout.objects)
        reader.read(o.name);
    return true;
}

TEST(ChmCheck, TheBuiltHelpFileIsSoundAndListsItsTopics)
{
    const ChmCheck check = checkChmFile(builtFile());
    ASSERT_TRUE(check.sound) << check.fault;
    EXPECT_EQ(object(check.layout, "/de.htm").section, 1u);
    EXPECT_EQ(object(check.layout, "/en.htm").section, 1u);
    EXPECT_EQ(object(check.layout, "/#SYSTEM").section, 0u);
    EXPECT_GT(check.layout.expandedLength, object(check.layout, "/en.htm").offset);
    std::string fault = "unset";
    EXPECT_TRUE(openAndReadAll(builtFile(), &fault));
    EXPECT_EQ(fault, "");
}

// The corruptions that crashed the game inside the CHM library before the check.
TEST(ChmCheck, CorruptCompressionControlDataIsRefusedBeforeTheLibrarySeesIt)
{
    std::string fault;
    EXPECT_FALSE(openAndReadAll(withControl(16, 0), &fault));  // window size 0 divided by
    EXPECT_THAT(fault, HasSubstr("window size"));
    EXPECT_FALSE(openAndReadAll(withControl(16, 3), &fault));
    EXPECT_FALSE(openAndReadAll(withControl(16, 128), &fault));  // 4 MiB: beyond LZX
    EXPECT_THAT(fault, HasSubstr("window size"));
    for (std::uint32_t version : {0u, 1u, 3u, 0x102u}) {
        EXPECT_FALSE(openAndReadAll(withControl(8, version), &fault)) << version;
        EXPECT_THAT(fault, HasSubstr("LZXC version"));
    }
    EXPECT_FALSE(openAndReadAll(withControl(12, 0), &fault));
    EXPECT_THAT(fault, HasSubstr("reset interval"));
    EXPECT_FALSE(openAndReadAll(withControl(20, 0), &fault));
    EXPECT_THAT(fault, HasSubstr("windows per reset"));
    // So long a run between resets that one read could expand gigabytes.
    EXPECT_FALSE(openAndReadAll(withControl(12, 0x10000), &fault));
    EXPECT_THAT(fault, HasSubstr("reset interval"));
    EXPECT_FALSE(openAndReadAll(withControl(20, 0x10000), &fault));
    EXPECT_THAT(fault, HasSubstr("windows per reset"));
    EXPECT_FALSE(openAndReadAll(withControl(4, 0x43585a4d), &fault));
    EXPECT_THAT(fault, HasSubstr("LZXC"));

    // Every single byte of the control data flipped, and set to each of a few values: the
    // game either refuses the file or reads it without harm.
    const std::size_t control = storedAt(kControl);
    int refused = 0;
    for (std::size_t at = control; at < control + 28; ++at)
        for (int change : {0xff, 0x01, 0x80, 0x00, 0x10}) {
            std::string bytes = builtFile();
            bytes[at] = static_cast<char>(change == 0x00 || change == 0x10 ? change : bytes[at] ^ change);
            refused += openAndReadAll(bytes) ? 0 : 1;
        }
    EXPECT_GT(refused, 40);
}

TEST(ChmCheck, ResetTableMustStayInsideTheCompressedContent)
{
    std::string fault;
    EXPECT_FALSE(openAndReadAll(withResetTable(0x20, 0, 8), &fault));  // frame length 0
    EXPECT_THAT(fault, HasSubstr("block length"));
    EXPECT_FALSE(openAndReadAll(withResetTable(0x28 + 8, 0x7fffffff, 8), &fault));
    EXPECT_THAT(fault, HasSubstr("outside the compressed content"));
    EXPECT_FALSE(openAndReadAll(withResetTable(0x28, 5, 8), &fault));  // the first block starts at 0
    EXPECT_FALSE(openAndReadAll(withResetTable(4, 0xffffff, 4), &fault));
    EXPECT_THAT(fault, HasSubstr("outside the reset table"));
    EXPECT_FALSE(openAndReadAll(withResetTable(4, 0, 4), &fault));
    EXPECT_THAT(fault, HasSubstr("0 blocks"));
    EXPECT_FALSE(openAndReadAll(withResetTable(0x10, 1ull << 40, 8), &fault));
    EXPECT_FALSE(openAndReadAll(withResetTable(0x18, 1ull << 40, 8), &fault));
    EXPECT_THAT(fault, HasSubstr("longer than the compressed content"));
    EXPECT_FALSE(openAndReadAll(withResetTable(8, 4, 4), &fault));
}

// A frame start moved into the middle of the next frame's data passes every check of the
// tables, but the library's decompressor corrupts its heap on what it then reads.
TEST(ChmCheck, CompressedContentThatBreaksTheDecompressorIsRefused)
{
    std::string bytes = builtFile();
    ASSERT_GT(checkChmFile(bytes).layout.expandedLength, 2u * 0x8000u);  // a third frame exists
    bytes[storedAt(kResetTable) + 0x31] = static_cast<char>(0xc9);
    ASSERT_TRUE(checkChmFile(bytes).sound);
    std::string fault;
    EXPECT_FALSE(openAndReadAll(bytes, &fault));
    EXPECT_THAT(fault, HasSubstr("does not expand"));
}

TEST(ChmCheck, DirectoryFaultsAreRefused)
{
    const std::string& good = builtFile();
    const std::size_t dir = static_cast<std::size_t>(good.find("ITSP"));
    const std::size_t chunk = static_cast<std::size_t>(good.find("PMGL"));
    ASSERT_NE(dir, std::string::npos);
    ASSERT_NE(chunk, std::string::npos);
    std::string fault;
    auto refusedWith = [&](std::string bytes, const std::string& expected) {
        const bool opened = openAndReadAll(bytes, &fault);
        EXPECT_FALSE(opened) << expected;
        EXPECT_THAT(fault, HasSubstr(expected));
    };

    std::string bytes = good;
    put32(bytes, chunk + 4, 0x2000);  // free space larger than the chunk
    refusedWith(bytes, "free space");
    bytes = good;
    put32(bytes, chunk + 16, 0);  // the only listing's next link to itself
    refusedWith(bytes, "leads back");
    bytes = good;
    put32(bytes, dir + 0x2c, 1000);  // more chunks than the directory holds
    refusedWith(bytes, "run past the directory");
    bytes = good;
    put32(bytes, dir + 0x10, 0);  // chunk size 0
    refusedWith(bytes, "chunk size");
    bytes = good;
    put32(bytes, dir + 0x1c, 7);  // root beyond the chunks
    refusedWith(bytes, "directory root");
    bytes = good;
    bytes[chunk + 20] = static_cast<char>(0x84);  // first name 512 + ... bytes long
    bytes[chunk + 21] = static_cast<char>(0x01);
    refusedWith(bytes, "name longer");
    bytes = good;
    put64(bytes, 0x48, good.size());  // directory beyond the end of the file
    refusedWith(bytes, "outside the file");
    refusedWith(good.substr(0, good.size() - 40), "outside its section");
    refusedWith(good.substr(0, 0x50), "not a compiled help file");

    // An index chunk that names itself: a lookup through it would never end.
    bytes = good;
    std::memcpy(&bytes[chunk], "PMGI", 4);
    put32(bytes, chunk + 4, 4096 - 8 - 3);
    const char entry[] = {1, 'a', 0};
    std::memcpy(&bytes[chunk + 8], entry, 3);
    put32(bytes, dir + 0x1c, 0);
    const ChmCheck check = checkChmFile(bytes);
    EXPECT_FALSE(check.sound);
    EXPECT_THAT(check.fault, HasSubstr("index leads back"));
}

TEST(ChmCheck, TruncatedFilesNeverCrashTheReader)
{
    const std::string& good = builtFile();
    const ChmLayout layout = checkChmFile(good).layout;
    const std::uint64_t lastByte = layout.sectionStart + object(layout, "::DataSpace/Storage/MSCompressed/Content").offset +
                                   object(layout, "::DataSpace/Storage/MSCompressed/Content").length;
    for (std::size_t length = 0; length < lastByte; length += 61)
        EXPECT_FALSE(openAndReadAll(good.substr(0, length))) << length;
}

TEST(ChmCheck, TheViewerShowsItsNoteForARefusedFile)
{
    testing::TempFolder folder;
    const std::string path = folder.file("vrel.chm");
    std::ofstream(path, std::ios::binary) << withControl(16, 0);
    HelpViewer viewer(QString::fromStdString(path));
    EXPECT_FALSE(viewer.fileOpen());
    EXPECT_FALSE(viewer.showContext(2));
    EXPECT_THAT(viewer.toPlainText().toStdString(), HasSubstr("could not be opened"));
}

}  // namespace
}  // namespace tarvik
