// Molecules as graphs: a compact line notation, the library of real
// molecules we build plans from, and the element pictures they use.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik::plans {

enum class Element : std::uint8_t { H, C, N, O, S, P, F, Cl, Br, I };

// Picture number of an element on the tile sheet (iodine is lettered J).
int elementPicture(Element e);
// Symbol as written in the notation ("I" for iodine).
std::string_view elementSymbol(Element e);
// Whether an atom of this element may carry this many bonds (double and
// triple bonds counted with their order).
bool allowedValence(Element e, int bonds);

struct MolBond {
    int a = 0;
    int b = 0;
    int order = 1;  // 1, 2 or 3
};

struct MoleculeGraph {
    std::vector<Element> atoms;  // hydrogens included, explicitly
    std::vector<MolBond> bonds;

    int bondSum(int atom) const;
    std::vector<int> neighbours(int atom) const;
    int bondOrder(int a, int b) const;  // 0 when not bonded
    bool connected() const;
};

// Notation: element symbols (H C N O S P F Cl Br I), bonds '-' '=' '#'
// between neighbours (single when left out), branches in parentheses and
// ring closures by digits 1..9. Every atom but hydrogen gets as many
// implicit hydrogens as it needs to reach its lowest allowed valence; a
// symbol in brackets ("[S]") gets none. Hydrogen may be written as "H".
std::optional<MoleculeGraph> parseMolecule(std::string_view text, std::string* error = nullptr);

// Hill-order formula such as "C2H6O", for tables and messages.
std::string molecularFormula(const MoleculeGraph& g);

struct MoleculeEntry {
    const char* notation;
    const char* english;  // UTF-8; '|' marks a forced line break
    const char* german;
};

std::span<const MoleculeEntry> moleculeLibrary();

// Breaks a name into at most three lines of at most 40 characters, at '|'
// first and else at spaces or after hyphens. Empty when it cannot.
std::vector<std::string> breakName(std::string_view utf8Name);
// Number of characters (code points) of a UTF-8 string.
int utf8Length(std::string_view s);

}  // namespace tarvik::plans
