#include <gtest/gtest.h>

#include "core/plan_record.h"
#include "plan_builder.h"

namespace tarvik {
namespace {

std::array<std::uint8_t, kPlanRecordSize> patternedBytes()
{
    std::array<std::uint8_t, kPlanRecordSize> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return bytes;
}

TEST(PlanRecordLayout, FieldsSitAtTheirOffsets)
{
    PlanRecord r;
    r.germanName[0].setText("Wasser");
    r.englishName[2].setText("Water");
    r.setCell(4, 2, 200);
    r.atomCol[1] = 9;
    r.atomRow[50] = 8;
    r.molWidth = 3;
    r.molHeight = 2;
    r.atomKind[1] = 0x01020304;
    r.atomKind[50] = -2;

    const auto b = encodePlanRecord(r);
    EXPECT_EQ(b[0], 6);
    EXPECT_EQ(b[1], 'W');
    EXPECT_EQ(b[205], 5);
    EXPECT_EQ(b[206], 'W');
    EXPECT_EQ(b[246 + 2 * 15 + 4], 200);
    EXPECT_EQ(b[470 + 1], 9);
    EXPECT_EQ(b[520 + 50], 8);
    EXPECT_EQ(b[571], 3);
    EXPECT_EQ(b[572], 2);
    EXPECT_EQ(b[569 + 4], 0x04);  // little-endian
    EXPECT_EQ(b[569 + 7], 0x01);
    EXPECT_EQ(b[769], 0xFE);
    EXPECT_EQ(b[772], 0xFF);  // last byte: top byte of slot 50's kind
}

TEST(PlanRecordLayout, AnyBytesRoundTripExactly)
{
    const auto bytes = patternedBytes();
    const PlanRecord r = decodePlanRecord(bytes);
    EXPECT_EQ(encodePlanRecord(r), bytes);
    EXPECT_EQ(decodePlanRecord(encodePlanRecord(r)), r);
}

TEST(PlanRecordSafety, BrokenRecordIsMadeSafeAndReported)
{
    PlanRecord r = testing::boardOf({"A"});
    testing::setMolecule(r, 0, 40);
    testing::setSlot(r, 1, 200, 0, 0x101);   // the write far outside the pattern
    testing::setSlot(r, 2, 0, 14, 0x102);    // inside 1..15 rows once clamped
    testing::setSlot(r, 3, 250, 250, 0);     // unused: position does not matter
    r.germanName[1].length = 41;

    const auto problems = planRecordProblems(r);
    ASSERT_EQ(problems.size(), 5u);
    EXPECT_EQ(problems[0], "molWidth 0 is outside 1..15");
    EXPECT_EQ(problems[1], "molHeight 40 is outside 1..15");
    EXPECT_EQ(problems[2], "slot 1 at column 200, row 0 lies outside the 0 x 40 molecule");
    EXPECT_NE(problems[3].find("slot 2 at column 0"), std::string::npos);
    EXPECT_EQ(problems[4], "German name line 2 has length 41 (more than 40)");

    EXPECT_TRUE(makePlanRecordSafe(r));
    EXPECT_EQ(r.molWidth, 1);
    EXPECT_EQ(r.molHeight, 15);
    EXPECT_EQ(r.atomKind[1], 0x101) << "board atom 1 still needs its kind to be drawn";
    EXPECT_EQ(r.atomKind[2], 0x102);
    EXPECT_EQ(r.germanName[1].length, 40);
    EXPECT_FALSE(slotInMoleculeBox(r, 1));
    EXPECT_TRUE(slotInMoleculeBox(r, 2));
    EXPECT_EQ(planRecordProblems(r),
              std::vector<std::string>{"slot 1 at column 200, row 0 lies outside the 1 x 15 molecule"});
    EXPECT_FALSE(makePlanRecordSafe(r));
}

TEST(PlanRecordNames, TextNeverReadsPastTheFortyBytes)
{
    NameLine line;
    line.length = 255;
    EXPECT_EQ(line.text().size(), 40u);
    line.setText(std::string(60, 'x'));
    EXPECT_EQ(line.length, 40);
}

TEST(Windows1252, DecodesEveryByteAndRoundTrips)
{
    EXPECT_EQ(windows1252ToUtf8("M\xFC"
                                "ll \x80 \x9F"),
              "Müll € Ÿ");
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    std::string back;
    ASSERT_TRUE(utf8ToWindows1252(windows1252ToUtf8(all), back));
    EXPECT_EQ(back, all);
}

TEST(Windows1252, RejectsWhatTheCodePageCannotHold)
{
    std::string out;
    EXPECT_TRUE(utf8ToWindows1252("Kohlenstoffdioxid äöüß", out));
    EXPECT_EQ(out, "Kohlenstoffdioxid \xE4\xF6\xFC\xDF");
    EXPECT_FALSE(utf8ToWindows1252("Ω", out));          // no Greek in the code page
    EXPECT_FALSE(utf8ToWindows1252("\xC3", out));        // cut-off sequence
    EXPECT_FALSE(utf8ToWindows1252("\xC0\xBC", out));    // overlong '<'
    EXPECT_FALSE(utf8ToWindows1252("\xFF", out));
}

}  // namespace
}  // namespace tarvik
