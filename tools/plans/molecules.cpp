#include "molecules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>

namespace tarvik::plans {

namespace {

struct ElementInfo {
    Element element;
    std::string_view symbol;
    int picture;
    std::array<int, 3> valences;  // ascending, 0 = unused
};

constexpr std::array<ElementInfo, 10> kElements{{
    {Element::H, "H", 1, {1, 0, 0}},
    {Element::C, "C", 3, {4, 0, 0}},
    {Element::N, "N", 4, {3, 0, 0}},
    {Element::O, "O", 2, {2, 0, 0}},
    {Element::S, "S", 5, {2, 4, 6}},
    {Element::P, "P", 23, {3, 5, 0}},
    {Element::F, "F", 6, {1, 0, 0}},
    {Element::Cl, "Cl", 21, {1, 0, 0}},
    {Element::Br, "Br", 22, {1, 0, 0}},
    {Element::I, "I", 24, {1, 0, 0}},
}};

const ElementInfo& info(Element e) { return kElements[static_cast<std::size_t>(e)]; }

bool fail(std::string* error, std::string message) {
    if (error) *error = std::move(message);
    return false;
}

}  // namespace

int elementPicture(Element e) { return info(e).picture; }
std::string_view elementSymbol(Element e) { return info(e).symbol; }

bool allowedValence(Element e, int bonds) {
    for (int v : info(e).valences)
        if (v != 0 && v == bonds) return true;
    return false;
}

int MoleculeGraph::bondSum(int atom) const {
    int sum = 0;
    for (const auto& b : bonds)
        if (b.a == atom || b.b == atom) sum += b.order;
    return sum;
}

std::vector<int> MoleculeGraph::neighbours(int atom) const {
    std::vector<int> out;
    for (const auto& b : bonds) {
        if (b.a == atom) out.push_back(b.b);
        if (b.b == atom) out.push_back(b.a);
    }
    return out;
}

int MoleculeGraph::bondOrder(int a, int b) const {
    for (const auto& bond : bonds)
        if ((bond.a == a && bond.b == b) || (bond.a == b && bond.b == a)) return bond.order;
    return 0;
}

bool MoleculeGraph::connected() const {
    if (atoms.empty()) return false;
    std::vector<bool> seen(atoms.size(), false);
    std::vector<int> stack{0};
    seen[0] = true;
    std::size_t count = 1;
    while (!stack.empty()) {
        int a = stack.back();
        stack.pop_back();
        for (int n : neighbours(a))
            if (!seen[static_cast<std::size_t>(n)]) {
                seen[static_cast<std::size_t>(n)] = true;
                ++count;
                stack.push_back(n);
            }
    }
    return count == atoms.size();
}

std::optional<MoleculeGraph> parseMolecule(std::string_view text, std::string* error) {
    MoleculeGraph g;
    std::vector<bool> bracketed;
    std::vector<int> branchStack;
    std::array<int, 10> ringAtom;
    std::array<int, 10> ringOrder{};
    ringAtom.fill(-1);
    int previous = -1;
    int pendingOrder = 0;
    auto addBond = [&](int a, int b, int order) -> bool {
        if (a == b || g.bondOrder(a, b) != 0) return fail(error, "an atom bonded twice to the same partner");
        g.bonds.push_back({a, b, order});
        return true;
    };
    std::size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '-' || c == '=' || c == '#') {
            if (pendingOrder != 0) return fail(error, "two bond signs in a row"), std::nullopt;
            pendingOrder = c == '-' ? 1 : c == '=' ? 2 : 3;
            ++i;
        } else if (c == '(') {
            if (previous < 0) return fail(error, "a branch without an atom before it"), std::nullopt;
            branchStack.push_back(previous);
            ++i;
        } else if (c == ')') {
            if (branchStack.empty() || pendingOrder != 0)
                return fail(error, "an unbalanced ')'"), std::nullopt;
            previous = branchStack.back();
            branchStack.pop_back();
            ++i;
        } else if (c >= '1' && c <= '9') {
            if (previous < 0) return fail(error, "a ring digit without an atom"), std::nullopt;
            int d = c - '0';
            int order = pendingOrder == 0 ? 1 : pendingOrder;
            pendingOrder = 0;
            if (ringAtom[static_cast<std::size_t>(d)] < 0) {
                ringAtom[static_cast<std::size_t>(d)] = previous;
                ringOrder[static_cast<std::size_t>(d)] = order;
            } else {
                int other = ringAtom[static_cast<std::size_t>(d)];
                int o = std::max(order, ringOrder[static_cast<std::size_t>(d)]);
                if (!addBond(other, previous, o)) return std::nullopt;
                ringAtom[static_cast<std::size_t>(d)] = -1;
            }
            ++i;
        } else {
            bool bracket = c == '[';
            std::size_t j = bracket ? i + 1 : i;
            std::optional<Element> element;
            std::size_t len = 0;
            for (const auto& e : kElements) {
                if (text.substr(j, e.symbol.size()) == e.symbol && e.symbol.size() > len) {
                    element = e.element;
                    len = e.symbol.size();
                }
            }
            if (!element) return fail(error, std::string("an unknown symbol at '") + c + "'"), std::nullopt;
            j += len;
            if (bracket) {
                if (j >= text.size() || text[j] != ']') return fail(error, "a '[' without ']'"), std::nullopt;
                ++j;
            }
            int atom = static_cast<int>(g.atoms.size());
            g.atoms.push_back(*element);
            bracketed.push_back(bracket || *element == Element::H);
            if (previous >= 0) {
                if (!addBond(previous, atom, pendingOrder == 0 ? 1 : pendingOrder)) return std::nullopt;
            } else if (pendingOrder != 0) {
                return fail(error, "a bond sign without an atom before it"), std::nullopt;
            }
            pendingOrder = 0;
            previous = atom;
            i = j;
        }
    }
    if (g.atoms.empty()) return fail(error, "no atoms"), std::nullopt;
    if (!branchStack.empty()) return fail(error, "an unclosed '('"), std::nullopt;
    if (pendingOrder != 0) return fail(error, "a bond sign at the end"), std::nullopt;
    for (int r : ringAtom)
        if (r >= 0) return fail(error, "an unclosed ring"), std::nullopt;

    std::size_t heavy = g.atoms.size();
    for (std::size_t a = 0; a < heavy; ++a) {
        int sum = g.bondSum(static_cast<int>(a));
        if (bracketed[a]) {
            if (!allowedValence(g.atoms[a], sum))
                return fail(error, std::string("atom ") + std::string(elementSymbol(g.atoms[a])) +
                                       " with " + std::to_string(sum) + " bonds"),
                       std::nullopt;
            continue;
        }
        int target = 0;
        for (int v : info(g.atoms[a]).valences)
            if (v >= sum) {
                target = v;
                break;
            }
        if (target == 0)
            return fail(error, std::string("atom ") + std::string(elementSymbol(g.atoms[a])) + " with " +
                                   std::to_string(sum) + " bonds"),
                   std::nullopt;
        for (int h = sum; h < target; ++h) {
            int hydrogen = static_cast<int>(g.atoms.size());
            g.atoms.push_back(Element::H);
            g.bonds.push_back({static_cast<int>(a), hydrogen, 1});
        }
    }
    if (!g.connected()) return fail(error, "the atoms do not form one molecule"), std::nullopt;
    return g;
}

