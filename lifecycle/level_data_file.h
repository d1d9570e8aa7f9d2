#pragma once

#include "core/plan_catalogue.h"

#include <QString>

#include <optional>

namespace tarvik {

// Loads the level data file through the platform's own file names, so a
// folder with letters outside ASCII works on every system. Reads at most 500
// whole records; nullopt when the file cannot be opened or holds no whole record.
std::optional<PlanCatalogue> loadLevelDataFile(const QString& path);

}  // namespace tarvik
