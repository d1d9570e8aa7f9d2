#include <iostream>
#include <string>

#include "plan_compiler.h"
#include "plan_source.h"
#include "solver_record.h"
#include "subcommand.h"

namespace tarvik::plans {
namespace {

int run(const Args& args)
{
    if (args.empty()) return usageError("verify", "expected plan source files");
    int plans = 0, failed = 0, unproven = 0;
    for (const std::string& path : args) {
        std::vector<std::uint8_t> bytes;
        if (!plansrc::readFileBytes(path, bytes)) {
            std::cout << path << ": cannot be read\n";
            ++failed;
            continue;
        }
        const auto parsed = plansrc::parsePlanSource(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), path);
        if (!parsed.ok()) {
            std::cout << parsed.error << "\n";
            ++failed;
            continue;
        }
        for (const plansrc::PlanSource& source : parsed.plans) {
            ++plans;
            const std::string where = path + ":" + std::to_string(source.line) + ": ";
            if (!source.solutionLength) {
                std::cout << where << "no recorded solution length\n";
                ++failed;
                continue;
            }
            PlanRecord record;
            std::string error;
            if (!plansrc::compilePlan(source, record, error)) {
                std::cout << error << "\n";
                ++failed;
                continue;
            }
            std::vector<SolveMove> moves;
            for (const plansrc::SolutionMove& m : source.solution)
                moves.push_back({m.x, m.y, directionFromName(plansrc::directionName(m.direction))});
            if (static_cast<int>(moves.size()) != *source.solutionLength) {
                std::cout << where << "the solution has " << moves.size() << " moves, the recorded length is "
                          << *source.solutionLength << "\n";
                ++failed;
                continue;
            }
            const std::string problem = replayThroughCore(record, moves);
            if (!problem.empty()) {
                std::cout << where << problem << "\n";
                ++failed;
                continue;
            }
            if (!source.solutionOptimal) ++unproven;
        }
    }
    std::cout << plans << " plans, " << failed << " failed, " << unproven << " unproven\n";
    return failed == 0 ? kExitOk : kExitFailed;
}

const Subcommand command{"verify", "verify SRC...      replay every recorded solution through the game's core", run};

}  // namespace
}  // namespace tarvik::plans
