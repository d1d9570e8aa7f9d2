#include "plan_source.h"

#include <charconv>
#include <cstdlib>

namespace tarvik::plansrc {

namespace {

struct ElementName {
    const char* symbol;
    int picture;
};
constexpr ElementName kElements[] = {
    {"H", kHydrogen}, {"O", kOxygen},  {"C", kCarbon},      {"N", kNitrogen}, {"S", kSulphur},
    {"F", kFluorine}, {"Cl", kChlorine}, {"Br", kBromine}, {"P", kPhosphorus}, {"J", kIodine},
};

// Bond words: '-' single in eight directions, '=' double and '%' triple in four.
struct BondName {
    const char* word;
    int bond;
};
constexpr BondName kBonds[] = {
    {"-r", kSingleRight}, {"-ur", kSingleUpRight}, {"-u", kSingleUp},   {"-ul", kSingleUpLeft},
    {"-l", kSingleLeft},  {"-dl", kSingleDownLeft}, {"-d", kSingleDown}, {"-dr", kSingleDownRight},
    {"=r", kDoubleRight}, {"=u", kDoubleUp},        {"=l", kDoubleLeft}, {"=d", kDoubleDown},
    {"%r", kTripleRight}, {"%u", kTripleUp},        {"%l", kTripleLeft}, {"%d", kTripleDown},
};

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

std::vector<std::string_view> words(std::string_view s)
{
    std::vector<std::string_view> out;
    s = trim(s);
    while (!s.empty()) {
        std::size_t end = s.find_first_of(" \t");
        if (end == std::string_view::npos) end = s.size();
        out.push_back(s.substr(0, end));
        s = trim(s.substr(end));
    }
    return out;
}

bool parseInt(std::string_view s, long long& value)
{
    if (s.empty()) return false;
    bool negative = false;
    if (s.front() == '-') {
        negative = true;
        s.remove_prefix(1);
    }
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    unsigned long long magnitude = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), magnitude, base);
    if (ec != std::errc() || end != s.data() + s.size() || s.empty()) return false;
    if (magnitude > 0xFFFFFFFFull) return false;
    value = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
    return true;
}

bool startsWithKeyword(std::string_view line, std::string_view keyword)
{
    return line.substr(0, keyword.size()) == keyword;
}

bool validGridChar(char c) { return c > ' ' && c < 127 && c != ':'; }

std::optional<LegendEntry> parseMeaning(std::string_view text, std::string& error)
{
    const auto w = words(text);
    if (w.empty()) {
        error = "legend entry without a meaning";
        return std::nullopt;
    }
    const auto number = [&](std::size_t i, long long lo, long long hi, long long& v) {
        if (w.size() != i + 1 || !parseInt(w[i], v) || v < lo || v > hi) {
            error = "'" + std::string(w[0]) + "' needs one number in " + std::to_string(lo) + ".." +
                    std::to_string(hi);
            return false;
        }
        return true;
    };
    LegendEntry e;
    long long v = 0;
    if (w[0] == "floor" && w.size() == 1) return e;
    if (w[0] == "outside" && w.size() == 1) return e.code = 168, e;
    if (w[0] == "obstacle" && w.size() == 1) return e.code = 51, e;
    if (w[0] == "wall") {
        if (!number(1, 0, 39, v)) return std::nullopt;
        e.code = static_cast<std::uint8_t>(128 + v);
        return e;
    }
    if (w[0] == "code") {
        if (!number(1, 0, 255, v)) return std::nullopt;
        if (v >= 1 && v <= 50) {
            error = "codes 1..50 are atoms: define them with 'atom'";
            return std::nullopt;
        }
        e.code = static_cast<std::uint8_t>(v);
        return e;
    }
    if (w[0] == "atom") {
        const auto kind = parseAtomKind(trim(text).substr(4), error);
        if (!kind) return std::nullopt;
        e.isAtom = true;
        e.kind = *kind;
        return e;
    }
    error = "unknown meaning '" + std::string(w[0]) + "' (floor, outside, obstacle, wall N, code N, atom ...)";
    return std::nullopt;
}

