#include <charconv>
#include <iostream>

#include "core/game.h"
#include "core/quiet_ports.h"
#include "level_file.h"
#include "subcommand.h"

namespace tarvik::plans {
namespace {

struct Action {
    bool down = false;
    int x = 0;   // down: the cell; push: the direction
    int y = 0;
};

bool parseNumber(std::string_view s, int& value)
{
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size() && value > -1000 && value < 1000;
}

// A click is only a cell of the board: anything else would land outside it.
bool parseCell(std::string_view s, int& value) { return parseNumber(s, value) && value >= 0 && value < kBoardSide; }

bool parseAction(const std::string& text, Action& action)
{
    const std::string_view s = text;
    if (s.substr(0, 5) == "down:") {
        const std::string_view rest = s.substr(5);
        const std::size_t comma = rest.find(',');
        if (comma == std::string_view::npos) return false;
        action.down = true;
        return parseCell(rest.substr(0, comma), action.x) && parseCell(rest.substr(comma + 1), action.y);
    }
    if (s == "push:left") action = {false, -1, 0};
    else if (s == "push:right") action = {false, 1, 0};
    else if (s == "push:up") action = {false, 0, -1};
    else if (s == "push:down") action = {false, 0, 1};
    else return false;
    return true;
}

const char* stateName(PlayState state)
{
    switch (state) {
    case PlayState::Idle: return "idle";
    case PlayState::Carrying: return "carrying";
    case PlayState::Solved: return "solved";
    case PlayState::Sliding: return "sliding";
    }
    return "?";
}

int run(const Args& args)
{
    if (args.size() < 2) return usageError("play", "expected a level data file and a plan number");
    std::vector<Action> actions(args.size() - 2);
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (!parseAction(args[i], actions[i - 2]))
            return usageError("play", "malformed action '" + args[i] + "' (down:X,Y with X and Y in 0..14, or push:left|right|up|down)");
    }
    const auto catalogue = loadForTool(args[0]);
    if (!catalogue) return kExitFailed;
    int plan = 0;
    if (!parseNumber(args[1], plan) || plan < 1 || plan > catalogue->planCount()) {
        return usageError("play", "plan number '" + args[1] + "' is outside 1.." +
                                      std::to_string(catalogue->planCount()));
    }

    QuietPorts ports;
    Game game(*catalogue, ports.ports());
    game.selectStartPlan(plan);
    for (const Action& a : actions) {
        if (a.down) {
            game.boxMouseDown(30 * a.x + 15, 30 * a.y + 15);
        } else {
            const BoardPoint ref = game.board().refPoint();
            game.boxMouseMove(ref.x + 30 * a.x, ref.y + 30 * a.y);
        }
    }
    for (int row = 0; row < kBoardSide; ++row) {
        for (int col = 0; col < kBoardSide; ++col) std::cout << (col ? " " : "") << int(game.plan().cell(col, row));
        std::cout << "\n";
    }
    std::cout << "state: " << stateName(game.playState()) << "\n";
    return kExitOk;
}

const Subcommand command{"play", "play FILE N ACTION...   set up plan N, apply down:X,Y and push:DIR, print the board",
                         run};

}  // namespace
}  // namespace tarvik::plans
