#include <fstream>
#include <iostream>

#include "level_file.h"
#include "plan_compiler.h"
#include "subcommand.h"

namespace tarvik::plans {
namespace {

int run(const Args& args)
{
    std::string input;
    std::string output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o") {
            if (i + 1 >= args.size() || !output.empty()) return usageError("decompile", "'-o' needs one output file");
            output = args[++i];
        } else if (input.empty()) {
            input = args[i];
        } else {
            return usageError("decompile", "expected one level data file");
        }
    }
    if (input.empty()) return usageError("decompile", "expected one level data file");

    std::vector<std::uint8_t> bytes;
    plansrc::readFileBytes(input, bytes);
    const auto records = rawRecords(input, kMaxPlans);
    if (!records) return kExitFailed;
    if (bytes.size() != records->size() * kPlanRecordSize) {
        std::cerr << "note: " << bytes.size() - records->size() * kPlanRecordSize
                  << " bytes after the last plan the game reads are left out\n";
    }

    std::string text = "# Decompiled from " + input + "\n";
    for (std::size_t i = 0; i < records->size(); ++i) text += "\n" + plansrc::decompilePlan((*records)[i], int(i + 1));
    if (output.empty()) {
        std::cout << text;
        return kExitOk;
    }
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::cerr << output << ": cannot be written\n";
        return kExitFailed;
    }
    return kExitOk;
}

const Subcommand command{"decompile", "decompile FILE [-o SRC]   a level data file back to plan source", run};

}  // namespace
}  // namespace tarvik::plans
