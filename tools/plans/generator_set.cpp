#include "generator_set.h"

#include <algorithm>
#include <cmath>

namespace tarvik::plans {

namespace {

struct Candidate {
    const MoleculeEntry* entry;
    MoleculeLayout layout;
    int atoms;
};

// Wanted shortest-solution length of a plan at position t (0..1) in the set.
int wantedLength(int index, double t, bool breather) {
    if (index < 3) return 1;  // the first plans teach a single push
    if (index < 6) return 2;
    if (index < 10) return 3;
    double length = 3.0 + 15.0 * std::pow(t, 0.9);
    if (breather) length = std::max(2.0, length * 0.45);
    return static_cast<int>(std::lround(length));
}

}  // namespace

std::vector<SetEntry> shippedSetSchedule(int planCount) {
    std::vector<Candidate> pool;
    for (const MoleculeEntry& e : moleculeLibrary()) {
        auto graph = parseMolecule(e.notation);
        if (!graph) continue;
        // The shipped layouts get a longer search for compactness.
        auto layout = layOutMolecule(*graph, LayoutOptions{11, 400000});
        if (!layout || layout->width > 9 || layout->height > 9) continue;
        pool.push_back({&e, *layout, static_cast<int>(graph->atoms.size())});
    }
    // Ascending size; molecules of one size in a scrambled library order so
    // that the families mix.
    std::vector<std::size_t> order(pool.size());
    for (std::size_t k = 0; k < order.size(); ++k) order[k] = k;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (pool[a].atoms != pool[b].atoms) return pool[a].atoms < pool[b].atoms;
        return (a * 37) % pool.size() < (b * 37) % pool.size();
    });
    std::vector<bool> used(pool.size(), false);
    int regularCount = 0;
    for (int i = 0; i < planCount; ++i)
        if (!(i >= 12 && i % 6 == 5)) ++regularCount;
    int regular = 0, lastAtoms = 2;
    std::vector<SetEntry> schedule;
    for (int i = 0; i < planCount; ++i) {
        double t = planCount > 1 ? static_cast<double>(i) / (planCount - 1) : 0.0;
        bool breather = i >= 12 && i % 6 == 5;
        std::size_t best = pool.size();
        if (!breather) {
            // Regular plans walk through the sizes evenly, smallest first.
            std::size_t at = regularCount > 1 ? static_cast<std::size_t>(std::lround(static_cast<double>(regular) * static_cast<double>(order.size() - 1) / (regularCount - 1))) : 0;
            for (std::size_t k = at; k < order.size() && best == pool.size(); ++k)
                if (!used[order[k]]) best = order[k];
            for (std::size_t k = at; k-- > 0 && best == pool.size();)
                if (!used[order[k]]) best = order[k];
            ++regular;
        } else {
            // A breather: an unused molecule about half the size of the last.
            int wanted = std::max(2, lastAtoms / 2);
            int bestScore = 1 << 30;
            for (std::size_t k = 0; k < order.size(); ++k) {
                if (used[order[k]]) continue;
                int score = std::abs(pool[order[k]].atoms - wanted) * 1000 + static_cast<int>((k * 131 + static_cast<std::size_t>(i)) % 997);
                if (score < bestScore) {
                    bestScore = score;
                    best = order[k];
                }
            }
        }
        if (best == pool.size()) break;
        used[best] = true;
        if (!breather) lastAtoms = pool[best].atoms;
        SetEntry entry;
        entry.number = i + 1;
        entry.molecule = pool[best].entry;
        entry.layout = pool[best].layout;
        entry.atoms = pool[best].atoms;
        entry.breather = breather;
        entry.seed = 7919u * static_cast<std::uint32_t>(i + 1) + 17u;
        int length = wantedLength(i, t, breather);
        GenerationOrder& request = entry.request;
        request.minMoves = i < 10 ? length : std::max(1, length - 1);
        request.maxMoves = i < 10 ? length : length + 2;
        // Big molecules get few scatter moves, so that the optimum stays provable.
        int slack = entry.atoms <= 8 ? length + 4 : entry.atoms <= 14 ? length / 2 + 3 : 2;
        request.scatterMoves = length + slack;
        int side = std::max(entry.layout.width, entry.layout.height);
        int room = std::clamp(side + 3 + static_cast<int>(std::lround(t * 4.0)) + (i % 3), 5, 13);
        if (i < 10) room = std::clamp(side + 2, 4, 7);
        request.board.width = room;
        request.board.height = std::clamp(room - (i % 4 == 1 ? 2 : 0), std::max(entry.layout.height + 2, 4), 13);
        request.board.shape = i < 10 ? BoardShape::Room : static_cast<BoardShape>((i * 7) % static_cast<int>(BoardShape::Count));
        request.board.obstacles = i < 3 ? 0 : std::min(2 + static_cast<int>(std::lround(t * 8.0)) + (i % 3), 12);
        request.board.mirror = i % 2 == 0;
        request.wallStyle = i % 4;
        request.attempts = 25;
        request.limits = SolveLimits{1.0e9, entry.atoms >= 16 ? 4'000'000u : 2'000'000u};
        schedule.push_back(std::move(entry));
    }
    return schedule;
}

std::optional<GeneratedPlan> generateSetEntry(const SetEntry& entry) {
    GenerationOrder request = entry.request;
    for (int round = 0; round < 6; ++round) {
        std::mt19937 rng(entry.seed + static_cast<std::uint32_t>(round) * 104729u);
        if (auto plan = generatePlan(entry.layout, request, rng)) return plan;
        // Nothing fitted: a bigger room, fewer walls, a wider range of lengths.
        request.board.width = std::min(request.board.width + 1, 13);
        request.board.height = std::min(request.board.height + 1, 13);
        request.board.obstacles = std::max(0, request.board.obstacles - 1);
        if (round % 2 == 1) request.board.shape = BoardShape::Room;
        request.minMoves = std::max(1, request.minMoves - 1);
        request.maxMoves += 1;
        request.scatterMoves = std::max(request.minMoves, request.scatterMoves - 1);
    }
    return std::nullopt;
}

}  // namespace tarvik::plans