std::string molecularFormula(const MoleculeGraph& g) {
    std::map<std::string_view, int> count;
    for (Element e : g.atoms) ++count[elementSymbol(e)];
    std::string out;
    auto put = [&](std::string_view sym) {
        auto it = count.find(sym);
        if (it == count.end()) return;
        out += sym;
        if (it->second > 1) out += std::to_string(it->second);
        count.erase(it);
    };
    if (count.count("C")) {
        put("C");
        put("H");
    }
    for (auto& [sym, n] : count) {
        out += sym;
        if (n > 1) out += std::to_string(n);
    }
    return out;
}

int utf8Length(std::string_view s) {
    int n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::vector<std::string> breakName(std::string_view name) {
    std::vector<std::string> pieces;  // forced lines first
    std::size_t start = 0;
    while (true) {
        std::size_t bar = name.find('|', start);
        pieces.emplace_back(name.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    std::vector<std::string> lines;
    for (const std::string& piece : pieces) {
        std::string rest = piece;
        while (utf8Length(rest) > 40) {
            // The last space or hyphen that leaves a line of at most 40.
            std::size_t cut = std::string::npos;
            int chars = 0;
            for (std::size_t k = 0; k < rest.size() && chars < 41; ++k) {
                if ((static_cast<unsigned char>(rest[k]) & 0xC0) != 0x80) ++chars;
                if (chars <= 40 && rest[k] == ' ') cut = k;
                if (chars <= 40 && rest[k] == '-') cut = k + 1;
            }
            if (cut == std::string::npos || cut == 0) return {};
            std::string line = rest.substr(0, cut);
            while (!line.empty() && line.back() == ' ') line.pop_back();
            lines.push_back(line);
            rest = rest.substr(cut);
            while (!rest.empty() && rest.front() == ' ') rest.erase(rest.begin());
        }
        lines.push_back(rest);
    }
    if (lines.size() > 3) return {};
    return lines;
}

}  // namespace tarvik::plans
