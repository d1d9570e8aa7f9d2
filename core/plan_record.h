#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/atom_kind.h"
#include "core/cell_codes.h"

namespace tarvik {

inline constexpr std::size_t kPlanRecordSize = 773;
inline constexpr int kSlotCount = 50;
inline constexpr int kNameLineChars = 40;
inline constexpr int kMaxMoleculeSide = 15;

// One name line as stored: a length byte and 40 character bytes (Windows-1252).
// All 40 bytes are kept so that a record is written back exactly as it was read.
struct NameLine {
    std::uint8_t length = 0;
    std::array<std::uint8_t, kNameLineChars> bytes{};

    // The used bytes (at most 40, even when the length byte claims more).
    std::string_view text() const;
    // Stores up to 40 bytes of Windows-1252 text and zeroes the rest.
    void setText(std::string_view windows1252);
    bool empty() const { return length == 0; }
    bool operator==(const NameLine&) const = default;
};

using NameLines = std::array<NameLine, 3>;

// One construction plan, field by field. Slot arrays are indexed 1..50; index 0 is unused.
// The type is trivially copyable, so switching plans is a plain copy.
struct PlanRecord {
    NameLines germanName{};
    NameLines englishName{};
    std::array<std::uint8_t, kCellCount> board{};
    std::array<std::uint8_t, kSlotCount + 1> atomCol{};
    std::array<std::uint8_t, kSlotCount + 1> atomRow{};
    std::uint8_t molWidth = 1;
    std::uint8_t molHeight = 1;
    std::array<AtomKind, kSlotCount + 1> atomKind{};

    std::uint8_t cell(int col, int row) const { return board[cellIndex(col, row)]; }
    void setCell(int col, int row, std::uint8_t code) { board[cellIndex(col, row)] = code; }
    // The name lines of the language: German for tongue 1, English otherwise.
    const NameLines& name(int tongue) const;

    bool operator==(const PlanRecord&) const = default;
};

// Exact little-endian layout; decode(encode(r)) == r and encode(decode(b)) == b.
PlanRecord decodePlanRecord(std::span<const std::uint8_t, kPlanRecordSize> bytes);
std::array<std::uint8_t, kPlanRecordSize> encodePlanRecord(const PlanRecord& record);

// What breaks the invariants of a well-formed record, one readable line each; empty when sound.
std::vector<std::string> planRecordProblems(const PlanRecord& record);

// Makes a record safe to play without moving it: molWidth and molHeight clamped to 1..15,
// name lines cut to 40. A used slot outside the molecule box keeps its kind, because the
// board atom of that number still needs it to be drawn; the pattern and the hint leave
// such a slot out (slotInMoleculeBox). Returns true when something had to change.
bool makePlanRecordSafe(PlanRecord& record);

// Whether slot 1..50 lies inside the molWidth x molHeight box and on the board. Only such
// slots belong to the molecule that is searched for and hinted at.
constexpr bool slotInMoleculeBox(const PlanRecord& record, int slot)
{
    const int col = record.atomCol[static_cast<std::size_t>(slot)];
    const int row = record.atomRow[static_cast<std::size_t>(slot)];
    return col < record.molWidth && row < record.molHeight && onBoard(col, row);
}

// Name bytes are Windows-1252 on every platform. The five undefined bytes map to the
// C1 control characters of the same value so that every byte string round-trips.
std::string windows1252ToUtf8(std::string_view bytes);
// False when the text is not valid UTF-8 or holds a character the code page lacks.
bool utf8ToWindows1252(std::string_view utf8, std::string& out);

// A name line decoded to UTF-8 for showing.
inline std::string nameLineUtf8(const NameLine& line) { return windows1252ToUtf8(line.text()); }

}  // namespace tarvik
