#include "level_file.h"

#include <iostream>

#include "plan_compiler.h"
#include "text/messages.h"
#include "text/tongue.h"

namespace tarvik::plans {

std::optional<PlanCatalogue> loadForTool(const std::string& path)
{
    auto catalogue = loadCatalogue(path);
    if (!catalogue) std::cerr << fileErrorMessage(kTongueEnglish, path) << "\n";
    return catalogue;
}

std::optional<std::vector<PlanRecord>> rawRecords(const std::string& path, int limit)
{
    std::vector<std::uint8_t> bytes;
    std::vector<PlanRecord> records;
    if (plansrc::readFileBytes(path, bytes)) {
        for (std::size_t at = 0; at + kPlanRecordSize <= bytes.size() && static_cast<int>(records.size()) < limit;
             at += kPlanRecordSize) {
            records.push_back(decodePlanRecord(std::span<const std::uint8_t>(bytes).subspan(at).first<kPlanRecordSize>()));
        }
    }
    if (records.empty()) {
        std::cerr << fileErrorMessage(kTongueEnglish, path) << "\n";
        return std::nullopt;
    }
    return records;
}

}  // namespace tarvik::plans
