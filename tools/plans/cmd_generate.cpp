#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "deep_generator.h"
#include "generator_set.h"
#include "generator_source.h"
#include "start_climb.h"
#include "subcommand.h"

namespace tarvik::plans {
namespace {

constexpr int kPlansPerFile = 20;

// The recorded command must run again as it stands when pasted into a shell;
// molecule notation is full of '#', '(' and '='.
std::string shellWord(const std::string& word)
{
    const bool plain = !word.empty() && word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                                                  "0123456789-_.,/:+") == std::string::npos;
    if (plain) return word;
    std::string quoted = "'";
    for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

const char* movesWord(std::size_t moves) { return moves == 1 ? " move (" : " moves ("; }

bool readInt(const std::string& text, long low, long high, long& out)
{
    char* end = nullptr;
    out = std::strtol(text.c_str(), &end, 10);
    return end != text.c_str() && *end == '\0' && out >= low && out <= high;
}

PlanText textFor(const SetEntry& entry, const GeneratedPlan& plan)
{
    PlanText text;
    text.title = entry.molecule->english;
    text.german = breakName(entry.molecule->german);
    text.english = breakName(entry.molecule->english);
    auto graph = parseMolecule(entry.molecule->notation);
    std::ostringstream c;
    c << "generated entry " << entry.number << ": " << (graph ? molecularFormula(*graph) : "?") << ", " << entry.atoms << " atoms, "
      << plan.solution.size() << movesWord(plan.solution.size()) << plan.states << " states searched)"
      << (entry.breather ? ", a breather" : "");
    text.comments.push_back(c.str());
    text.comments.push_back(std::string("notation ") + entry.molecule->notation);
    return text;
}

int runSet(const Args& args)
{
    if (args.empty()) return usageError("generate", "expected an output folder");
    std::string folder = args[0];
    long firstFile = 1, lastFile = 999;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--files" && i + 2 < args.size() && readInt(args[i + 1], 1, 999, firstFile) && readInt(args[i + 2], 1, 999, lastFile)) {
            i += 2;
            continue;
        }
        return usageError("generate", "unexpected '" + args[i] + "'");
    }
    const auto schedule = shippedSetSchedule();
    int failures = 0;
    for (std::size_t start = 0; start < schedule.size(); start += kPlansPerFile) {
        long fileNumber = static_cast<long>(start / kPlansPerFile) + 1;
        if (fileNumber < firstFile || fileNumber > lastFile) continue;
        std::size_t stop = std::min(schedule.size(), start + kPlansPerFile);
        char name[64];
        std::snprintf(name, sizeof name, "plans-%03zu-%03zu.plan", start + 1, stop);
        std::ostringstream out;
        out << "# Entries " << start + 1 << " to " << stop
            << " of the generated set, written by 'tarvik-plans generate set'.\n"
               "# Each records its shortest solution, proven by the solver.\n\n";
        for (std::size_t k = start; k < stop; ++k) {
            const SetEntry& entry = schedule[k];
            auto plan = generateSetEntry(entry);
            if (!plan) {
                std::cerr << "plan " << entry.number << " (" << entry.molecule->english << "): no board found\n";
                ++failures;
                continue;
            }
            out << planSourceText(*plan, textFor(entry, *plan)) << "\n";
            std::cerr << "plan " << entry.number << ": " << entry.molecule->english << ", " << plan->solution.size() << " moves\n";
        }
        std::ofstream file(folder + "/" + name, std::ios::binary);
        file << out.str();
        if (!file) {
            std::cerr << "cannot write " << folder << "/" << name << "\n";
            return kExitFailed;
        }
    }
    return failures == 0 ? kExitOk : kExitFailed;
}

// The library's names for a molecule written the same way, if it has one.
const MoleculeEntry* libraryEntry(const std::string& notation)
{
    for (const MoleculeEntry& e : moleculeLibrary())
        if (notation == e.notation) return &e;
    return nullptr;
}

