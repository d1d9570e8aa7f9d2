#pragma once

// The human-readable plan source (docs/plan-format.md): parsing text into plans.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/atom_kind.h"
#include "core/plan_record.h"

namespace tarvik::plansrc {

// What one grid character stands for.
struct LegendEntry {
    bool isAtom = false;
    std::uint8_t code = 0;  // cell code when not an atom
    AtomKind kind = 0;      // atom kind when an atom
    bool operator==(const LegendEntry&) const = default;
};

using Legend = std::map<char, LegendEntry>;

// '.' floor, '~' outside (168), '*' obstacle (51), '#' wall tile 0.
Legend defaultLegend();

enum class Direction { Left, Right, Up, Down };

struct SolutionMove {
    int x = 0;
    int y = 0;
    Direction direction = Direction::Right;
    bool operator==(const SolutionMove&) const = default;
};

struct PlanSource {
    std::string fileName;
    int line = 0;                  // where "plan" stands
    std::string title;             // free text after "plan"
    std::vector<std::string> germanName;   // UTF-8, up to 3 lines
    std::vector<std::string> englishName;
    Legend legend;                 // defaults, then the file's, then the plan's own
    std::vector<std::string> board;        // 15 rows of 15 characters
    std::vector<std::string> molecule;     // rows, shorter ones padded with '.'
    std::vector<SolutionMove> solution;
    std::optional<int> solutionLength;
    bool solutionOptimal = false;
    std::optional<std::array<std::uint8_t, kPlanRecordSize>> raw;  // a record kept byte for byte
};

struct ParseResult {
    std::vector<PlanSource> plans;
    std::string error;  // "file:line: what", empty on success
    bool ok() const { return error.empty(); }
};

ParseResult parsePlanSource(std::string_view text, const std::string& fileName);

// "H -r =d", "pic 7", "kind 0x1234" and friends; nullopt with `error` set when malformed.
std::optional<AtomKind> parseAtomKind(std::string_view words, std::string& error);
// The words parseAtomKind reads back to the same kind.
std::string atomKindWords(AtomKind kind);

const char* directionName(Direction d);
std::optional<Direction> parseDirection(std::string_view word);

}  // namespace tarvik::plansrc
