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
// the progress file. The records are kept packed, at about a quarter of their size, and
// each is unpacked when asked for.
class PlanCatalogue {
public:
    PlanCatalogue() = default;
    explicit PlanCatalogue(std::vector<PlanRecord> plans);
    // Records as they lie in the level data file, whole ones only (a trailing piece is
    // ignored); the same plans as their decoded records would give.
    static PlanCatalogue fromFileRecords(std::span<const std::uint8_t> bytes);

    int planCount() const { return static_cast<int>(starts_.size()) - 1; }
    // n in 1..planCount(); throws std::out_of_range otherwise.
    PlanRecord plan(int n) const;
    // How many records needed mending on load.
    int mendedCount() const { return mended_; }

private:
    void add(std::span<const std::uint8_t, kPlanRecordSize> record);
    void finish();

    std::vector<std::uint8_t> packed_;
    // Where each record's packing starts in packed_, and one past the last.
    std::vector<std::uint32_t> starts_{0};
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
