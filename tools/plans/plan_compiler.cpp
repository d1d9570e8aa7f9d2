#include "plan_compiler.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

namespace tarvik::plansrc {

namespace {

bool encodeName(const std::vector<std::string>& lines, NameLines& out, const char* language, std::string& error)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string bytes;
        if (!utf8ToWindows1252(lines[i], bytes)) {
            error = std::string(language) + " name line " + std::to_string(i + 1) +
                    " holds a character that Windows-1252 lacks";
            return false;
        }
        if (bytes.size() > static_cast<std::size_t>(kNameLineChars)) {
            error = std::string(language) + " name line " + std::to_string(i + 1) + " is longer than 40 characters";
            return false;
        }
        out[i].setText(bytes);
    }
    return true;
}

std::string where(const PlanSource& s) { return s.fileName + ":" + std::to_string(s.line) + ": "; }

std::string hexDump(const std::array<std::uint8_t, kPlanRecordSize>& bytes)
{
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 15];
        out += (i % 32 == 31 || i + 1 == bytes.size()) ? '\n' : ' ';
    }
    return out;
}

std::string rawForm(const PlanRecord& record, int number)
{
    return "plan " + std::to_string(number) + "\n# kept byte for byte\nraw:\n" + hexDump(encodePlanRecord(record)) +
           "end\n";
}

// Characters handed out to legend entries: atoms prefer letters (after their element's
// own letter), walls and other cells digits and signs.
constexpr std::string_view kAtomPool =
    "ABDEGIKMQRTUVWXYZabdeghikmqrtuvwxyzcfjlnops0123456789@$%&+=?!<>^/|()[]{}_\"';,`\\-CFHJLNOPS";
constexpr std::string_view kCellPool =
    "0123456789@$%&+=?!<>^/|()[]{}_\"';,`\\-ABDEGIKMQRTUVWXYZabdeghikmqrtuvwxyzcfjlnopsCFHJLNOPS";

char elementLetter(AtomKind kind)
{
    switch (atomPicture(kind)) {
    case kHydrogen: return 'H';
    case kOxygen: return 'O';
    case kCarbon: return 'C';
    case kNitrogen: return 'N';
    case kSulphur: return 'S';
    case kFluorine: return 'F';
    case kChlorine: return 'L';
    case kBromine: return 'B';
    case kPhosphorus: return 'P';
    case kIodine: return 'J';
    default: return 'X';
    }
}

}  // namespace

