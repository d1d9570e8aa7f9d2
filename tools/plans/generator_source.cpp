#include "generator_source.h"

#include <map>
#include <sstream>

namespace tarvik::plans {

namespace {

// Legend words of a kind, in the source's atom notation.
std::string kindWords(std::int32_t kind) {
    static const char* const bondWords[16] = {"-r", "-ur", "-u", "-ul", "-l", "-dl", "-d", "-dr",
                                              "=r", "=u", "=l", "=d", "%r", "%u", "%l", "%d"};
    auto element = elementOfPicture(kind & 0xFF);
    std::string out = element ? (*element == Element::I ? std::string("J") : std::string(elementSymbol(*element)))
                              : "pic " + std::to_string(kind & 0xFF);
    for (int b = 0; b < 16; ++b)
        if (kind & (1 << (8 + b))) out += std::string(" ") + bondWords[b];
    return out;
}

// Walls keep one character per tile wherever they can, so that boards read alike.
char wallChar(int tile) {
    switch (tile) {
    case 0: return '#';
    case 24: return 'o';
    case 25: return '=';
    case 26: return '|';
    case 27: return '`';
    case 28: return '\'';
    case 29: return ',';
    case 30: return ';';
    case 31: return '+';
    case 32: return '^';
    case 33: return '<';
    case 34: return 'v';
    case 35: return '>';
    case 36: return '!';
    case 37: return '?';
    case 38: return '&';
    case 39: return 'x';
    default: return 0;
    }
}

}  // namespace

std::string planSourceText(const GeneratedPlan& plan, const PlanText& text) {
    const Puzzle& p = plan.puzzle;
    std::map<std::int32_t, char> kindChar;
    std::map<int, char> tileChar;
    std::string used = ".~*#o=|`',;+^<v>!?&x";
    auto takeFree = [&](const std::string& wishes) {
        for (char c : wishes)
            if (used.find(c) == std::string::npos) {
                used += c;
                return c;
            }
        return '\0';
    };
    // Atom letters: the element's own letter for the first kind of it, then others.
    auto atomChar = [&](std::int32_t kind) {
        auto it = kindChar.find(kind);
        if (it != kindChar.end()) return it->second;
        auto element = elementOfPicture(kind & 0xFF);
        std::string wishes;
        if (element) {
            switch (*element) {
            case Element::Cl: wishes = "LlKk"; break;
            case Element::Br: wishes = "BbRr"; break;
            case Element::I: wishes = "Jj"; break;
            default: {
                char s = elementSymbol(*element)[0];
                wishes = std::string(1, s) + std::string(1, static_cast<char>(s - 'A' + 'a'));
            }
            }
        }
        wishes += "ABCDEFGHIJKLMNPQRSTUWYZabcdefghijklmnpqrstuwyz0123456789";
        char c = takeFree(wishes);
        kindChar[kind] = c;
        return c;
    };
    for (const LaidAtom& a : p.molecule) atomChar(a.kind);
    for (int n = 1; n <= 50; ++n)
        if (p.kinds[static_cast<std::size_t>(n)] != 0) atomChar(p.kinds[static_cast<std::size_t>(n)]);
    std::vector<std::string> board(15, std::string(15, '.'));
    for (int c = 0; c < 225; ++c) {
        int v = p.board[static_cast<std::size_t>(c)];
        char ch = '.';
        if (v >= 1 && v <= 50) {
            ch = kindChar[p.kinds[static_cast<std::size_t>(v)]];
        } else if (v >= 168) {
            ch = '~';
        } else if (v >= 128) {
            int tile = v - 128;
            auto it = tileChar.find(tile);
            if (it != tileChar.end()) {
                ch = it->second;
            } else {
                ch = wallChar(tile);
                if (ch == 0) ch = takeFree("@$%/\\[]{}()_0123456789");
                tileChar[tile] = ch;
            }
        } else if (v >= 51) {
            ch = '*';
        }
        board[static_cast<std::size_t>(c / 15)][static_cast<std::size_t>(c % 15)] = ch;
    }
    std::vector<std::string> molecule(static_cast<std::size_t>(p.molHeight), std::string(static_cast<std::size_t>(p.molWidth), '.'));
    for (const LaidAtom& a : p.molecule) molecule[static_cast<std::size_t>(a.row)][static_cast<std::size_t>(a.col)] = kindChar[a.kind];

    std::ostringstream out;
    out << "plan " << text.title << "\n";
    for (const std::string& c : text.comments) out << "# " << c << "\n";
    for (const std::string& l : text.german) out << "de: " << l << "\n";
    for (const std::string& l : text.english) out << "en: " << l << "\n";
    for (auto& [kind, c] : kindChar) out << "legend " << c << " = atom " << kindWords(kind) << "\n";
    for (auto& [tile, c] : tileChar)
        if (c != '#') out << "legend " << c << " = wall " << tile << "\n";
    out << "board:\n";
    for (const std::string& row : board) out << "  " << row << "\n";
    out << "molecule:\n";
    for (const std::string& row : molecule) out << "  " << row << "\n";
    if (!plan.solution.empty()) {
        out << "solution:";
        for (std::size_t i = 0; i < plan.solution.size(); ++i)
            out << (i ? "; " : " ") << plan.solution[i].col << "," << plan.solution[i].row << " " << directionName(plan.solution[i].dir);
        out << "\n";
    }
    out << "length: " << plan.solution.size() << (text.optimal ? " optimal" : " unproven") << "\n";
    out << "end\n";
    return out.str();
}

}  // namespace tarvik::plans
