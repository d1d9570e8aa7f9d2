#include <gtest/gtest.h>

#include "plan_compiler.h"

namespace tarvik::plansrc {
namespace {

std::string board(std::initializer_list<std::string> top)
{
    std::string out = "board:\n";
    int rows = 0;
    for (const std::string& r : top) {
        out += r + std::string(15 - r.size(), '.') + "\n";
        ++rows;
    }
    for (; rows < 15; ++rows) out += "...............\n";
    return out;
}

PlanRecord compileOne(const std::string& text)
{
    const ParseResult parsed = parsePlanSource(text, "t.plan");
    EXPECT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_EQ(parsed.plans.size(), 1u);
    PlanRecord record;
    std::string error;
    if (!parsed.plans.empty()) {
        EXPECT_TRUE(compilePlan(parsed.plans[0], record, error)) << error;
    }
    return record;
}

std::string compileError(const std::string& text)
{
    const ParseResult parsed = parsePlanSource(text, "t.plan");
    if (!parsed.ok()) return parsed.error;
    PlanRecord record;
    std::string error;
    for (const PlanSource& s : parsed.plans) {
        if (!compilePlan(s, record, error)) return error;
    }
    return "";
}

TEST(PlanSource, NumbersSlotsByMoleculeThenBoardOrder)
{
    const PlanRecord r = compileOne("plan\nde: Wasser\nen: Water\nlegend H = atom H -r\nlegend O = atom O -l -r\n"
                                    "legend h = atom H -l\n" +
                                    board({"h.O", "", "..H"}) + "molecule:\n  .O\n  HOh\nend\n");
    EXPECT_EQ(r.molWidth, 3);
    EXPECT_EQ(r.molHeight, 2);
    // Slots: 1 O at (1,0), 2 H at (0,1), 3 O at (1,1), 4 h at (2,1).
    EXPECT_EQ(r.atomKind[1], makeAtomKind(kOxygen, 1u << kSingleLeft | 1u << kSingleRight));
    EXPECT_EQ(r.atomCol[4], 2);
    EXPECT_EQ(r.atomRow[4], 1);
    EXPECT_EQ(r.atomKind[5], 0);
    EXPECT_EQ(r.cell(0, 0), 4);  // h
    EXPECT_EQ(r.cell(2, 0), 1);  // the first O on the board takes the first O slot
    EXPECT_EQ(r.cell(2, 2), 2);
    EXPECT_EQ(r.germanName[0].text(), "Wasser");
    EXPECT_TRUE(r.germanName[1].empty());
}

TEST(PlanSource, LegendDefaultsAndOverrides)
{
    const PlanRecord r = compileOne("legend % = wall 39\nplan\nlegend ! = code 255\nlegend # = wall 7\n"
                                    "legend A = atom pic 12 %d\nlegend B = atom kind -5\n" +
                                    board({"~*#%!A", "B"}) + "molecule:\n  A\n  B\nend\n");
    EXPECT_EQ(r.cell(0, 0), 168);
    EXPECT_EQ(r.cell(1, 0), 51);
    EXPECT_EQ(r.cell(2, 0), 135);
    EXPECT_EQ(r.cell(3, 0), 167);
    EXPECT_EQ(r.cell(4, 0), 255);
    EXPECT_EQ(r.atomKind[1], makeAtomKind(12, 1u << kTripleDown));
    EXPECT_EQ(r.atomKind[2], -5);
}

TEST(PlanSource, NamesAreStoredAsWindows1252)
{
    const PlanRecord r = compileOne("plan\nde: Blausäure\nde:\nde: ß\n" + board({"H"}) +
                                    "legend H = atom H\nmolecule:\n  H\nend\n");
    EXPECT_EQ(r.germanName[0].text(), "Blaus\xE4ure");
    EXPECT_TRUE(r.germanName[1].empty());
    EXPECT_EQ(r.germanName[2].text(), "\xDF");
}

TEST(PlanSource, MalformedSourcesNameFileAndLine)
{
    const std::string ok = "legend H = atom H\n" + board({"H"}) + "molecule:\n  H\n";
    struct Case {
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"plan\n" + ok, "plan without 'end'"},
        {"board:\n", "t.plan:1: expected 'plan'"},
        {"plan\nboard:\n...\nend\n", "t.plan:3: a board row has exactly 15 characters"},
        {"plan\nlegend H = atom Xe\nend\n", "t.plan:2: unknown element 'Xe'"},
        {"plan\nlegend H = atom H -q\nend\n", "unknown bond '-q'"},
        {"plan\nlegend H = atom H -r -r\nend\n", "given twice"},
        {"plan\nlegend 5 = wall 40\nend\n", "needs one number in 0..39"},
        {"plan\nlegend 5 = code 7\nend\n", "codes 1..50 are atoms"},
        {"plan\nen: Ω\n" + ok + "end\n", "English name line 1 holds a character"},
        {"plan\nen: " + std::string(41, 'x') + "\n" + ok + "end\n", "longer than 40"},
        {"plan\nen: a\nen: b\nen: c\nen: d\nend\n", "at most three lines"},
        {"plan\nlegend H = atom H\n" + board({"HH"}) + "molecule:\n  H\nend\n", "more 'H' atoms on the board"},
        {"plan\nlegend H = atom H\n" + board({"Q"}) + "molecule:\n  H\nend\n", "'Q' is not in the legend"},
        {"plan\n" + ok + "solution: 1,1 sideways\nend\n", "a move is 'X,Y DIR'"},
        {"plan\n" + ok + "solution: 1,1 left\nlength: 2 optimal\nend\n", "the solution has 1 moves"},
        {"plan\nraw:\n00 11\nend\n", "exactly 773 bytes"},
        {"plan\nraw:\nzz\nend\n", "only hex digits"},
        {std::string("plan\0x", 6), "not a text file"},
        {"plan\nend\n", "needs a 'board:' and a 'molecule:'"},
    };
    for (const Case& c : cases) {
        const std::string error = compileError(c.text);
        EXPECT_NE(error.find(c.expected), std::string::npos) << "got: " << error;
    }
}

TEST(PlanSource, SolutionsAndLengthsAreRead)
{
    const ParseResult parsed = parsePlanSource("plan\nlegend H = atom H\n" + board({"H"}) +
                                                   "molecule:\n  H\nsolution: 0,0 right; 14,0 down\n"
                                                   "solution: 14,14 left\nlength: 3 unproven\nend\n",
                                               "t.plan");
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    const PlanSource& p = parsed.plans[0];
    ASSERT_EQ(p.solution.size(), 3u);
    EXPECT_EQ(p.solution[1], (SolutionMove{14, 0, Direction::Down}));
    EXPECT_EQ(p.solutionLength, 3);
    EXPECT_FALSE(p.solutionOptimal);
}

TEST(Decompile, KindWordsReadBack)
{
    for (AtomKind kind : {makeAtomKind(kCarbon, 0xFFFF), makeAtomKind(0, 1), makeAtomKind(200, 0x8001),
                          AtomKind{-1}, AtomKind{0x7F000001}}) {
        std::string error;
        EXPECT_EQ(parseAtomKind(atomKindWords(kind), error), kind) << atomKindWords(kind) << " " << error;
    }
}

TEST(Decompile, OddRecordsFallBackToRawAndStillRoundTrip)
{
    PlanRecord odd;
    odd.setCell(3, 3, 7);            // an atom whose slot is unused
    odd.molWidth = 0;
    odd.englishName[0].length = 50;  // more than 40
    odd.germanName[2].bytes[39] = 'x';  // a stray byte past the used length
    const std::string text = decompilePlan(odd, 1);
    EXPECT_NE(text.find("raw:"), std::string::npos);
    const PlanRecord back = compileOne(text);
    EXPECT_EQ(encodePlanRecord(back), encodePlanRecord(odd));
}

TEST(Decompile, ManyDistinctCodesStillRoundTrip)
{
    PlanRecord busy;
    for (int i = 0; i < kCellCount; ++i) busy.board[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(51 + i % 205);
    for (int k = 1; k <= 20; ++k) {
        busy.atomKind[k] = makeAtomKind(1, static_cast<std::uint32_t>(k));
        busy.atomCol[k] = static_cast<std::uint8_t>(k % 5);
        busy.atomRow[k] = static_cast<std::uint8_t>(k / 5);
        busy.board[static_cast<std::size_t>(k * 11)] = static_cast<std::uint8_t>(k);
    }
    busy.molWidth = 5;
    busy.molHeight = 5;
    const PlanRecord back = compileOne(decompilePlan(busy, 3));
    EXPECT_EQ(encodePlanRecord(back), encodePlanRecord(busy));
}

}  // namespace
}  // namespace tarvik::plansrc
