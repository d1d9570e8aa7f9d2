#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/plan_record.h"

namespace tarvik {

inline constexpr int kMaxPlans = 500;
inline constexpr const char* kLevelDataFileName = "vrel.dat";

// The loaded plans 1..planCount(), read-only after loading. Every record is made safe
// (makePlanRecordSafe) as it is loaded, but keeps its place, since plan numbers index
// the progress file.
class PlanCatalogue {
public:
    PlanCatalogue() = default;
    explicit PlanCatalogue(std::vector<PlanRecord> plans);

    int planCount() const { return static_cast<int>(plans_.size()); }
    // n in 1..planCount().
    const PlanRecord& plan(int n) const { return plans_.at(static_cast<std::size_t>(n - 1)); }
    // How many records needed mending on load.
    int mendedCount() const { return mended_; }

private:
    std::vector<PlanRecord> plans_;
    int mended_ = 0;
};

// Reads the level data file: whole 773-byte records, at most 500, a trailing piece ignored,
// nothing past the 500th record read. No whole record (missing, unreadable, empty or short
// file) gives nullopt; the caller shows fileErrorMessage(tongue, path) and ends.
std::optional<PlanCatalogue> loadCatalogue(const std::string& path);
std::optional<PlanCatalogue> loadCatalogueFromBytes(std::span<const std::uint8_t> bytes);

// The level data file's path in a folder (a separator is added when missing).
std::string levelDataPath(const std::string& folder);

}  // namespace tarvik