bool parseMove(std::string_view text, SolutionMove& move)
{
    const auto w = words(text);
    if (w.size() != 2) return false;
    const std::size_t comma = w[0].find(',');
    if (comma == std::string_view::npos) return false;
    long long x = 0;
    long long y = 0;
    if (!parseInt(w[0].substr(0, comma), x) || !parseInt(w[0].substr(comma + 1), y)) return false;
    if (x < 0 || x > 14 || y < 0 || y > 14) return false;
    const auto d = parseDirection(w[1]);
    if (!d) return false;
    move = {static_cast<int>(x), static_cast<int>(y), *d};
    return true;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

Legend defaultLegend()
{
    Legend legend;
    legend['.'] = LegendEntry{};
    legend['~'] = LegendEntry{false, 168, 0};
    legend['*'] = LegendEntry{false, 51, 0};
    legend['#'] = LegendEntry{false, 128, 0};
    return legend;
}

const char* directionName(Direction d)
{
    switch (d) {
    case Direction::Left: return "left";
    case Direction::Right: return "right";
    case Direction::Up: return "up";
    case Direction::Down: return "down";
    }
    return "?";
}

std::optional<Direction> parseDirection(std::string_view word)
{
    if (word == "left") return Direction::Left;
    if (word == "right") return Direction::Right;
    if (word == "up") return Direction::Up;
    if (word == "down") return Direction::Down;
    return std::nullopt;
}

std::optional<AtomKind> parseAtomKind(std::string_view text, std::string& error)
{
    const auto w = words(text);
    if (w.empty()) {
        error = "an atom needs an element (H, O, C, N, S, F, Cl, Br, P, J, pic N or kind N)";
        return std::nullopt;
    }
    long long v = 0;
    if (w[0] == "kind") {
        if (w.size() != 2 || !parseInt(w[1], v) || v < -2147483648LL || v > 0xFFFFFFFFLL || v == 0) {
            error = "'kind' needs one non-zero 32-bit number";
            return std::nullopt;
        }
        return static_cast<AtomKind>(static_cast<std::uint32_t>(static_cast<std::int64_t>(v)));
    }
    int picture = -1;
    std::size_t next = 1;
    if (w[0] == "pic") {
        if (w.size() < 2 || !parseInt(w[1], v) || v < 0 || v > 255) {
            error = "'pic' needs a picture number 0..255";
            return std::nullopt;
        }
        picture = static_cast<int>(v);
        next = 2;
    } else {
        for (const ElementName& e : kElements) {
            if (w[0] == e.symbol) picture = e.picture;
        }
        if (picture < 0) {
            error = "unknown element '" + std::string(w[0]) + "'";
            return std::nullopt;
        }
    }
    std::uint32_t mask = 0;
    for (std::size_t i = next; i < w.size(); ++i) {
        int bond = -1;
        for (const BondName& b : kBonds) {
            if (w[i] == b.word) bond = b.bond;
        }
        if (bond < 0) {
            error = "unknown bond '" + std::string(w[i]) + "' (-r -ur -u -ul -l -dl -d -dr =r =u =l =d %r %u %l %d)";
            return std::nullopt;
        }
        if (mask & (1u << bond)) {
            error = "bond '" + std::string(w[i]) + "' given twice";
            return std::nullopt;
        }
        mask |= 1u << bond;
    }
    const AtomKind kind = makeAtomKind(picture, mask);
    if (kind == 0) {
        error = "'pic 0' without bonds is no atom";
        return std::nullopt;
    }
    return kind;
}

std::string atomKindWords(AtomKind kind)
{
    const auto u = static_cast<std::uint32_t>(kind);
    if ((u >> 24) != 0) return "kind " + std::to_string(kind);
    std::string out;
    const int picture = atomPicture(kind);
    for (const ElementName& e : kElements) {
        if (e.picture == picture) out = e.symbol;
    }
    if (out.empty()) out = "pic " + std::to_string(picture);
    for (const BondName& b : kBonds) {
        if (hasBond(kind, b.bond)) out += std::string(" ") + b.word;
    }
    return out;
}

ParseResult parsePlanSource(std::string_view text, const std::string& fileName)
{
    ParseResult result;
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at <= text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    if (text.find('\0') != std::string_view::npos) {
        result.error = fileName + ": not a text file";
        return result;
    }

    Legend fileLegend = defaultLegend();
    PlanSource* plan = nullptr;
    std::size_t i = 0;
    const auto fail = [&](std::size_t lineIndex, const std::string& what) {
        result.error = fileName + ":" + std::to_string(lineIndex + 1) + ": " + what;
    };
    const auto legendLine = [&](std::string_view line, std::size_t lineIndex, Legend& legend) {
        // legend C = meaning
        std::string_view rest = trim(line.substr(6));
        if (rest.size() < 3 || !validGridChar(rest[0])) {
            fail(lineIndex, "expected 'legend C = meaning' with a printable character C other than ':'");
            return false;
        }
        const char c = rest[0];
        rest = trim(rest.substr(1));
        if (rest.empty() || rest[0] != '=') {
            fail(lineIndex, "expected '=' after the legend character");
            return false;
        }
        std::string error;
        const auto entry = parseMeaning(rest.substr(1), error);
        if (!entry) {
            fail(lineIndex, error);
            return false;
        }
        legend[c] = *entry;
        return true;
    };

    for (; i < lines.size(); ++i) {
        const std::string_view raw = lines[i];
        const std::string_view line = trim(raw);
        if (line.empty() || line[0] == '#') continue;

        if (!plan) {
            if (startsWithKeyword(line, "legend ")) {
                if (!legendLine(line, i, fileLegend)) return result;
            } else if (line == "plan" || startsWithKeyword(line, "plan ")) {
                result.plans.emplace_back();
                plan = &result.plans.back();
                plan->fileName = fileName;
                plan->line = static_cast<int>(i + 1);
                plan->title = std::string(trim(line.substr(4)));
                plan->legend = fileLegend;
            } else {
                fail(i, "expected 'plan' or 'legend', found '" + std::string(line) + "'");
                return result;
            }
            continue;
        }

        if (line == "end") {
            if (!plan->raw && (plan->board.empty() || plan->molecule.empty())) {
                fail(i, "a plan needs a 'board:' and a 'molecule:'");
                return result;
            }
            plan = nullptr;
        } else if (startsWithKeyword(line, "legend ")) {
            if (!legendLine(line, i, plan->legend)) return result;
        } else if (startsWithKeyword(line, "de:") || startsWithKeyword(line, "en:")) {
            auto& name = line[0] == 'd' ? plan->germanName : plan->englishName;
            if (name.size() == 3) {
                fail(i, "a name has at most three lines");
                return result;
            }
            name.emplace_back(trim(line.substr(3)));
        } else if (line == "board:") {
            if (!plan->board.empty()) {
                fail(i, "a second 'board:'");
                return result;
            }
            for (int row = 0; row < kBoardSide; ++row) {
                ++i;
                if (i >= lines.size()) {
                    fail(i - 1, "the board needs 15 rows");
                    return result;
                }
                const std::string_view r = trim(lines[i]);
                if (r.size() != static_cast<std::size_t>(kBoardSide)) {
                    fail(i, "a board row has exactly 15 characters, this one has " + std::to_string(r.size()));
                    return result;
                }
                plan->board.emplace_back(r);
            }
        } else if (line == "molecule:") {
            if (!plan->molecule.empty()) {
                fail(i, "a second 'molecule:'");
                return result;
            }
            while (i + 1 < lines.size()) {
                const std::string_view r = trim(lines[i + 1]);
                // Grid rows hold neither spaces nor ':', so a keyword line ends the block.
                if (r.empty() || r == "end" || r.find_first_of(" \t:") != std::string_view::npos) break;
                ++i;
                if (r.size() > static_cast<std::size_t>(kBoardSide)) {
                    fail(i, "a molecule row has at most 15 characters");
                    return result;
                }
                plan->molecule.emplace_back(r);
            }
            if (plan->molecule.empty()) {
                fail(i, "the molecule needs at least one row");
                return result;
            }
            if (plan->molecule.size() > static_cast<std::size_t>(kBoardSide)) {
                fail(i, "the molecule has at most 15 rows");
                return result;
            }
        } else if (startsWithKeyword(line, "solution:")) {
            std::string_view rest = line.substr(9);
            while (!trim(rest).empty()) {
                std::size_t end = rest.find(';');
                if (end == std::string_view::npos) end = rest.size();
                SolutionMove move;
                if (!parseMove(rest.substr(0, end), move)) {
                    fail(i, "a move is 'X,Y DIR' with X and Y in 0..14 and DIR left, right, up or down");
                    return result;
                }
                plan->solution.push_back(move);
                rest = end < rest.size() ? rest.substr(end + 1) : std::string_view{};
            }
        } else if (startsWithKeyword(line, "length:")) {
            const auto w = words(line.substr(7));
            long long v = 0;
            if (w.size() != 2 || !parseInt(w[0], v) || v < 0 || v > 100000 ||
                (w[1] != "optimal" && w[1] != "unproven")) {
                fail(i, "expected 'length: N optimal' or 'length: N unproven'");
                return result;
            }
            plan->solutionLength = static_cast<int>(v);
            plan->solutionOptimal = w[1] == "optimal";
        } else if (line == "raw:") {
            std::array<std::uint8_t, kPlanRecordSize> bytes{};
            std::size_t count = 0;
            int high = -1;
            while (i + 1 < lines.size() && trim(lines[i + 1]) != "end") {
                ++i;
                for (char c : lines[i]) {
                    if (c == ' ' || c == '\t' || c == '\r') continue;
                    const int v = hexValue(c);
                    if (v < 0 || count >= kPlanRecordSize) {
                        fail(i, v < 0 ? "a raw record holds only hex digits" : "a raw record has 773 bytes");
                        return result;
                    }
                    if (high < 0) {
                        high = v;
                    } else {
                        bytes[count++] = static_cast<std::uint8_t>(high * 16 + v);
                        high = -1;
                    }
                }
            }
            if (count != kPlanRecordSize || high >= 0) {
                fail(i, "a raw record has exactly 773 bytes, found " + std::to_string(count));
                return result;
            }
            plan->raw = bytes;
        } else {
            fail(i, "unknown line '" + std::string(line) + "'");
            return result;
        }
    }
    if (plan) {
        result.error = fileName + ":" + std::to_string(plan->line) + ": plan without 'end'";
        return result;
    }
    for (const PlanSource& p : result.plans) {
        if (p.solutionLength && !p.solution.empty() && *p.solutionLength != static_cast<int>(p.solution.size())) {
            result.error = fileName + ":" + std::to_string(p.line) + ": the solution has " +
                           std::to_string(p.solution.size()) + " moves but 'length:' says " +
                           std::to_string(*p.solutionLength);
            return result;
        }
    }
    return result;
}

}  // namespace tarvik::plansrc
