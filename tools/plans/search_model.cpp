#include "search_model.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace tarvik::plans {

namespace {


bool isAtom(std::uint8_t code) { return code >= 1 && code <= 50; }

std::uint64_t splitMix(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

std::uint64_t SearchModel::hash(const std::uint8_t* state) const
{
    std::uint64_t h = 0;
    for (int i = 0; i < atomCount; ++i) h ^= key(groupOfSlot[static_cast<std::size_t>(i)], state[i]);
    return h;
}

void SearchModel::fillOccupied(const std::uint8_t* state, Occupancy& occupied) const
{
    occupied = fixedLines;
    for (int i = 0; i < atomCount; ++i) occupied.block(state[i]);
}

SearchModel buildSearchModel(const Puzzle& p)
{
    SearchModel m;
    for (int c = 0; c < kCells; ++c) m.fixed[static_cast<std::size_t>(c)] = p.board[static_cast<std::size_t>(c)] > 50;
    m.runs = RunDistances(m.fixed.data());
    for (int i = 0; i < 15; ++i) {
        m.fixedLines.rows[static_cast<std::size_t>(i)] = 1u | 1u << 16;
        m.fixedLines.columns[static_cast<std::size_t>(i)] = 1u | 1u << 16;
    }
    for (int c = 0; c < kCells; ++c)
        if (m.fixed[static_cast<std::size_t>(c)]) m.fixedLines.block(c);

    std::map<std::int32_t, std::vector<int>> cellsByKind;
    for (int c = 0; c < kCells; ++c)
        if (isAtom(p.board[static_cast<std::size_t>(c)])) cellsByKind[p.kinds[p.board[static_cast<std::size_t>(c)]]].push_back(c);
    std::map<std::int32_t, int> needByKind;
    for (const LaidAtom& a : p.molecule) ++needByKind[a.kind];
    std::map<std::int32_t, int> groupOf;
    for (auto& [kind, cells] : cellsByKind) {
        int g = static_cast<int>(m.groupKind.size());
        groupOf[kind] = g;
        m.groupKind.push_back(kind);
        m.groupStart.push_back(static_cast<int>(m.start.size()));
        m.groupSize.push_back(static_cast<int>(cells.size()));
        m.groupNeed.push_back(needByKind.count(kind) ? needByKind[kind] : 0);
        for (int c : cells) {
            m.start.push_back(static_cast<std::uint8_t>(c));
            m.groupOfSlot.push_back(static_cast<std::uint8_t>(g));
        }
    }
    m.atomCount = static_cast<int>(m.start.size());
    std::uint64_t seed = 0x5eed;
    for (int i = 0; i < m.groups() * kCells; ++i) m.zobrist.push_back(splitMix(seed));

    m.exactAtoms = true;
    for (auto& [kind, need] : needByKind) {
        auto it = groupOf.find(kind);
        if (it == groupOf.end() || m.groupSize[static_cast<std::size_t>(it->second)] < need) m.impossible = true;
        else if (m.groupSize[static_cast<std::size_t>(it->second)] != need) m.exactAtoms = false;
    }
    for (int need : m.groupNeed)
        if (need == 0) m.exactAtoms = false;
    if (m.impossible) return m;

    const int groups = m.groups();
    std::vector<std::vector<std::uint8_t>> perGroup(static_cast<std::size_t>(groups));
    for (int oy = 0; oy + p.molHeight <= 15; ++oy)
        for (int ox = 0; ox + p.molWidth <= 15; ++ox) {
            for (auto& cells : perGroup) cells.clear();
            bool ok = true;
            for (const LaidAtom& a : p.molecule) {
                int x = ox + a.col, y = oy + a.row;
                if (x < 0 || x > 14 || y < 0 || y > 14 || m.fixed[static_cast<std::size_t>(y * 15 + x)]) {
                    ok = false;
                    break;
                }
                perGroup[static_cast<std::size_t>(groupOf[a.kind])].push_back(static_cast<std::uint8_t>(y * 15 + x));
            }
            if (!ok) continue;
            for (int g = 0; g < groups; ++g) {
                m.targetStart.push_back(static_cast<int>(m.targetCells.size()));
                for (std::uint8_t c : perGroup[static_cast<std::size_t>(g)]) {
                    m.targetCells.push_back(c);
                }
            }
            m.placementOrigin.push_back(static_cast<std::uint8_t>(oy * 15 + ox));
        }
    m.placementCount = static_cast<int>(m.placementOrigin.size());
    m.impossible = m.placementCount == 0;
    return m;
}

std::array<std::uint8_t, kCells> boardOfState(const Puzzle& puzzle, const SearchModel& m, const std::uint8_t* state)
{
    std::array<std::uint8_t, kCells> board = puzzle.board;
    std::vector<std::uint8_t> numbers;  // atom numbers in the start's state order
    for (int c : m.start) numbers.push_back(board[static_cast<std::size_t>(c)]);
    for (int c : m.start) board[static_cast<std::size_t>(c)] = 0;
    for (int i = 0; i < m.atomCount; ++i) board[state[i]] = numbers[static_cast<std::size_t>(i)];
    return board;
}

}  // namespace tarvik::plans
