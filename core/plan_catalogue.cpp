#include "core/plan_catalogue.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <stdexcept>

#include "core/byte_runs.h"

namespace tarvik {

PlanCatalogue::PlanCatalogue(std::vector<PlanRecord> plans)
{
    for (PlanRecord& plan : plans) {
        if (makePlanRecordSafe(plan)) ++mended_;
        add(encodePlanRecord(plan));
    }
    finish();
}

PlanCatalogue PlanCatalogue::fromFileRecords(std::span<const std::uint8_t> bytes)
{
    PlanCatalogue catalogue;
    // Room for what plans usually pack to; finish() gives back what is left over.
    catalogue.packed_.reserve(bytes.size() / 3);
    catalogue.starts_.reserve(bytes.size() / kPlanRecordSize + 1);
    for (std::size_t at = 0; at + kPlanRecordSize <= bytes.size(); at += kPlanRecordSize) {
        const auto record = bytes.subspan(at).first<kPlanRecordSize>();
        PlanRecord plan = decodePlanRecord(record);
        if (makePlanRecordSafe(plan)) {
            ++catalogue.mended_;
            catalogue.add(encodePlanRecord(plan));
        } else {
            // A sound record is packed as it lies: encoding its decoded form gives the same bytes.
            catalogue.add(record);
        }
    }
    catalogue.finish();
    return catalogue;
}

void PlanCatalogue::add(std::span<const std::uint8_t, kPlanRecordSize> record)
{
    packByteRuns(record, packed_);
    starts_.push_back(static_cast<std::uint32_t>(packed_.size()));
}

void PlanCatalogue::finish()
{
    // Grown piece by piece, the packing would keep room for up to as much again.
    packed_.shrink_to_fit();
    starts_.shrink_to_fit();
}

PlanRecord PlanCatalogue::plan(int n) const
{
    if (n < 1 || n > planCount()) throw std::out_of_range("plan " + std::to_string(n) + " is not in the catalogue");
    const auto from = starts_[static_cast<std::size_t>(n - 1)];
    const auto to = starts_[static_cast<std::size_t>(n)];
    std::array<std::uint8_t, kPlanRecordSize> record{};
    // Only what add() packed is ever read back, so it always unpacks whole.
    unpackByteRuns(std::span(packed_).subspan(from, to - from), record);
    return decodePlanRecord(record);
}

std::optional<PlanCatalogue> loadCatalogue(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    // Nothing past the 500th record is read.
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(kMaxPlans) * kPlanRecordSize);
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return loadCatalogueFromBytes(bytes);
}

std::optional<PlanCatalogue> loadCatalogueFromBytes(std::span<const std::uint8_t> bytes)
{
    const std::size_t whole = std::min(bytes.size() / kPlanRecordSize, static_cast<std::size_t>(kMaxPlans));
    if (whole == 0) return std::nullopt;
    return PlanCatalogue::fromFileRecords(bytes.first(whole * kPlanRecordSize));
}

std::string levelDataPath(const std::string& folder)
{
    if (folder.empty()) return kLevelDataFileName;
    if (folder.back() == '/' || folder.back() == '\\') return folder + kLevelDataFileName;
    return folder + "/" + kLevelDataFileName;
}

}  // namespace tarvik
