#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/byte_runs.h"
#include "core/plan_catalogue.h"

namespace tarvik {
namespace {

std::vector<std::uint8_t> packed(const std::vector<std::uint8_t>& bytes)
{
    std::vector<std::uint8_t> out;
    packByteRuns(bytes, out);
    return out;
}

std::vector<std::uint8_t> unpacked(const std::vector<std::uint8_t>& pack, std::size_t size)
{
    std::vector<std::uint8_t> out(size, 0xEE);
    EXPECT_EQ(unpackByteRuns(pack, out), pack.size());
    return out;
}

// Runs and stretches of differing bytes of every length around the limits of
// one piece (129 repeated, 128 as they are) come back exactly.
TEST(ByteRuns, EveryMixOfRunsAndStretchesComesBackExactly)
{
    std::vector<std::vector<std::uint8_t>> cases = {{}, {7}, {7, 7}, {7, 7, 7}, {1, 2, 1, 2}};
    for (std::size_t n : {2u, 3u, 127u, 128u, 129u, 130u, 258u, 259u, 300u}) {
        cases.emplace_back(n, std::uint8_t{0});
        std::vector<std::uint8_t> differing(n);
        for (std::size_t i = 0; i < n; ++i) differing[i] = static_cast<std::uint8_t>(i % 2 ? 0x80 : i);
        cases.push_back(differing);
        std::vector<std::uint8_t> mixed = differing;
        mixed.insert(mixed.begin() + static_cast<std::ptrdiff_t>(n / 2), n, std::uint8_t{0xFF});
        cases.push_back(mixed);
    }
    std::mt19937 random(12);
    for (int c = 0; c < 200; ++c) {
        std::vector<std::uint8_t> bytes;
        while (bytes.size() < 773) {
            const auto value = static_cast<std::uint8_t>(random() % 4);
            bytes.insert(bytes.end(), random() % 6 ? 1 : random() % 140, value);
        }
        cases.push_back(bytes);
    }
    for (const auto& bytes : cases) {
        const auto pack = packed(bytes);
        ASSERT_EQ(unpacked(pack, bytes.size()), bytes) << "length " << bytes.size();
        EXPECT_LE(pack.size(), bytes.size() + (bytes.size() + 127) / 128) << "never much longer than it was";
    }
    EXPECT_EQ(packed(std::vector<std::uint8_t>(773, 0)).size(), 12u) << "six pieces of one byte each";
}

TEST(ByteRuns, PackingThatEndsTooSoonOrHoldsTooMuchIsRefused)
{
    std::vector<std::uint8_t> bytes(300, 5);
    bytes.insert(bytes.end(), {1, 2, 3, 4});
    const auto pack = packed(bytes);
    std::vector<std::uint8_t> out(bytes.size());
    for (std::size_t cut = 0; cut < pack.size(); ++cut)
        EXPECT_EQ(unpackByteRuns(std::span(pack).first(cut), out), 0u) << "cut to " << cut;
    std::vector<std::uint8_t> smaller(bytes.size() - 1);
    EXPECT_EQ(unpackByteRuns(pack, smaller), 0u) << "the last piece does not fit";
    std::vector<std::uint8_t> larger(bytes.size() + 1);
    EXPECT_EQ(unpackByteRuns(pack, larger), 0u) << "the packing ends before the room is filled";
}

// Records with everything a level data file may hold, including bytes after
// a name line's end, come out of the packed catalogue exactly as they went in.
TEST(PackedCatalogue, GivesBackEveryRecordExactly)
{
    std::mt19937 random(3);
    std::vector<std::uint8_t> file;
    std::vector<PlanRecord> expected;
    for (int n = 0; n < 60; ++n) {
        PlanRecord r;
        for (NameLines* lines : {&r.germanName, &r.englishName}) {
            for (NameLine& line : *lines) {
                line.length = static_cast<std::uint8_t>(random() % 41);
                for (std::size_t i = 0; i < line.bytes.size(); ++i)
                    line.bytes[i] = i < line.length || random() % 8 == 0 ? static_cast<std::uint8_t>(random()) : 0;
            }
        }
        for (std::uint8_t& cell : r.board) cell = static_cast<std::uint8_t>(random() % 3 ? 0 : random());
        r.molWidth = static_cast<std::uint8_t>(1 + random() % 15);
        r.molHeight = static_cast<std::uint8_t>(1 + random() % 15);
        for (int k = 1; k <= static_cast<int>(random() % 51); ++k) {
            r.atomCol[k] = static_cast<std::uint8_t>(random() % r.molWidth);
            r.atomRow[k] = static_cast<std::uint8_t>(random() % r.molHeight);
            r.atomKind[k] = static_cast<AtomKind>(random());
        }
        const auto bytes = encodePlanRecord(r);
        file.insert(file.end(), bytes.begin(), bytes.end());
        expected.push_back(r);
    }
    const auto fromFile = loadCatalogueFromBytes(file);
    ASSERT_TRUE(fromFile);
    const PlanCatalogue fromRecords(expected);
    ASSERT_EQ(fromFile->planCount(), 60);
    ASSERT_EQ(fromRecords.planCount(), 60);
    EXPECT_EQ(fromFile->mendedCount(), 0);
    for (int n = 1; n <= 60; ++n) {
        EXPECT_EQ(fromFile->plan(n), expected[static_cast<std::size_t>(n - 1)]) << "plan " << n;
        EXPECT_EQ(fromRecords.plan(n), expected[static_cast<std::size_t>(n - 1)]) << "plan " << n;
    }
    EXPECT_THROW((void)fromFile->plan(0), std::out_of_range);
    EXPECT_THROW((void)fromFile->plan(61), std::out_of_range);
}

}  // namespace
}  // namespace tarvik
