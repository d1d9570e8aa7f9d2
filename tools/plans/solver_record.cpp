#include "solver_record.h"

#include <map>

#include "core/board_play.h"
#include "core/completion.h"
#include "core/molecule_pattern.h"
#include "core/quiet_ports.h"

namespace tarvik::plans {

Puzzle puzzleFromRecord(const PlanRecord& record) {
    Puzzle puzzle;
    puzzle.board = record.board;
    for (int n = 1; n <= kSlotCount; ++n) puzzle.kinds[static_cast<std::size_t>(n)] = record.atomKind[static_cast<std::size_t>(n)];
    puzzle.molWidth = record.molWidth;
    puzzle.molHeight = record.molHeight;
    MoleculePattern pattern = buildMoleculePattern(record);
    for (int row = 0; row < kBoardSide; ++row)
        for (int col = 0; col < kBoardSide; ++col) {
            int slot = pattern.at(col, row);
            if (slot != 0) puzzle.molecule.push_back({col, row, record.atomKind[static_cast<std::size_t>(slot)]});
        }
    return puzzle;
}

MoleculeLayout moleculeOfRecord(const PlanRecord& record) {
    MoleculeLayout layout;
    layout.width = record.molWidth;
    layout.height = record.molHeight;
    for (int n = 1; n <= kSlotCount; ++n)
        if (record.atomKind[static_cast<std::size_t>(n)] != 0)
            layout.atoms.push_back({record.atomCol[static_cast<std::size_t>(n)], record.atomRow[static_cast<std::size_t>(n)],
                                    record.atomKind[static_cast<std::size_t>(n)]});
    return layout;
}

std::string replayThroughCore(const PlanRecord& record, const std::vector<SolveMove>& moves) {
    QuietPorts quiet;
    BoardPlay play(quiet.ports(), 10);
    play.setUp(record);
    if (moves.empty()) return isMoleculeComplete(play.plan(), play.pattern()) ? "" : "no moves, and the plan is not solved";
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const SolveMove& m = moves[i];
        std::string which = "move " + std::to_string(i + 1) + " (" + std::to_string(m.col) + "," + std::to_string(m.row) + " " +
                            directionName(m.dir) + ")";
        if (!onBoard(m.col, m.row) || m.dir < 0 || m.dir > 3) return which + ": not a move";
        int x = m.col * kCellPixels + kCellPixels / 2, y = m.row * kCellPixels + kCellPixels / 2;
        if (play.mouseDown(x, y) != BoardPlay::DownResult::PickedUp) return which + ": no atom to pick up there";
        static constexpr int dx[] = {-1, 1, 0, 0}, dy[] = {0, 0, -1, 1};
        play.mouseMove(x + dx[m.dir] * kCellPixels, y + dy[m.dir] * kCellPixels);
        if (play.carriedCol() == m.col && play.carriedRow() == m.row) return which + ": the atom does not move";
        play.mouseDown(x, y);  // put down, wherever the click is
        bool solved = isMoleculeComplete(play.plan(), play.pattern());
        if (solved && i + 1 < moves.size()) return which + ": the plan is already solved before the last move";
        if (!solved && i + 1 == moves.size()) return which + ": the plan is not solved after the last move";
    }
    return "";
}

std::vector<std::string> strictPlanProblems(const PlanRecord& record) {
    std::vector<std::string> problems;
    MoleculeLayout molecule = moleculeOfRecord(record);
    for (std::string& p : checkMoleculeLayout(molecule)) problems.push_back("molecule: " + p);
    std::map<AtomKind, int> needed, present;
    for (const LaidAtom& a : molecule.atoms) ++needed[a.kind];
    for (std::uint8_t code : record.board)
        if (isAtomCode(code)) ++present[record.atomKind[code]];
    for (auto& [kind, count] : needed)
        if (present[kind] != count)
            problems.push_back("the board holds " + std::to_string(present[kind]) + " atoms of kind " + std::to_string(kind) +
                               " where the molecule needs " + std::to_string(count));
    if (record.germanName[0].empty() || record.englishName[0].empty())
        problems.push_back("the molecule needs a German and an English name");
    for (auto& [kind, count] : present)
        if (!needed.count(kind))
            problems.push_back("the board holds " + std::to_string(count) + " atoms of kind " + std::to_string(kind) +
                               " that the molecule does not use");
    return problems;
}

}  // namespace tarvik::plans
