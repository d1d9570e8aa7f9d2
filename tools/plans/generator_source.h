// Writing generated plans as plan source text (docs/plan-format.md).
#pragma once

#include <string>
#include <vector>

#include "generator.h"

namespace tarvik::plans {

struct PlanText {
    std::string title;
    std::vector<std::string> german;   // name lines, UTF-8
    std::vector<std::string> english;
    std::vector<std::string> comments;  // written as '#' lines inside the plan
    bool optimal = true;                // the solution's length is proven least
};

// One plan from "plan" to "end": its legend, board, molecule, the recorded
// solution and its length.
std::string planSourceText(const GeneratedPlan& plan, const PlanText& text);

}  // namespace tarvik::plans
