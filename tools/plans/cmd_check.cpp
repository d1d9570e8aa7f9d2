#include <iostream>

#include "level_file.h"
#include "solver_record.h"
#include "subcommand.h"

namespace tarvik::plans {
namespace {

int run(const Args& args)
{
    const bool strict = !args.empty() && args[0] == "--strict";
    if (args.size() != (strict ? 2u : 1u)) return usageError("check", "expected one level data file");
    // The records as stored, before the loader mends them.
    const auto records = rawRecords(args.back(), kMaxPlans);
    if (!records) return kExitFailed;
    int broken = 0;
    for (std::size_t i = 0; i < records->size(); ++i) {
        auto problems = planRecordProblems((*records)[i]);
        if (strict && problems.empty())
            for (std::string& p : strictPlanProblems((*records)[i])) problems.push_back(std::move(p));
        if (problems.empty()) continue;
        ++broken;
        std::cout << "plan " << i + 1 << ": ";
        for (std::size_t p = 0; p < problems.size(); ++p) std::cout << (p ? "; " : "") << problems[p];
        std::cout << "\n";
    }
    return broken == 0 ? kExitOk : kExitFailed;
}

const Subcommand command{"check", "check [--strict] FILE   exit 0 when every plan is well-formed (--strict: and chemically sound), else list the broken ones",
                         run};

}  // namespace
}  // namespace tarvik::plans
