#include <gtest/gtest.h>

#include <set>

#include "core/plan_record.h"
#include "molecules.h"
#include "molecules_layout.h"

using namespace tarvik::plans;

namespace {

int countOf(const MoleculeGraph& g, Element e) {
    int n = 0;
    for (Element a : g.atoms) n += a == e;
    return n;
}

}  // namespace

TEST(MoleculeNotation, ImpliedHydrogensFillTheLowestValence) {
    struct Case {
        const char* text;
        const char* formula;
    };
    for (Case c : {Case{"O", "H2O"}, Case{"C", "CH4"}, Case{"CCO", "C2H6O"}, Case{"C=C", "C2H4"}, Case{"C#N", "CHN"},
                   Case{"C1=CC=CC=C1", "C6H6"}, Case{"OS(=O)(=O)O", "H2O4S"}, Case{"OP(=O)O", "H3O3P"},
                   Case{"FS(F)(F)(F)(F)F", "F6S"}, Case{"[S]=C=[S]", "CS2"}, Case{"HH", "H2"}, Case{"II", "I2"}}) {
        auto g = parseMolecule(c.text);
        ASSERT_TRUE(g) << c.text;
        EXPECT_EQ(molecularFormula(*g), c.formula) << c.text;
    }
}

TEST(MoleculeNotation, BondsBranchesAndRings) {
    auto g = parseMolecule("CC(=O)O");  // acetic acid
    ASSERT_TRUE(g);
    EXPECT_EQ(g->bondOrder(1, 2), 2);
    EXPECT_EQ(g->bondOrder(1, 3), 1);
    EXPECT_EQ(g->bondOrder(2, 3), 0);
    auto ring = parseMolecule("C1CC1");
    ASSERT_TRUE(ring);
    EXPECT_EQ(ring->bondOrder(0, 2), 1);
    EXPECT_EQ(countOf(*ring, Element::H), 6);
}

