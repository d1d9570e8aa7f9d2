#pragma once

// Plan sources to records and back.

#include <string>
#include <vector>

#include "core/plan_record.h"
#include "plan_source.h"

namespace tarvik::plansrc {

// Slots are numbered in the molecule's row-major order; the board's atoms of one kind take
// that kind's slots in the board's row-major order. Returns false with `error` set
// ("file:line: what") when the plan cannot become a well-formed record.
bool compilePlan(const PlanSource& source, PlanRecord& record, std::string& error);

// Source text for one record that compiles back to exactly the same bytes; a record the
// compiler would never produce falls back to the raw form. `number` is only a title.
std::string decompilePlan(const PlanRecord& record, int number);

// Reads a whole file; false when it cannot be read.
bool readFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes);

}  // namespace tarvik::plansrc
