// The open list of the forward searches: a stack per f and, within an f, per
// h, so that states are taken by least f and, among those, deepest first
// (least h), which reaches a goal at the final f soonest.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace tarvik::plans {

template <typename Entry>
class OpenList {
public:
    // The buckets are the caller's, so that a search can keep their room
    // from one solve to the next; they must start empty.
    explicit OpenList(std::vector<std::vector<Entry>>& buckets) : buckets_(buckets) {}

    void push(Entry entry, int f, int h)
    {
        const std::size_t b = static_cast<std::size_t>(f) * kHBuckets + static_cast<std::size_t>(std::min(h, kHBuckets - 1));
        if (buckets_.size() <= b) buckets_.resize(b + 1);
        buckets_[b].push_back(entry);
        if (b < lowest_) lowest_ = b;
    }
    // Takes an entry of the least f (and sets f); false when none is left.
    bool pop(Entry& entry, int& f)
    {
        while (lowest_ < buckets_.size() && buckets_[lowest_].empty()) ++lowest_;
        if (lowest_ >= buckets_.size()) return false;
        f = static_cast<int>(lowest_ / kHBuckets);
        entry = buckets_[lowest_].back();
        buckets_[lowest_].pop_back();
        return true;
    }

private:
    static constexpr int kHBuckets = 32;
    std::vector<std::vector<Entry>>& buckets_;
    std::size_t lowest_ = 0;
};

}  // namespace tarvik::plans
