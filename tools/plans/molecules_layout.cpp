#include "molecules_layout.h"

#include <algorithm>
#include <array>
#include <climits>
#include <map>
#include <set>

namespace tarvik::plans {

namespace {

constexpr std::array<Step, 8> kSteps{{{1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}, {0, 1}, {1, 1}}};

int directionOf(int dx, int dy) {
    for (int k = 0; k < 8; ++k)
        if (kSteps[static_cast<std::size_t>(k)].dx == dx && kSteps[static_cast<std::size_t>(k)].dy == dy) return k;
    return -1;
}

constexpr int kGrid = 40;
constexpr int kOrigin = 20;

class Embedder {
public:
    Embedder(const MoleculeGraph& g, const LayoutOptions& options) : g_(g), options_(options) {
        n_ = static_cast<int>(g.atoms.size());
        adjacency_.assign(static_cast<std::size_t>(n_), {});
        for (const auto& b : g.bonds) {
            adjacency_[static_cast<std::size_t>(b.a)].push_back({b.b, b.order});
            adjacency_[static_cast<std::size_t>(b.b)].push_back({b.a, b.order});
        }
        buildOrder();
        for (auto& col : cell_) col.fill(-1);
        for (auto& col : downRight_) col.fill(false);
        for (auto& col : downLeft_) col.fill(false);
        x_.assign(static_cast<std::size_t>(n_), 0);
        y_.assign(static_cast<std::size_t>(n_), 0);
        placed_.assign(static_cast<std::size_t>(n_), false);
    }

    std::optional<MoleculeLayout> run() {
        if (n_ == 0 || n_ > 50) return std::nullopt;
        int root = order_[0];
        put(root, kOrigin, kOrigin);
        minX_ = maxX_ = minY_ = maxY_ = kOrigin;
        search(1, 0);
        if (bestCost_ == LLONG_MAX) return std::nullopt;
        return best_;
    }

private:
    struct Edge {
        int to;
        int order;
    };

    void buildOrder() {
        // Heavy atoms in depth-first order from the most central one, so that
        // rings close soon after they are opened; hydrogens afterwards.
        std::vector<int> heavy;
        for (int a = 0; a < n_; ++a)
            if (g_.atoms[static_cast<std::size_t>(a)] != Element::H) heavy.push_back(a);
        if (heavy.empty()) heavy.push_back(0);
        int root = heavy[0];
        int bestEcc = INT_MAX;
        for (int a : heavy) {
            std::vector<int> dist(static_cast<std::size_t>(n_), -1);
            std::vector<int> queue{a};
            dist[static_cast<std::size_t>(a)] = 0;
            int ecc = 0;
            for (std::size_t q = 0; q < queue.size(); ++q) {
                int u = queue[q];
                ecc = std::max(ecc, dist[static_cast<std::size_t>(u)]);
                for (const Edge& e : adjacency_[static_cast<std::size_t>(u)])
                    if (dist[static_cast<std::size_t>(e.to)] < 0) {
                        dist[static_cast<std::size_t>(e.to)] = dist[static_cast<std::size_t>(u)] + 1;
                        queue.push_back(e.to);
                    }
            }
            if (ecc < bestEcc) {
                bestEcc = ecc;
                root = a;
            }
        }
        std::vector<bool> seen(static_cast<std::size_t>(n_), false);
        std::vector<int> stack{root};
        while (!stack.empty()) {
            int u = stack.back();
            stack.pop_back();
            if (seen[static_cast<std::size_t>(u)]) continue;
            seen[static_cast<std::size_t>(u)] = true;
            order_.push_back(u);
            for (auto it = adjacency_[static_cast<std::size_t>(u)].rbegin(); it != adjacency_[static_cast<std::size_t>(u)].rend(); ++it)
                if (!seen[static_cast<std::size_t>(it->to)] && (g_.atoms[static_cast<std::size_t>(it->to)] != Element::H || (heavy.size() == 1 && g_.atoms[static_cast<std::size_t>(u)] == Element::H)))
                    stack.push_back(it->to);
        }
        for (std::size_t i = 0, heavyCount = order_.size(); i < heavyCount; ++i)
            for (const Edge& e : adjacency_[static_cast<std::size_t>(order_[i])])
                if (!seen[static_cast<std::size_t>(e.to)]) {
                    seen[static_cast<std::size_t>(e.to)] = true;
                    order_.push_back(e.to);
                }
    }

