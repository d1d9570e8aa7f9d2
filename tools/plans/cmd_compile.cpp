#include <fstream>
#include <iostream>

#include "core/plan_catalogue.h"
#include "plan_compiler.h"
#include "subcommand.h"

namespace tarvik::plans {
namespace {

int run(const Args& args)
{
    std::vector<std::string> sources;
    std::string output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o") {
            if (i + 1 >= args.size() || !output.empty()) return usageError("compile", "'-o' needs one output file");
            output = args[++i];
        } else {
            sources.push_back(args[i]);
        }
    }
    if (sources.empty() || output.empty()) return usageError("compile", "expected sources and '-o FILE'");

    std::vector<std::uint8_t> data;
    int plans = 0;
    for (const std::string& path : sources) {
        std::vector<std::uint8_t> bytes;
        if (!plansrc::readFileBytes(path, bytes)) {
            std::cerr << path << ": cannot be read\n";
            return kExitFailed;
        }
        const auto parsed = plansrc::parsePlanSource(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), path);
        if (!parsed.ok()) {
            std::cerr << parsed.error << "\n";
            return kExitFailed;
        }
        for (const plansrc::PlanSource& source : parsed.plans) {
            PlanRecord record;
            std::string error;
            if (!plansrc::compilePlan(source, record, error)) {
                std::cerr << error << "\n";
                return kExitFailed;
            }
            const auto encoded = encodePlanRecord(record);
            data.insert(data.end(), encoded.begin(), encoded.end());
            ++plans;
        }
    }
    if (plans == 0) {
        std::cerr << "tarvik-plans compile: the sources hold no plan\n";
        return kExitFailed;
    }
    if (plans > kMaxPlans) {
        std::cerr << "tarvik-plans compile: " << plans << " plans, but the game reads at most 500\n";
        return kExitFailed;
    }
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    out.close();
    if (!out) {
        std::cerr << output << ": cannot be written\n";
        return kExitFailed;
    }
    return kExitOk;
}

const Subcommand command{"compile", "compile SRC... -o FILE   plan sources, in the order given, to a level data file",
                         run};

}  // namespace
}  // namespace tarvik::plans
