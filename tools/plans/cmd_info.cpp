#include <iostream>

#include "level_file.h"
#include "subcommand.h"

namespace tarvik::plans {
namespace {

std::string englishName(const PlanRecord& plan)
{
    std::string name;
    for (const NameLine& line : plan.englishName) {
        if (line.empty()) continue;
        if (!name.empty()) name += ' ';
        name += nameLineUtf8(line);
    }
    return name;
}

int run(const Args& args)
{
    if (args.size() != 1) return usageError("info", "expected one level data file");
    const auto catalogue = loadForTool(args[0]);
    if (!catalogue) return kExitFailed;
    std::cout << "plans: " << catalogue->planCount() << "\n";
    for (int n = 1; n <= catalogue->planCount(); ++n) {
        const PlanRecord& plan = catalogue->plan(n);
        int atoms = 0;
        for (int k = 1; k <= kSlotCount; ++k) atoms += plan.atomKind[k] != 0 && slotInMoleculeBox(plan, k);
        std::cout << n << ": " << int(plan.molWidth) << "x" << int(plan.molHeight) << ", " << atoms
                  << (atoms == 1 ? " atom, " : " atoms, ") << englishName(plan) << "\n";
    }
    return kExitOk;
}

const Subcommand command{"info", "info FILE          plan count, then number, molecule size, atoms and name of each plan",
                         run};

}  // namespace
}  // namespace tarvik::plans
