// The solver and the game's own core side by side: a plan record as the
// solver's puzzle, and replaying a solution through the core's handlers.
#pragma once

#include <string>
#include <vector>

#include "core/plan_record.h"
#include "solver.h"

namespace tarvik::plans {

// The record's start board, kinds and molecule pattern (of two slots on one
// cell the higher counts, as in the game). Expects a record made safe.
Puzzle puzzleFromRecord(const PlanRecord& record);

// The molecule of a record as a layout, for the chemistry checks.
MoleculeLayout moleculeOfRecord(const PlanRecord& record);

// Plays the moves through the core exactly as a player would with the mouse
// (button down on the atom, a 30-pixel move, button down again) and checks
// that every move slides the atom, that the plan is not solved before the
// last put-down and that it is solved after it. Empty when all holds,
// otherwise what went wrong.
std::string replayThroughCore(const PlanRecord& record, const std::vector<SolveMove>& moves);

// What `check --strict` adds to the record invariants: the molecule's
// chemistry and meeting stubs, and that the board holds exactly the atoms the
// molecule needs.
std::vector<std::string> strictPlanProblems(const PlanRecord& record);

}  // namespace tarvik::plans
