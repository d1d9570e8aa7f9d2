#include "core/plan_record.h"

#include <algorithm>
#include <cstring>

namespace tarvik {

namespace {

constexpr std::size_t kNameFieldSize = 1 + kNameLineChars;
constexpr std::size_t kBoardOffset = 246;
constexpr std::size_t kColOffset = 471;
constexpr std::size_t kRowOffset = 521;
constexpr std::size_t kWidthOffset = 571;
constexpr std::size_t kHeightOffset = 572;
constexpr std::size_t kKindOffset = 573;

void decodeName(const std::uint8_t* at, NameLine& line)
{
    line.length = at[0];
    std::copy_n(at + 1, kNameLineChars, line.bytes.begin());
}

void encodeName(const NameLine& line, std::uint8_t* at)
{
    at[0] = line.length;
    std::copy_n(line.bytes.begin(), kNameLineChars, at + 1);
}

// Code points of bytes 0x80..0x9F; the undefined ones keep their own value.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t windows1252CodePoint(std::uint8_t byte)
{
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return byte;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool encodeCodePoint(char32_t cp, std::string& out)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        out += static_cast<char>(cp);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == cp) {
            out += static_cast<char>(0x80 + i);
            return true;
        }
    }
    return false;
}

std::string describeLine(const char* language, int index)
{
    return std::string(language) + " name line " + std::to_string(index + 1);
}

}  // namespace

std::string_view NameLine::text() const
{
    const std::size_t used = std::min<std::size_t>(length, kNameLineChars);
    return {reinterpret_cast<const char*>(bytes.data()), used};
}

void NameLine::setText(std::string_view windows1252)
{
    bytes.fill(0);
    const std::size_t used = std::min<std::size_t>(windows1252.size(), kNameLineChars);
    std::memcpy(bytes.data(), windows1252.data(), used);
    length = static_cast<std::uint8_t>(used);
}

const NameLines& PlanRecord::name(int tongue) const
{
    return tongue == 1 ? germanName : englishName;
}

PlanRecord decodePlanRecord(std::span<const std::uint8_t, kPlanRecordSize> bytes)
{
    PlanRecord r;
    const std::uint8_t* b = bytes.data();
    for (int i = 0; i < 3; ++i) {
        decodeName(b + kNameFieldSize * static_cast<std::size_t>(i), r.germanName[i]);
        decodeName(b + kNameFieldSize * static_cast<std::size_t>(3 + i), r.englishName[i]);
    }
    std::copy_n(b + kBoardOffset, kCellCount, r.board.begin());
    for (int k = 1; k <= kSlotCount; ++k) {
        r.atomCol[k] = b[kColOffset + k - 1];
        r.atomRow[k] = b[kRowOffset + k - 1];
        const std::uint8_t* v = b + kKindOffset + 4 * static_cast<std::size_t>(k - 1);
        const std::uint32_t u = static_cast<std::uint32_t>(v[0]) | (static_cast<std::uint32_t>(v[1]) << 8) |
                                (static_cast<std::uint32_t>(v[2]) << 16) | (static_cast<std::uint32_t>(v[3]) << 24);
        r.atomKind[k] = static_cast<AtomKind>(u);
    }
    r.molWidth = b[kWidthOffset];
    r.molHeight = b[kHeightOffset];
    return r;
}

