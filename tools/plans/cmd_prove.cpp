#include <atomic>
#include <chrono>
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <map>
#include <sstream>
#include <thread>

#include "level_file.h"
#include "solver_record.h"
#include "subcommand.h"

namespace tarvik::plans {
namespace {

// More than ten times what the hardest shipped plan stores (5 M states in
// 300 MB), and two proofs at a time still stay within about 8 GB.
constexpr std::size_t kStatesPerPlan = 60'000'000;

std::string joined(const NameLines& lines)
{
    std::string out;
    for (const NameLine& l : lines)
        if (!l.empty()) out += (out.empty() ? "" : " ") + nameLineUtf8(l);
    return out;
}

struct Proof {
    SolveResult result;
    int atoms = 0;
};

bool readNumber(const std::string& text, double& value)
{
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end != text.c_str() && *end == '\0' && value > 0.0 && value <= 1e7;
}

// Solves every plan of a level data file afresh and prints the table of
// plans: number, names, atoms, least moves, the time the proof took and
// the states it stored. The plans are shared out to worker threads one at
// a time, so a long proof on one thread does not hold up the others.
int run(const Args& args)
{
    double seconds = 600.0, jobsWanted = 2.0;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--time-limit" && i + 1 < args.size()) {
            if (!readNumber(args[++i], seconds)) return usageError("prove", "bad --time-limit");
        } else if (args[i] == "--jobs" && i + 1 < args.size()) {
            if (!readNumber(args[++i], jobsWanted) || jobsWanted != static_cast<int>(jobsWanted) || jobsWanted > 64)
                return usageError("prove", "bad --jobs");
        } else {
            files.push_back(args[i]);
        }
    }
    if (files.size() != 1) return usageError("prove", "expected one level data file");
    const auto catalogue = loadForTool(files[0]);
    if (!catalogue) return kExitFailed;

    const auto begin = std::chrono::steady_clock::now();
    std::vector<Proof> proofs(static_cast<std::size_t>(catalogue->planCount()));
    std::atomic<int> nextPlan{0};
    auto work = [&] {
        for (int i = nextPlan++; i < catalogue->planCount(); i = nextPlan++) {
            const PlanRecord& record = catalogue->plan(i + 1);
            Proof& proof = proofs[static_cast<std::size_t>(i)];
            for (std::uint8_t c : record.board) proof.atoms += isAtomCode(c);
            proof.result = solvePuzzle(puzzleFromRecord(record), SolveLimits{seconds, kStatesPerPlan});
        }
    };
    std::vector<std::thread> workers;
    for (int j = 1; j < static_cast<int>(jobsWanted); ++j) workers.emplace_back(work);
    work();
    for (std::thread& t : workers) t.join();
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();

    std::cout << "| Plan | Molecule (Deutsch) | Molecule (English) | Atoms | Least moves | Solver time (s) | States |\n"
                 "|---:|---|---|---:|---:|---:|---:|\n";
    double total = 0.0;
    std::size_t states = 0, expanded = 0;
    int unproven = 0, slowest = 0;
    std::map<int, int> depths;
    for (int n = 1; n <= catalogue->planCount(); ++n) {
        const PlanRecord& record = catalogue->plan(n);
        const SolveResult& r = proofs[static_cast<std::size_t>(n - 1)].result;
        total += r.seconds;
        if (r.seconds > proofs[static_cast<std::size_t>(slowest)].result.seconds) slowest = n - 1;
        states += r.statesStored;
        expanded += r.statesExpanded;
        std::ostringstream moves;
        if (r.status == SolveStatus::Solved) {
            moves << r.moves.size();
            ++depths[static_cast<int>(r.moves.size())];
        } else if (r.status == SolveStatus::Unsolvable) {
            moves << "unsolvable";
        } else {
            moves << "unproven";
            ++unproven;
        }
        std::cout << "| " << n << " | " << joined(record.germanName) << " | " << joined(record.englishName) << " | "
                  << proofs[static_cast<std::size_t>(n - 1)].atoms << " | " << moves.str() << " | " << std::fixed
                  << std::setprecision(3) << r.seconds << " | " << r.statesStored << " |\n";
    }
    auto atLeast = [&](int k) {
        int count = 0;
        for (auto [length, plans] : depths) count += length >= k ? plans : 0;
        return count;
    };
    std::cout << "\n" << catalogue->planCount() << " plans proven in " << std::fixed << std::setprecision(1) << total
              << " s of solver time, " << wall << " s on " << static_cast<int>(jobsWanted) << " threads (slowest plan "
              << slowest + 1 << ", " << std::setprecision(2) << proofs[static_cast<std::size_t>(slowest)].result.seconds << " s; "
              << states << " states stored, " << expanded << " expanded); " << unproven << " unproven.\n"
              << "Plans needing at least 20 moves: " << atLeast(20) << ", 30: " << atLeast(30) << ", 40: " << atLeast(40)
              << "; the hardest needs " << (depths.empty() ? 0 : depths.rbegin()->first) << ".\n";
    return unproven == 0 ? kExitOk : kExitFailed;
}

const Subcommand command{"prove", "prove FILE [--time-limit SECONDS] [--jobs N]   solve every plan again, N at a time (2), and print the table of plans", run};

}  // namespace
}  // namespace tarvik::plans
