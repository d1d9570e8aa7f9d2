#include <iostream>

#include "level_file.h"
#include "subcommand.h"

namespace tarvik::plans {
namespace {

int run(const Args& args)
{
    if (args.size() != 1) return usageError("check", "expected one level data file");
    // The records as stored, before the loader mends them.
    const auto records = rawRecords(args[0], kMaxPlans);
    if (!records) return kExitFailed;
    int broken = 0;
    for (std::size_t i = 0; i < records->size(); ++i) {
        const auto problems = planRecordProblems((*records)[i]);
        if (problems.empty()) continue;
        ++broken;
        std::cout << "plan " << i + 1 << ": ";
        for (std::size_t p = 0; p < problems.size(); ++p) std::cout << (p ? "; " : "") << problems[p];
        std::cout << "\n";
    }
    return broken == 0 ? kExitOk : kExitFailed;
}

const Subcommand command{"check", "check FILE         exit 0 when every plan is well-formed, else list the broken ones",
                         run};

}  // namespace
}  // namespace tarvik::plans