std::array<std::uint8_t, kPlanRecordSize> encodePlanRecord(const PlanRecord& r)
{
    std::array<std::uint8_t, kPlanRecordSize> out{};
    std::uint8_t* b = out.data();
    for (int i = 0; i < 3; ++i) {
        encodeName(r.germanName[i], b + kNameFieldSize * static_cast<std::size_t>(i));
        encodeName(r.englishName[i], b + kNameFieldSize * static_cast<std::size_t>(3 + i));
    }
    std::copy_n(r.board.begin(), kCellCount, b + kBoardOffset);
    for (int k = 1; k <= kSlotCount; ++k) {
        b[kColOffset + k - 1] = r.atomCol[k];
        b[kRowOffset + k - 1] = r.atomRow[k];
        const auto u = static_cast<std::uint32_t>(r.atomKind[k]);
        std::uint8_t* v = b + kKindOffset + 4 * static_cast<std::size_t>(k - 1);
        v[0] = static_cast<std::uint8_t>(u);
        v[1] = static_cast<std::uint8_t>(u >> 8);
        v[2] = static_cast<std::uint8_t>(u >> 16);
        v[3] = static_cast<std::uint8_t>(u >> 24);
    }
    b[kWidthOffset] = r.molWidth;
    b[kHeightOffset] = r.molHeight;
    return out;
}

std::vector<std::string> planRecordProblems(const PlanRecord& r)
{
    std::vector<std::string> problems;
    const auto checkSide = [&](const char* what, int value) {
        if (value < 1 || value > kMaxMoleculeSide)
            problems.push_back(std::string(what) + " " + std::to_string(value) + " is outside 1..15");
    };
    checkSide("molWidth", r.molWidth);
    checkSide("molHeight", r.molHeight);
    for (int k = 1; k <= kSlotCount; ++k) {
        if (r.atomKind[k] == 0) continue;
        if (r.atomCol[k] >= r.molWidth || r.atomRow[k] >= r.molHeight) {
            problems.push_back("slot " + std::to_string(k) + " at column " + std::to_string(r.atomCol[k]) +
                               ", row " + std::to_string(r.atomRow[k]) + " lies outside the " +
                               std::to_string(r.molWidth) + " x " + std::to_string(r.molHeight) + " molecule");
        }
    }
    for (int i = 0; i < 3; ++i) {
        if (r.germanName[i].length > kNameLineChars)
            problems.push_back(describeLine("German", i) + " has length " + std::to_string(r.germanName[i].length) +
                               " (more than 40)");
        if (r.englishName[i].length > kNameLineChars)
            problems.push_back(describeLine("English", i) + " has length " +
                               std::to_string(r.englishName[i].length) + " (more than 40)");
    }
    return problems;
}

bool makePlanRecordSafe(PlanRecord& r)
{
    bool changed = false;
    const auto clampSide = [&](std::uint8_t& side) {
        const std::uint8_t safe = std::clamp<std::uint8_t>(side, 1, kMaxMoleculeSide);
        changed |= safe != side;
        side = safe;
    };
    clampSide(r.molWidth);
    clampSide(r.molHeight);
    for (NameLines* lines : {&r.germanName, &r.englishName}) {
        for (NameLine& line : *lines) {
            if (line.length > kNameLineChars) {
                line.length = kNameLineChars;
                changed = true;
            }
        }
    }
    return changed;
}

std::string windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) appendUtf8(out, windows1252CodePoint(static_cast<std::uint8_t>(c)));
    return out;
}

bool utf8ToWindows1252(std::string_view utf8, std::string& out)
{
    out.clear();
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<std::uint8_t>(utf8[i]);
        char32_t cp = 0;
        std::size_t extra = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            cp = lead & 0x1F;
            extra = 1;
        } else if ((lead & 0xF0) == 0xE0) {
            cp = lead & 0x0F;
            extra = 2;
        } else if ((lead & 0xF8) == 0xF0) {
            cp = lead & 0x07;
            extra = 3;
        } else {
            return false;
        }
        for (std::size_t j = 1; j <= extra; ++j) {
            if (i + j >= utf8.size()) return false;
            const auto next = static_cast<std::uint8_t>(utf8[i + j]);
            if ((next & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        // Overlong forms would let two spellings map to one byte.
        if ((extra == 1 && cp < 0x80) || (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000)) return false;
        if (!encodeCodePoint(cp, out)) return false;
        i += extra + 1;
    }
    return true;
}

}  // namespace tarvik
