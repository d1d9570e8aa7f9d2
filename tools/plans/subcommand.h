#pragma once

// tarvik-plans is a table of subcommands, one per cmd_*.cpp file; each file registers
// itself with a static Subcommand object, so a new subcommand needs no edit elsewhere.

#include <string>
#include <vector>

namespace tarvik::plans {

using Args = std::vector<std::string>;

// Exit codes shared by the subcommands.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the input was read but is wrong, or unreadable
inline constexpr int kExitUsage = 2;   // malformed arguments

struct Subcommand {
    const char* name;
    const char* usage;    // one line, after "tarvik-plans "
    int (*run)(const Args& args);  // args after the subcommand's name

    Subcommand(const char* name, const char* usage, int (*run)(const Args&));
};

const std::vector<const Subcommand*>& subcommands();

// "usage: tarvik-plans ..." of one subcommand on stderr; returns kExitUsage.
int usageError(const char* name, const std::string& what);

}  // namespace tarvik::plans
