#include <cstdlib>
#include <iostream>

#include "level_file.h"
#include "solver_record.h"
#include "subcommand.h"

namespace tarvik::plans {
namespace {

constexpr int kExitUnknown = 3;

int run(const Args& args)
{
    std::string file;
    long planNumber = -1;
    double seconds = 600.0;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--time-limit") {
            if (i + 1 >= args.size()) return usageError("solve", "--time-limit needs a number of seconds");
            char* end = nullptr;
            seconds = std::strtod(args[i + 1].c_str(), &end);
            if (end == args[i + 1].c_str() || *end != '\0' || !(seconds > 0.0) || seconds > 1e7)
                return usageError("solve", "'" + args[i + 1] + "' is not a number of seconds");
            ++i;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2) return usageError("solve", "expected a level data file and a plan number");
    file = positional[0];
    char* end = nullptr;
    planNumber = std::strtol(positional[1].c_str(), &end, 10);
    if (end == positional[1].c_str() || *end != '\0') return usageError("solve", "'" + positional[1] + "' is not a plan number");
    const auto catalogue = loadForTool(file);
    if (!catalogue) return kExitFailed;
    if (planNumber < 1 || planNumber > catalogue->planCount())
        return usageError("solve", "plan " + positional[1] + " is not in 1.." + std::to_string(catalogue->planCount()));

    const SolveResult result = solvePuzzle(puzzleFromRecord(catalogue->plan(static_cast<int>(planNumber))),
                                           SolveLimits{seconds, 200'000'000});
    switch (result.status) {
    case SolveStatus::Solved:
        std::cout << "moves: " << result.moves.size() << "\n";
        for (const SolveMove& m : result.moves) std::cout << m.col << "," << m.row << " " << directionName(m.dir) << "\n";
        std::cerr << "solved in " << result.seconds << " s, " << result.statesStored << " states (" << result.statesExpanded
                  << " expanded, " << result.perimeterStates << " found backwards from the goals)\n";
        return kExitOk;
    case SolveStatus::Unsolvable:
        std::cout << "unsolvable\n";
        return kExitFailed;
    case SolveStatus::Unknown:
        break;
    }
    std::cout << "unknown\n";
    std::cerr << "stopped after " << result.seconds << " s, " << result.statesStored << " states\n";
    return kExitUnknown;
}

const Subcommand command{"solve", "solve FILE N [--time-limit SECONDS]   least moves that solve plan N", run};

}  // namespace
}  // namespace tarvik::plans
