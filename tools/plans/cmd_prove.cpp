#include <chrono>
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <sstream>

#include "level_file.h"
#include "solver_record.h"
#include "subcommand.h"

namespace tarvik::plans {
namespace {

std::string joined(const NameLines& lines)
{
    std::string out;
    for (const NameLine& l : lines)
        if (!l.empty()) out += (out.empty() ? "" : " ") + nameLineUtf8(l);
    return out;
}

// Solves every plan of a level data file afresh and prints the table of
// plans: number, names, atoms, least moves, the time the proof took and
// the states it stored.
int run(const Args& args)
{
    double seconds = 600.0;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--time-limit" && i + 1 < args.size()) {
            char* end = nullptr;
            seconds = std::strtod(args[i + 1].c_str(), &end);
            if (end == args[i + 1].c_str() || *end != '\0' || !(seconds > 0.0)) return usageError("prove", "bad --time-limit");
            ++i;
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 1) return usageError("prove", "expected one level data file");
    const auto catalogue = loadForTool(files[0]);
    if (!catalogue) return kExitFailed;
    std::cout << "| Plan | Molecule (Deutsch) | Molecule (English) | Atoms | Least moves | Solver time (s) | States |\n"
                 "|---:|---|---|---:|---:|---:|---:|\n";
    double total = 0.0, slowest = 0.0;
    std::size_t states = 0;
    int unproven = 0;
    for (int n = 1; n <= catalogue->planCount(); ++n) {
        const PlanRecord& record = catalogue->plan(n);
        const Puzzle puzzle = puzzleFromRecord(record);
        int atoms = 0;
        for (std::uint8_t c : record.board) atoms += isAtomCode(c);
        const SolveResult r = solvePuzzle(puzzle, SolveLimits{seconds, 200'000'000});
        total += r.seconds;
        slowest = std::max(slowest, r.seconds);
        states += r.statesStored;
        std::ostringstream moves;
        if (r.status == SolveStatus::Solved) moves << r.moves.size();
        else if (r.status == SolveStatus::Unsolvable) moves << "unsolvable";
        else {
            moves << "unproven";
            ++unproven;
        }
        std::cout << "| " << n << " | " << joined(record.germanName) << " | " << joined(record.englishName) << " | " << atoms << " | "
                  << moves.str() << " | " << std::fixed << std::setprecision(3) << r.seconds << " | " << r.statesStored << " |\n";
    }
    std::cout << "\n" << catalogue->planCount() << " plans proven in " << std::fixed << std::setprecision(1) << total
              << " s of solver time (slowest " << std::setprecision(2) << slowest << " s, " << states << " states in all); "
              << unproven << " unproven.\n";
    return unproven == 0 ? kExitOk : kExitFailed;
}

const Subcommand command{"prove", "prove FILE [--time-limit SECONDS]   solve every plan again and print the table of plans", run};

}  // namespace
}  // namespace tarvik::plans
