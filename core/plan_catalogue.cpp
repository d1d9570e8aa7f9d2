#include "core/plan_catalogue.h"

#include <algorithm>
#include <fstream>

namespace tarvik {

PlanCatalogue::PlanCatalogue(std::vector<PlanRecord> plans) : plans_(std::move(plans))
{
    for (PlanRecord& plan : plans_) {
        if (makePlanRecordSafe(plan)) ++mended_;
    }
}

std::optional<PlanCatalogue> loadCatalogue(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::vector<PlanRecord> plans;
    std::array<std::uint8_t, kPlanRecordSize> block{};
    // One read per record; the 501st record is never read.
    while (static_cast<int>(plans.size()) < kMaxPlans) {
        file.read(reinterpret_cast<char*>(block.data()), static_cast<std::streamsize>(block.size()));
        if (file.gcount() != static_cast<std::streamsize>(block.size())) break;
        plans.push_back(decodePlanRecord(block));
    }
    if (plans.empty()) return std::nullopt;
    return PlanCatalogue(std::move(plans));
}

std::optional<PlanCatalogue> loadCatalogueFromBytes(std::span<const std::uint8_t> bytes)
{
    std::vector<PlanRecord> plans;
    // Exactly the records there are: grown one by one, the list would keep room
    // for a third as many again for the whole run.
    plans.reserve(std::min(bytes.size() / kPlanRecordSize, static_cast<std::size_t>(kMaxPlans)));
    for (std::size_t at = 0; at + kPlanRecordSize <= bytes.size() && plans.size() < kMaxPlans;
         at += kPlanRecordSize) {
        plans.push_back(decodePlanRecord(bytes.subspan(at).first<kPlanRecordSize>()));
    }
    if (plans.empty()) return std::nullopt;
    return PlanCatalogue(std::move(plans));
}

std::string levelDataPath(const std::string& folder)
{
    if (folder.empty()) return kLevelDataFileName;
    if (folder.back() == '/' || folder.back() == '\\') return folder + kLevelDataFileName;
    return folder + "/" + kLevelDataFileName;
}

}  // namespace tarvik
