// Laying a molecule out on the grid of cells, and reading a laid-out
// molecule back from atom kinds (to check that its bonds make sense).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "molecules.h"

namespace tarvik::plans {

// Cell steps of the eight single-bond overlays 0..7 (right, upper-right, up,
// upper-left, left, lower-left, down, lower-right).
struct Step {
    int dx;
    int dy;
};
Step directionStep(int direction);

// Bond overlay number for a bond of the given order towards a direction
// 0..7; -1 when no overlay exists (double and triple bonds only run along
// the axes).
int bondOverlay(int direction, int order);

struct LaidAtom {
    int col = 0;
    int row = 0;
    std::int32_t kind = 0;
};

struct MoleculeLayout {
    int width = 0;
    int height = 0;
    std::vector<LaidAtom> atoms;
};

struct LayoutOptions {
    int maxSide = 11;
    long nodeLimit = 60000;
};

// A compact layout: every bond joins neighbouring cells, multiple bonds run
// along the axes, diagonal bonds do not cross, and each atom's stubs meet
// its partners' stubs. Empty when none was found within the limits.
std::optional<MoleculeLayout> layOutMolecule(const MoleculeGraph& g, const LayoutOptions& options = {});

// Everything wrong with a laid-out molecule read from its kinds alone:
// stubs that find no partner stub, elements with the wrong number of bonds,
// unknown pictures, crossing diagonal bonds, two atoms on one cell, atoms
// that do not form one molecule. Empty when it is sound.
std::vector<std::string> checkMoleculeLayout(const MoleculeLayout& layout);

// The element drawn by a picture number, if it is one.
std::optional<Element> elementOfPicture(int picture);

}  // namespace tarvik::plans