    void put(int atom, int x, int y) {
        x_[static_cast<std::size_t>(atom)] = x;
        y_[static_cast<std::size_t>(atom)] = y;
        placed_[static_cast<std::size_t>(atom)] = true;
        cell_[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = atom;
    }
    void take(int atom) {
        cell_[static_cast<std::size_t>(x_[static_cast<std::size_t>(atom)])][static_cast<std::size_t>(y_[static_cast<std::size_t>(atom)])] = -1;
        placed_[static_cast<std::size_t>(atom)] = false;
    }

    // Marks or clears the diagonal bond between (x1,y1) and (x2,y2).
    void setDiagonal(int x1, int y1, int x2, int y2, bool on) {
        if (y2 < y1) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        if (x2 > x1)
            downRight_[static_cast<std::size_t>(x1)][static_cast<std::size_t>(y1)] = on;
        else
            downLeft_[static_cast<std::size_t>(x1)][static_cast<std::size_t>(y1)] = on;
    }
    bool diagonalCrosses(int x1, int y1, int x2, int y2) const {
        if (y2 < y1) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        if (x2 > x1)  // (x1,y1)-(x1+1,y1+1) crosses (x1+1,y1)-(x1,y1+1)
            return downLeft_[static_cast<std::size_t>(x1 + 1)][static_cast<std::size_t>(y1)];
        return downRight_[static_cast<std::size_t>(x1 - 1)][static_cast<std::size_t>(y1)];
    }

    int freeCells(int atom, bool axesOnly) const {
        int count = 0;
        for (int k = 0; k < 8; k += axesOnly ? 2 : 1) {
            int x = x_[static_cast<std::size_t>(atom)] + kSteps[static_cast<std::size_t>(k)].dx;
            int y = y_[static_cast<std::size_t>(atom)] + kSteps[static_cast<std::size_t>(k)].dy;
            if (cell_[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] < 0) ++count;
        }
        return count;
    }

    // Every placed atom must still have room for its partners to come.
    bool roomLeft() const {
        for (int a = 0; a < n_; ++a) {
            if (!placed_[static_cast<std::size_t>(a)]) continue;
            int waiting = 0, waitingMultiple = 0;
            for (const Edge& e : adjacency_[static_cast<std::size_t>(a)])
                if (!placed_[static_cast<std::size_t>(e.to)]) {
                    ++waiting;
                    if (e.order > 1) ++waitingMultiple;
                }
            if (waiting == 0) continue;
            if (freeCells(a, false) < waiting) return false;
            if (waitingMultiple > 0 && freeCells(a, true) < waitingMultiple) return false;
        }
        return true;
    }

    long long partialCost(int diagonals) const {
        long long w = maxX_ - minX_ + 1, h = maxY_ - minY_ + 1;
        return w * h * 16 + diagonals * 3 + (w > h ? w - h : h - w) * 2;
    }

    void search(int depth, int diagonals) {
        if (++nodes_ > options_.nodeLimit && bestCost_ != LLONG_MAX) return;
        if (nodes_ > options_.nodeLimit * 4) return;
        if (partialCost(diagonals) >= bestCost_) return;
        if (depth == n_) {
            record(diagonals);
            return;
        }
        int atom = order_[static_cast<std::size_t>(depth)];
        int parent = -1, parentOrder = 1;
        for (const Edge& e : adjacency_[static_cast<std::size_t>(atom)])
            if (placed_[static_cast<std::size_t>(e.to)]) {
                parent = e.to;
                parentOrder = e.order;
                break;
            }
        if (parent < 0) return;
        struct Candidate {
            int x, y;
            long long score;
        };
        std::array<Candidate, 8> candidates;
        int count = 0;
        int px = x_[static_cast<std::size_t>(parent)], py = y_[static_cast<std::size_t>(parent)];
        // Hydrogens lean away from the parent's other partners.
        int awayX = 0, awayY = 0;
        if (g_.atoms[static_cast<std::size_t>(atom)] == Element::H)
            for (const Edge& e : adjacency_[static_cast<std::size_t>(parent)])
                if (placed_[static_cast<std::size_t>(e.to)]) {
                    awayX += px - x_[static_cast<std::size_t>(e.to)];
                    awayY += py - y_[static_cast<std::size_t>(e.to)];
                }
        for (int k = 0; k < 8; ++k) {
            if (parentOrder > 1 && (k % 2) != 0) continue;
            int x = px + kSteps[static_cast<std::size_t>(k)].dx, y = py + kSteps[static_cast<std::size_t>(k)].dy;
            if (x < 1 || y < 1 || x >= kGrid - 1 || y >= kGrid - 1) continue;
            if (cell_[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] >= 0) continue;
            int nminX = std::min(minX_, x), nmaxX = std::max(maxX_, x), nminY = std::min(minY_, y), nmaxY = std::max(maxY_, y);
            if (nmaxX - nminX + 1 > options_.maxSide || nmaxY - nminY + 1 > options_.maxSide) continue;
            long long area = static_cast<long long>(nmaxX - nminX + 1) * (nmaxY - nminY + 1);
            long long score = area * 64 + (k % 2) * 8 - (kSteps[static_cast<std::size_t>(k)].dx * awayX + kSteps[static_cast<std::size_t>(k)].dy * awayY);
            candidates[static_cast<std::size_t>(count++)] = {x, y, score};
        }
        for (int i = 1; i < count; ++i)  // insertion sort: at most eight
            for (int j = i; j > 0 && candidates[static_cast<std::size_t>(j)].score < candidates[static_cast<std::size_t>(j - 1)].score; --j)
                std::swap(candidates[static_cast<std::size_t>(j)], candidates[static_cast<std::size_t>(j - 1)]);
        for (int c = 0; c < count; ++c) {
            int x = candidates[static_cast<std::size_t>(c)].x, y = candidates[static_cast<std::size_t>(c)].y;
            // Every placed partner must sit next to the new cell, along an axis
            // when the bond is multiple, without crossing a diagonal bond.
            bool ok = true;
            int newDiagonals = 0;
            for (const Edge& e : adjacency_[static_cast<std::size_t>(atom)]) {
                if (!placed_[static_cast<std::size_t>(e.to)]) continue;
                int dx = x_[static_cast<std::size_t>(e.to)] - x, dy = y_[static_cast<std::size_t>(e.to)] - y;
                int k = directionOf(dx, dy);
                if (k < 0 || (e.order > 1 && k % 2 != 0)) {
                    ok = false;
                    break;
                }
                if (k % 2 != 0) {
                    if (diagonalCrosses(x, y, x + dx, y + dy)) {
                        ok = false;
                        break;
                    }
                    ++newDiagonals;
                }
            }
            if (!ok) continue;
            put(atom, x, y);
            for (const Edge& e : adjacency_[static_cast<std::size_t>(atom)])
                if (placed_[static_cast<std::size_t>(e.to)] && e.to != atom) {
                    int ex = x_[static_cast<std::size_t>(e.to)], ey = y_[static_cast<std::size_t>(e.to)];
                    if (ex != x && ey != y) setDiagonal(x, y, ex, ey, true);
                }
            int sMinX = minX_, sMaxX = maxX_, sMinY = minY_, sMaxY = maxY_;
            minX_ = std::min(minX_, x);
            maxX_ = std::max(maxX_, x);
            minY_ = std::min(minY_, y);
            maxY_ = std::max(maxY_, y);
            if (roomLeft()) search(depth + 1, diagonals + newDiagonals);
            minX_ = sMinX;
            maxX_ = sMaxX;
            minY_ = sMinY;
            maxY_ = sMaxY;
            for (const Edge& e : adjacency_[static_cast<std::size_t>(atom)])
                if (placed_[static_cast<std::size_t>(e.to)] && e.to != atom) {
                    int ex = x_[static_cast<std::size_t>(e.to)], ey = y_[static_cast<std::size_t>(e.to)];
                    if (ex != x && ey != y) setDiagonal(x, y, ex, ey, false);
                }
            take(atom);
            if (nodes_ > options_.nodeLimit * 4) return;
        }
    }

    void record(int diagonals) {
        long long cost = partialCost(diagonals);
        // Hydrogens crowded by atoms other than their partner look wrong.
        for (int a = 0; a < n_; ++a) {
            if (g_.atoms[static_cast<std::size_t>(a)] != Element::H) continue;
            for (int k = 0; k < 8; ++k) {
                int c = cell_[static_cast<std::size_t>(x_[static_cast<std::size_t>(a)] + kSteps[static_cast<std::size_t>(k)].dx)]
                             [static_cast<std::size_t>(y_[static_cast<std::size_t>(a)] + kSteps[static_cast<std::size_t>(k)].dy)];
                if (c >= 0 && g_.bondOrder(a, c) == 0) cost += 1;
            }
        }
        if (cost >= bestCost_) return;
        bestCost_ = cost;
        MoleculeLayout layout;
        layout.width = maxX_ - minX_ + 1;
        layout.height = maxY_ - minY_ + 1;
        for (int a = 0; a < n_; ++a) {
            LaidAtom laid;
            laid.col = x_[static_cast<std::size_t>(a)] - minX_;
            laid.row = y_[static_cast<std::size_t>(a)] - minY_;
            std::int32_t mask = 0;
            for (const Edge& e : adjacency_[static_cast<std::size_t>(a)]) {
                int k = directionOf(x_[static_cast<std::size_t>(e.to)] - x_[static_cast<std::size_t>(a)],
                                    y_[static_cast<std::size_t>(e.to)] - y_[static_cast<std::size_t>(a)]);
                mask |= 1 << bondOverlay(k, e.order);
            }
            laid.kind = elementPicture(g_.atoms[static_cast<std::size_t>(a)]) | (mask << 8);
            layout.atoms.push_back(laid);
        }
        best_ = layout;
    }

    const MoleculeGraph& g_;
    LayoutOptions options_;
    int n_ = 0;
    std::vector<std::vector<Edge>> adjacency_;
    std::vector<int> order_;
    std::array<std::array<int, kGrid>, kGrid> cell_{};
    std::array<std::array<bool, kGrid>, kGrid> downRight_{};
    std::array<std::array<bool, kGrid>, kGrid> downLeft_{};
    std::vector<int> x_, y_;
    std::vector<bool> placed_;
    int minX_ = 0, maxX_ = 0, minY_ = 0, maxY_ = 0;
    long nodes_ = 0;
    long long bestCost_ = LLONG_MAX;
    MoleculeLayout best_;
};

}  // namespace

Step directionStep(int direction) { return kSteps[static_cast<std::size_t>(direction & 7)]; }

int bondOverlay(int direction, int order) {
    if (direction < 0 || direction > 7) return -1;
    if (order == 1) return direction;
    if (direction % 2 != 0) return -1;
    if (order == 2) return 8 + direction / 2;
    if (order == 3) return 12 + direction / 2;
    return -1;
}

std::optional<MoleculeLayout> layOutMolecule(const MoleculeGraph& g, const LayoutOptions& options) {
    Embedder embedder(g, options);
    return embedder.run();
}

std::optional<Element> elementOfPicture(int picture) {
    for (Element e : {Element::H, Element::C, Element::N, Element::O, Element::S, Element::P, Element::F, Element::Cl,
                      Element::Br, Element::I})
        if (elementPicture(e) == picture) return e;
    return std::nullopt;
}

std::vector<std::string> checkMoleculeLayout(const MoleculeLayout& layout) {
    std::vector<std::string> problems;
    std::map<std::pair<int, int>, std::size_t> at;
    auto where = [](const LaidAtom& a) { return "(" + std::to_string(a.col) + "," + std::to_string(a.row) + ")"; };
    for (std::size_t i = 0; i < layout.atoms.size(); ++i) {
        const LaidAtom& a = layout.atoms[i];
        if (!at.emplace(std::make_pair(a.col, a.row), i).second) problems.push_back("two atoms on cell " + where(a));
    }
    // Bond stubs by direction 0..7 with their order, for every atom.
    auto stubs = [](std::int32_t kind) {
        std::array<int, 8> order{};
        int mask = (kind >> 8) & 0xFFFF;
        for (int k = 0; k < 16; ++k) {
            if (!(mask & (1 << k))) continue;
            if (k < 8) order[static_cast<std::size_t>(k)] = order[static_cast<std::size_t>(k)] == 0 ? 1 : 9;
            else {
                int dir = ((k - 8) % 4) * 2;
                int o = k < 12 ? 2 : 3;
                order[static_cast<std::size_t>(dir)] = order[static_cast<std::size_t>(dir)] == 0 ? o : 9;
            }
        }
        return order;  // 9: two overlays on one side
    };
    std::set<std::pair<std::size_t, std::size_t>> bonds;
    for (std::size_t i = 0; i < layout.atoms.size(); ++i) {
        const LaidAtom& a = layout.atoms[i];
        int picture = a.kind & 0xFF;
        auto element = elementOfPicture(picture);
        if (a.kind <= 0 || !element) {
            problems.push_back("atom at " + where(a) + " has no element picture");
            continue;
        }
        auto order = stubs(a.kind);
        int sum = 0;
        for (int k = 0; k < 8; ++k) {
            int o = order[static_cast<std::size_t>(k)];
            if (o == 0) continue;
            if (o == 9) {
                problems.push_back("atom at " + where(a) + " has two bonds on one side");
                continue;
            }
            sum += o;
            Step s = kSteps[static_cast<std::size_t>(k)];
            auto it = at.find({a.col + s.dx, a.row + s.dy});
            if (it == at.end()) {
                problems.push_back("bond of atom at " + where(a) + " leads to no atom");
                continue;
            }
            auto partner = stubs(layout.atoms[it->second].kind);
            if (partner[static_cast<std::size_t>((k + 4) % 8)] != o) {
                problems.push_back("bond of atom at " + where(a) + " does not meet its partner's");
                continue;
            }
            bonds.insert({std::min(i, it->second), std::max(i, it->second)});
            if (k % 2 != 0) {
                // A diagonal crossing: the other diagonal of the same 2x2 square.
                int x0 = std::min(a.col, a.col + s.dx), y0 = std::min(a.row, a.row + s.dy);
                bool falling = (s.dx > 0) == (s.dy > 0);
                int cx = falling ? x0 + 1 : x0, cy = y0;
                int ex = falling ? x0 : x0 + 1, ey = y0 + 1;
                auto c1 = at.find({cx, cy});
                if (c1 != at.end() && at.count({ex, ey}) && falling) {
                    auto po = stubs(layout.atoms[c1->second].kind);
                    if (po[5] != 0) problems.push_back("diagonal bonds cross beside " + where(a));
                }
            }
        }
        if (!allowedValence(*element, sum))
            problems.push_back("atom " + std::string(elementSymbol(*element)) + " at " + where(a) + " has " +
                               std::to_string(sum) + " bonds");
        if (a.col < 0 || a.row < 0 || a.col >= layout.width || a.row >= layout.height)
            problems.push_back("atom at " + where(a) + " lies outside the molecule box");
    }
    // One molecule: the bonds must connect every atom.
    if (!layout.atoms.empty()) {
        std::vector<std::size_t> parent(layout.atoms.size());
        for (std::size_t i = 0; i < parent.size(); ++i) parent[i] = i;
        auto find = [&](std::size_t x) {
            while (parent[x] != x) x = parent[x] = parent[parent[x]];
            return x;
        };
        for (auto [a, b] : bonds) parent[find(a)] = find(b);
        std::size_t root = find(0);
        for (std::size_t i = 1; i < parent.size(); ++i)
            if (find(i) != root) {
                problems.push_back("the atoms do not form one molecule");
                break;
            }
    } else {
        problems.push_back("the molecule has no atoms");
    }
    return problems;
}

}  // namespace tarvik::plans