bool compilePlan(const PlanSource& s, PlanRecord& record, std::string& error)
{
    record = PlanRecord{};
    if (s.raw) {
        record = decodePlanRecord(*s.raw);
        return true;
    }
    if (!encodeName(s.germanName, record.germanName, "German", error) ||
        !encodeName(s.englishName, record.englishName, "English", error)) {
        error = where(s) + error;
        return false;
    }
    if (s.board.size() != static_cast<std::size_t>(kBoardSide) || s.molecule.empty()) {
        error = where(s) + "a plan needs a board of 15 rows and a molecule";
        return false;
    }

    const auto lookup = [&](char c, LegendEntry& entry) {
        const auto it = s.legend.find(c);
        if (it == s.legend.end()) return false;
        entry = it->second;
        return true;
    };

    std::size_t width = 0;
    for (const std::string& row : s.molecule) width = std::max(width, row.size());
    record.molWidth = static_cast<std::uint8_t>(width);
    record.molHeight = static_cast<std::uint8_t>(s.molecule.size());
    int slots = 0;
    for (std::size_t row = 0; row < s.molecule.size(); ++row) {
        for (std::size_t col = 0; col < s.molecule[row].size(); ++col) {
            const char c = s.molecule[row][col];
            if (c == '.') continue;
            LegendEntry entry;
            if (!lookup(c, entry) || !entry.isAtom) {
                error = where(s) + "molecule row " + std::to_string(row + 1) + ": '" + std::string(1, c) +
                        "' is not an atom of the legend";
                return false;
            }
            if (++slots > kSlotCount) {
                error = where(s) + "a molecule has at most 50 atoms";
                return false;
            }
            record.atomCol[slots] = static_cast<std::uint8_t>(col);
            record.atomRow[slots] = static_cast<std::uint8_t>(row);
            record.atomKind[slots] = entry.kind;
        }
    }

    std::array<bool, kSlotCount + 1> taken{};
    for (int row = 0; row < kBoardSide; ++row) {
        for (int col = 0; col < kBoardSide; ++col) {
            const char c = s.board[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
            LegendEntry entry;
            if (!lookup(c, entry)) {
                error = where(s) + "board row " + std::to_string(row + 1) + ", column " + std::to_string(col + 1) +
                        ": '" + std::string(1, c) + "' is not in the legend";
                return false;
            }
            if (!entry.isAtom) {
                record.setCell(col, row, entry.code);
                continue;
            }
            int slot = 0;
            for (int k = 1; k <= slots && slot == 0; ++k) {
                if (!taken[k] && record.atomKind[k] == entry.kind) slot = k;
            }
            if (slot == 0) {
                error = where(s) + "board row " + std::to_string(row + 1) + ", column " + std::to_string(col + 1) +
                        ": more '" + std::string(1, c) + "' atoms on the board than in the molecule";
                return false;
            }
            taken[slot] = true;
            record.setCell(col, row, static_cast<std::uint8_t>(slot));
        }
    }
    return true;
}

std::string decompilePlan(const PlanRecord& record, int number)
{
    // Attempt the readable form; keep it only if it compiles back to the same bytes.
    const int width = record.molWidth;
    const int height = record.molHeight;
    if (width < 1 || width > kBoardSide || height < 1 || height > kBoardSide) return rawForm(record, number);

    std::set<char> used = {'.', '~', '*', '#'};
    std::vector<std::pair<AtomKind, char>> atomChars;
    std::vector<std::pair<std::uint8_t, char>> cellChars = {{0, '.'}, {168, '~'}, {51, '*'}, {128, '#'}};
    const auto takeChar = [&](std::string_view pool) -> char {
        for (char c : pool) {
            if (!used.count(c)) {
                used.insert(c);
                return c;
            }
        }
        return 0;
    };
    const auto atomChar = [&](AtomKind kind) -> char {
        for (const auto& [k, c] : atomChars) {
            if (k == kind) return c;
        }
        const char letter = elementLetter(kind);
        const char mine[] = {letter, static_cast<char>(letter + 32), 0};
        char c = letter == 'X' ? 0 : takeChar(mine);
        if (!c) c = takeChar(kAtomPool);
        if (c) atomChars.emplace_back(kind, c);
        return c;
    };
    const auto cellChar = [&](std::uint8_t code) -> char {
        for (const auto& [k, c] : cellChars) {
            if (k == code) return c;
        }
        const char c = takeChar(kCellPool);
        if (c) cellChars.emplace_back(code, c);
        return c;
    };

    std::vector<std::string> molecule(static_cast<std::size_t>(height), std::string(static_cast<std::size_t>(width), '.'));
    for (int k = 1; k <= kSlotCount; ++k) {
        if (record.atomKind[k] == 0) continue;
        if (record.atomCol[k] >= width || record.atomRow[k] >= height) return rawForm(record, number);
        const char c = atomChar(record.atomKind[k]);
        if (!c) return rawForm(record, number);
        molecule[record.atomRow[k]][record.atomCol[k]] = c;
    }
    std::vector<std::string> board(kBoardSide, std::string(kBoardSide, '.'));
    for (int row = 0; row < kBoardSide; ++row) {
        for (int col = 0; col < kBoardSide; ++col) {
            const std::uint8_t code = record.cell(col, row);
            char c = 0;
            if (isAtomCode(code)) {
                if (record.atomKind[code] == 0) return rawForm(record, number);
                c = atomChar(record.atomKind[code]);
            } else {
                c = cellChar(code);
            }
            if (!c) return rawForm(record, number);
            board[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = c;
        }
    }

    std::ostringstream out;
    out << "plan " << number << "\n";
    for (const auto& [lines, key] : {std::pair{&record.germanName, "de:"}, std::pair{&record.englishName, "en:"}}) {
        int last = -1;
        for (int i = 0; i < 3; ++i) {
            if (!(*lines)[i].empty()) last = i;
        }
        for (int i = 0; i <= last; ++i) {
            const std::string text = nameLineUtf8((*lines)[i]);
            out << key << (text.empty() ? "" : " ") << text << "\n";
        }
    }
    for (const auto& [kind, c] : atomChars) out << "legend " << c << " = atom " << plansrc::atomKindWords(kind) << "\n";
    for (std::size_t i = 4; i < cellChars.size(); ++i) {
        const std::uint8_t code = cellChars[i].first;
        out << "legend " << cellChars[i].second << " = ";
        if (isWallCode(code)) out << "wall " << wallTile(code) << "\n";
        else out << "code " << static_cast<int>(code) << "\n";
    }
    out << "board:\n";
    for (const std::string& row : board) out << "  " << row << "\n";
    out << "molecule:\n";
    for (const std::string& row : molecule) out << "  " << row << "\n";
    out << "end\n";

    const std::string text = out.str();
    const ParseResult parsed = parsePlanSource(text, "decompiled");
    PlanRecord again;
    std::string error;
    if (!parsed.ok() || parsed.plans.size() != 1 || !compilePlan(parsed.plans[0], again, error) ||
        encodePlanRecord(again) != encodePlanRecord(record)) {
        return rawForm(record, number);
    }
    return text;
}

bool readFileBytes(const std::string& path, std::vector<std::uint8_t>& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace tarvik::plansrc
