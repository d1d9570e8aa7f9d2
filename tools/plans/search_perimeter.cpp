#include "search_perimeter.h"

#include <algorithm>
#include <array>

#include "reverse_slides.h"

namespace tarvik::plans {

GoalPerimeter::GoalPerimeter(const SearchModel& m) : m_(m), table_(m.atomCount)
{
    std::vector<std::uint8_t> goal(static_cast<std::size_t>(m.atomCount));
    for (int p = 0; p < m.placementCount; ++p) {
        for (int g = 0; g < m.groups(); ++g) {
            const std::uint8_t* t = m.targets(p, g);
            std::uint8_t* out = &goal[static_cast<std::size_t>(m.groupStart[static_cast<std::size_t>(g)])];
            std::copy(t, t + m.groupNeed[static_cast<std::size_t>(g)], out);
            std::sort(out, out + m.groupNeed[static_cast<std::size_t>(g)]);
        }
        std::uint64_t hash = m.hash(goal.data());
        if (table_.find(goal.data(), hash) != StateTable::kMissing) continue;
        table_.add(goal.data(), hash);
        distance_.push_back(0);
        next_.push_back(StateTable::kMissing);
        move_.push_back(0);
    }
}

void GoalPerimeter::build(std::size_t budget, std::chrono::steady_clock::time_point deadline)
{
    const int n = m_.atomCount;
    std::vector<std::uint8_t> state(static_cast<std::size_t>(n)), child(static_cast<std::size_t>(n));
    Occupancy occupied{};
    std::size_t checked = 0;
    if (table_.size() == 0) complete_ = true;
    while (!complete_ && table_.size() < budget) {
        const std::size_t layerEnd = table_.size();
        for (std::size_t index = layerBegin_; index < layerEnd; ++index) {
            if (table_.size() >= budget) return;
            if (++checked % 1024 == 0 && std::chrono::steady_clock::now() > deadline) return;
            const auto self = static_cast<std::uint32_t>(index);
            std::copy(table_.state(self), table_.state(self) + n, state.begin());
            m_.fillOccupied(state.data(), occupied);
            const std::uint64_t hash = m_.hash(state.data());
            for (int slot = 0; slot < n; ++slot) {
                const int at = state[static_cast<std::size_t>(slot)];
                const int group = m_.groupOfSlot[static_cast<std::size_t>(slot)];
                for (int dir = 0; dir < 4; ++dir)
                    forEachSlideOrigin(occupied, at, dir, [&](int from) {
                        std::copy(state.begin(), state.end(), child.begin());
                        m_.moveAtom(child.data(), slot, from);
                        const std::uint64_t childHash = hash ^ m_.key(group, at) ^ m_.key(group, from);
                        if (table_.find(child.data(), childHash) != StateTable::kMissing) return true;
                        table_.add(child.data(), childHash);
                        distance_.push_back(static_cast<std::uint8_t>(distance_[index] + 1));
                        next_.push_back(self);
                        move_.push_back(static_cast<std::uint16_t>(from * 4 + dir));
                        deepest_ = distance_.back();
                        return true;
                    });
            }
        }
        if (table_.size() == layerEnd) {
            complete_ = true;
            completeDepth_ = 255;
            return;
        }
        completeDepth_ = distance_[layerBegin_] + 1;
        layerBegin_ = layerEnd;
        if (completeDepth_ >= 250) return;
    }
}

int GoalPerimeter::find(const std::uint8_t* state, std::uint64_t hash, std::uint32_t& index) const
{
    index = table_.find(state, hash);
    return index == StateTable::kMissing ? -1 : distance_[index];
}

std::vector<SolveMove> GoalPerimeter::pathToGoal(std::uint32_t index) const
{
    std::vector<SolveMove> moves;
    for (; next_[index] != StateTable::kMissing; index = next_[index]) {
        int from = move_[index] / 4;
        moves.push_back({from % 15, from / 15, move_[index] % 4});
    }
    return moves;
}

}  // namespace tarvik::plans