int runMolecule(const Args& args)
{
    if (args.empty()) return usageError("generate", "expected a molecule in line notation");
    std::string error;
    auto graph = parseMolecule(args[0], &error);
    if (!graph) return usageError("generate", "the molecule '" + args[0] + "' is not sound: " + error);
    auto layout = layOutMolecule(*graph, LayoutOptions{11, 400000});
    if (!layout) return usageError("generate", "the molecule cannot be laid out on the grid");
    long seed = 1, low = 1, high = 8, size = 9, height = -1, shape = 0, walls = -1, density = 40, climb = -1, states = -1;
    bool scatter = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        bool more = i + 1 < args.size();
        if (args[i] == "--seed" && more && readInt(args[i + 1], 0, 2147483647, seed)) ++i;
        else if (args[i] == "--min" && more && readInt(args[i + 1], 1, 200, low)) ++i;
        else if (args[i] == "--max" && more && readInt(args[i + 1], 1, 200, high)) ++i;
        else if (args[i] == "--size" && more && readInt(args[i + 1], 3, 13, size)) ++i;
        else if (args[i] == "--height" && more && readInt(args[i + 1], 3, 13, height)) ++i;
        else if (args[i] == "--shape" && more && readInt(args[i + 1], 0, static_cast<long>(BoardShape::Count) - 1, shape)) ++i;
        else if (args[i] == "--walls" && more && readInt(args[i + 1], 0, 40, walls)) ++i;
        else if (args[i] == "--density" && more && readInt(args[i + 1], 0, 100, density)) ++i;
        else if (args[i] == "--climb" && more && readInt(args[i + 1], 0, 100000, climb)) ++i;
        else if (args[i] == "--states" && more && readInt(args[i + 1], 1000, 50000000, states)) ++i;
        else if (args[i] == "--scatter") scatter = true;
        else
            return usageError("generate", "unexpected '" + args[i] + "'");
    }
    if (low > high) return usageError("generate", "--min is above --max");
    if (height < 0) height = size;
    const bool deep = !scatter && static_cast<int>(layout->atoms.size()) <= BackwardSearch::kMaxAtoms;
    if (climb < 0) climb = deep ? 80 : 0;
    if (states < 0) states = deep ? 400000 : 2000000;
    std::mt19937 rng(static_cast<std::uint32_t>(seed));
    std::optional<GeneratedPlan> plan;
    // Few atoms: the exact backward search shapes the board for depth. Many:
    // scattered starts measured by the forward solver.
    if (deep) {
        DeepOrder order;
        order.maze = MazeDesign{static_cast<BoardShape>(shape), static_cast<int>(size), static_cast<int>(height), static_cast<int>(density)};
        order.wallStyle = static_cast<int>(seed % 4);
        order.minMoves = static_cast<int>(low);
        order.maxMoves = static_cast<int>(high);
        order.climbSteps = static_cast<int>(climb);
        order.limits.maxStates = static_cast<std::size_t>(states);
        plan = generateDeepPlan(*layout, order, rng);
    } else {
        GenerationOrder request;
        request.board.shape = static_cast<BoardShape>(shape);
        request.board.width = static_cast<int>(size);
        request.board.height = static_cast<int>(height);
        request.board.obstacles = walls >= 0 ? static_cast<int>(walls) : static_cast<int>(density) / 5;
        request.minMoves = static_cast<int>(low);
        request.maxMoves = static_cast<int>(high);
        request.scatterMoves = static_cast<int>(high) + 2;
        request.wallStyle = static_cast<int>(seed % 4);
        request.limits = SolveLimits{1.0e9, static_cast<std::size_t>(states)};
        plan = generatePlan(*layout, request, rng);
        if (plan && climb > 0) {
            ClimbOrder deeper;
            deeper.steps = static_cast<int>(climb);
            deeper.maxMoves = static_cast<int>(high);
            deeper.limits.maxStates = static_cast<std::size_t>(states);
            plan = climbStart(*plan, deeper, rng);
        }
    }
    if (!plan) {
        std::cerr << "tarvik-plans generate: no board with a shortest solution of " << low << ".." << high << " moves found\n";
        return kExitFailed;
    }
    PlanText text;
    const MoleculeEntry* entry = libraryEntry(args[0]);
    text.title = entry ? entry->english : molecularFormula(*graph);
    text.english = entry ? breakName(entry->english) : std::vector<std::string>{molecularFormula(*graph)};
    text.german = entry ? breakName(entry->german) : std::vector<std::string>{molecularFormula(*graph)};
    std::ostringstream how;
    how << "generate molecule";
    for (const std::string& word : args) how << " " << shellWord(word);
    text.comments.push_back(how.str());
    std::ostringstream figures;
    figures << molecularFormula(*graph) << ", " << layout->atoms.size() << " atoms, " << plan->solution.size() << movesWord(plan->solution.size())
            << plan->states << " states searched)";
    text.comments.push_back(figures.str());
    std::cout << planSourceText(*plan, text);
    return kExitOk;
}

int run(const Args& args)
{
    if (!args.empty() && args[0] == "set") return runSet(Args(args.begin() + 1, args.end()));
    if (!args.empty() && args[0] == "molecule") return runMolecule(Args(args.begin() + 1, args.end()));
    return usageError("generate", "expected 'set' or 'molecule'");
}

const Subcommand command{"generate",
                         "generate set EMPTYDIR [--files A B] | molecule NOTATION [--min N --max N --size N --height N --shape N --density P --climb N --states N --walls N --scatter --seed N]",
                         run};

}  // namespace
}  // namespace tarvik::plans
