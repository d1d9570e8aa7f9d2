#pragma once

// Reading a level data file the way the game does, for the subcommands.

#include <optional>
#include <string>
#include <vector>

#include "core/plan_catalogue.h"
#include "core/plan_record.h"

namespace tarvik::plans {

// The catalogue the game would load, or nullopt after printing the game's English file
// error for `path` on stderr.
std::optional<PlanCatalogue> loadForTool(const std::string& path);

// The whole records of the file as they are (not made safe), at most `limit`; nullopt after
// printing the file error when there is none.
std::optional<std::vector<PlanRecord>> rawRecords(const std::string& path, int limit);

}  // namespace tarvik::plans