TEST(MoleculeNotation, RejectsWhatNoMoleculeCanBe) {
    for (const char* bad : {"", "C(", "C)", "C1CC", "X", "C==C", "[C]", "[O", "=C", "C=", "FCl(F)", "N(=O)=O", "C11", "(C)"}) {
        std::string error;
        EXPECT_FALSE(parseMolecule(bad, &error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

TEST(MoleculeNames, BreakIntoThreeLinesOfForty) {
    EXPECT_EQ(breakName("Water"), std::vector<std::string>{"Water"});
    EXPECT_EQ(breakName("A|B|C"), (std::vector<std::string>{"A", "B", "C"}));
    auto lines = breakName("Trifluoromethanesulfonic acid with a much longer tail of words");
    ASSERT_FALSE(lines.empty());
    for (auto& l : lines) EXPECT_LE(utf8Length(l), 40);
    EXPECT_TRUE(breakName("A|B|C|D").empty());
    EXPECT_TRUE(breakName(std::string(41, 'x')).empty());
    EXPECT_EQ(utf8Length("Äpfelsäure"), 10);
}

TEST(MoleculeLibrary, RealDistinctSoundAndNamedInBothTongues) {
    auto library = moleculeLibrary();
    EXPECT_GE(library.size(), 200u);
    std::set<std::string> notations, english, german;
    for (const MoleculeEntry& e : library) {
        std::string error;
        auto g = parseMolecule(e.notation, &error);
        ASSERT_TRUE(g) << e.notation << ": " << error;
        for (std::size_t a = 0; a < g->atoms.size(); ++a)
            EXPECT_TRUE(allowedValence(g->atoms[a], g->bondSum(static_cast<int>(a)))) << e.notation;
        EXPECT_TRUE(notations.insert(e.notation).second) << "twice: " << e.notation;
        EXPECT_TRUE(english.insert(e.english).second) << "twice: " << e.english;
        EXPECT_TRUE(german.insert(e.german).second) << "twice: " << e.german;
        for (const char* name : {e.english, e.german}) {
            auto lines = breakName(name);
            ASSERT_FALSE(lines.empty()) << name;
            for (const std::string& line : lines) {
                std::string cp1252;
                EXPECT_TRUE(tarvik::utf8ToWindows1252(line, cp1252)) << line;
                EXPECT_LE(cp1252.size(), 40u) << line;
            }
        }
    }
}

TEST(MoleculeLayout, EveryLibraryMoleculeLaysOutSoundly) {
    // A short search keeps this quick; the shipped layouts, found with a
    // longer one, are checked on the shipped set itself.
    for (const MoleculeEntry& e : moleculeLibrary()) {
        auto g = parseMolecule(e.notation);
        ASSERT_TRUE(g);
        auto layout = layOutMolecule(*g, LayoutOptions{11, 3000});
        ASSERT_TRUE(layout) << e.english;
        EXPECT_LE(layout->width, 15) << e.english;
        EXPECT_LE(layout->height, 15) << e.english;
        EXPECT_EQ(layout->atoms.size(), g->atoms.size()) << e.english;
        auto problems = checkMoleculeLayout(*layout);
        EXPECT_TRUE(problems.empty()) << e.english << ": " << problems.front();
        // The pictures are the molecule's elements, atom for atom.
        for (std::size_t a = 0; a < g->atoms.size(); ++a)
            EXPECT_EQ(layout->atoms[a].kind & 0xFF, elementPicture(g->atoms[a])) << e.english;
    }
}

TEST(MoleculeLayout, DoubleBondsRunAlongTheAxesAndStubsMirror) {
    auto g = parseMolecule("O=C=O");
    auto layout = layOutMolecule(*g);
    ASSERT_TRUE(layout);
    EXPECT_TRUE(layout->width == 1 || layout->height == 1);
    // A straight line: the carbon shows two double stubs on opposite sides.
    int carbonMask = (layout->atoms[1].kind >> 8) & 0xFFFF;
    EXPECT_TRUE(carbonMask == ((1 << 8) | (1 << 10)) || carbonMask == ((1 << 9) | (1 << 11))) << carbonMask;
    EXPECT_EQ(bondOverlay(1, 2), -1);
    EXPECT_EQ(bondOverlay(6, 3), 15);
}

TEST(MoleculeLayout, CheckFindsBrokenMolecules) {
    // Hydrogen pair with matching stubs is sound.
    MoleculeLayout h2{2, 1, {{0, 0, 1 | (1 << 8)}, {1, 0, 1 | (1 << 12)}}};
    EXPECT_TRUE(checkMoleculeLayout(h2).empty());
    MoleculeLayout dangling = h2;
    dangling.atoms[1].kind = 1 | (1 << 14);  // its stub points up into nothing
    EXPECT_FALSE(checkMoleculeLayout(dangling).empty());
    MoleculeLayout wrongOrder{2, 1, {{0, 0, 2 | (1 << 8)}, {1, 0, 2 | (1 << 14)}}};  // O-O stub against O=O stub
    EXPECT_FALSE(checkMoleculeLayout(wrongOrder).empty());
    MoleculeLayout valence{2, 1, {{0, 0, 3 | (1 << 8)}, {1, 0, 1 | (1 << 12)}}};  // carbon with one bond
    EXPECT_FALSE(checkMoleculeLayout(valence).empty());
    // Two H-H pairs whose diagonal bonds cross in one square.
    MoleculeLayout crossing{2, 2, {{0, 0, 1 | (1 << 15)}, {1, 1, 1 | (1 << 11)}, {1, 0, 1 | (1 << 13)}, {0, 1, 1 | (1 << 9)}}};
    EXPECT_FALSE(checkMoleculeLayout(crossing).empty());
    MoleculeLayout apart{3, 1, {{0, 0, 1 | (1 << 8)}, {1, 0, 1 | (1 << 12)}, {2, 0, 1}}};  // a lone atom
    EXPECT_FALSE(checkMoleculeLayout(apart).empty());
}
