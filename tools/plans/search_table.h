// A set of search states of one fixed byte length, numbered 0, 1, 2, ... in the
// order they were added, found again by their hash.
//
// For searches that store millions of small states: the states lie end to end
// in one arena (no allocation per state), the index is an open-addressed table
// of 8-byte slots holding the state number and 32 bits of its hash, so most
// misses are decided without touching the arena. Callers keep whatever they
// know about a state in their own arrays under the same number. For a few
// hundred states a std::set is simpler and fast enough.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tarvik::plans {

class StateTable {
public:
    static constexpr std::uint32_t kMissing = UINT32_MAX;

    explicit StateTable(int stateBytes) : bytes_(static_cast<std::size_t>(stateBytes)), slots_(1 << 12, 0), mask_((1 << 12) - 1) {}

    std::size_t size() const { return count_; }
    const std::uint8_t* state(std::uint32_t index) const { return &arena_[index * bytes_]; }
    std::size_t memoryBytes() const { return arena_.capacity() + lowHashes_.capacity() * 4 + slots_.capacity() * 8; }

    std::uint32_t find(const std::uint8_t* s, std::uint64_t hash) const
    {
        const std::uint64_t tag = hash >> 32 << 32;
        for (std::size_t slot = hash & mask_;; slot = (slot + 1) & mask_) {
            std::uint64_t v = slots_[slot];
            if (v == 0) return kMissing;
            if ((v & ~0xffffffffull) == tag) {
                std::uint32_t index = static_cast<std::uint32_t>(v) - 1;
                if (same(state(index), s)) return index;
            }
        }
    }

    // Adds a state that find() has just missed; returns its number.
    std::uint32_t add(const std::uint8_t* s, std::uint64_t hash)
    {
        if ((count_ + 1) * 2 > slots_.size()) grow();
        std::uint32_t index = static_cast<std::uint32_t>(count_++);
        arena_.resize(arena_.size() + bytes_);
        std::uint8_t* out = &arena_[index * bytes_];
        for (std::size_t i = 0; i < bytes_; ++i) out[i] = s[i];
        lowHashes_.push_back(static_cast<std::uint32_t>(hash));
        place(hash, index);
        return index;
    }

private:
    // States are a few bytes and the 32-bit tag has already matched, so
    // they are nearly always equal: a plain loop beats a call to memcmp.
    bool same(const std::uint8_t* a, const std::uint8_t* b) const
    {
        for (std::size_t i = 0; i < bytes_; ++i)
            if (a[i] != b[i]) return false;
        return true;
    }
    void place(std::uint64_t hash, std::uint32_t index) { put(hash & mask_, (hash >> 32 << 32) | (static_cast<std::uint64_t>(index) + 1)); }
    void put(std::size_t slot, std::uint64_t value)
    {
        while (slots_[slot] != 0) slot = (slot + 1) & mask_;
        slots_[slot] = value;
    }
    // The slot keeps the high half of the hash, the low half is kept aside:
    // together they place every state again without hashing it anew.
    void grow()
    {
        std::vector<std::uint64_t> old(slots_.size() * 2, 0);
        old.swap(slots_);
        mask_ = slots_.size() - 1;
        for (std::uint64_t v : old)
            if (v != 0) put(lowHashes_[static_cast<std::uint32_t>(v) - 1] & mask_, v);
    }

    std::size_t bytes_;
    std::size_t count_ = 0;
    std::vector<std::uint8_t> arena_;
    std::vector<std::uint32_t> lowHashes_;
    std::vector<std::uint64_t> slots_;
    std::size_t mask_;
};

}  // namespace tarvik::plans
