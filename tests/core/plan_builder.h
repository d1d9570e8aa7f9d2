#pragma once

// Small boards for tests, drawn as text: '.' empty, '#' wall tile 0, '*' obstacle 51,
// '~' outside (168), 'A'..'Z' the atoms 1..26. Missing rows and columns are empty.

#include <initializer_list>
#include <string_view>

#include "core/plan_record.h"

namespace tarvik::testing {

inline PlanRecord boardOf(std::initializer_list<std::string_view> rows)
{
    PlanRecord plan;
    int row = 0;
    for (std::string_view line : rows) {
        for (int col = 0; col < static_cast<int>(line.size()) && col < kBoardSide; ++col) {
            const char c = line[static_cast<std::size_t>(col)];
            std::uint8_t code = 0;
            if (c == '#') code = 128;
            else if (c == '*') code = 51;
            else if (c == '~') code = 168;
            else if (c >= 'A' && c <= 'Z') code = static_cast<std::uint8_t>(c - 'A' + 1);
            plan.setCell(col, row, code);
        }
        ++row;
    }
    return plan;
}

inline void setSlot(PlanRecord& plan, int slot, int col, int row, AtomKind kind)
{
    plan.atomCol[slot] = static_cast<std::uint8_t>(col);
    plan.atomRow[slot] = static_cast<std::uint8_t>(row);
    plan.atomKind[slot] = kind;
}

inline void setMolecule(PlanRecord& plan, int width, int height)
{
    plan.molWidth = static_cast<std::uint8_t>(width);
    plan.molHeight = static_cast<std::uint8_t>(height);
}

}  // namespace tarvik::testing
