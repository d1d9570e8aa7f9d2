#include <algorithm>
#include <cstring>
#include <exception>
#include <iostream>

#include "subcommand.h"

namespace tarvik::plans {

namespace {
std::vector<const Subcommand*>& registry()
{
    static std::vector<const Subcommand*> all;
    return all;
}

void printUsage(std::ostream& out)
{
    out << "usage:\n";
    for (const Subcommand* s : subcommands()) out << "  tarvik-plans " << s->usage << "\n";
}

void printHelp(std::ostream& out)
{
    out << "tarvik-plans: compile, check, play, solve and generate the construction plans of Tarvik Atoms.\n\n";
    printUsage(out);
    out << "\noptions:\n"
           "  -h, --help      show this help and exit\n"
           "  -V, --version   show the version and exit\n"
           "\nexit status: 0 success, 1 the input was read but is wrong or unreadable, 2 malformed arguments.\n"
           "See tarvik-plans(1) for examples.\n";
}

bool is(const char* arg, const char* shortName, const char* longName)
{
    return std::strcmp(arg, shortName) == 0 || std::strcmp(arg, longName) == 0;
}
}  // namespace

Subcommand::Subcommand(const char* n, const char* u, int (*r)(const Args&)) : name(n), usage(u), run(r)
{
    auto& all = registry();
    all.push_back(this);
    std::sort(all.begin(), all.end(), [](const Subcommand* a, const Subcommand* b) { return std::strcmp(a->name, b->name) < 0; });
}

const std::vector<const Subcommand*>& subcommands() { return registry(); }

int usageError(const char* name, const std::string& what)
{
    std::cerr << "tarvik-plans " << name << ": " << what << "\n";
    for (const Subcommand* s : subcommands()) {
        if (std::strcmp(s->name, name) == 0) std::cerr << "usage: tarvik-plans " << s->usage << "\n";
    }
    return kExitUsage;
}

}  // namespace tarvik::plans

int main(int argc, char** argv)
{
    using namespace tarvik::plans;
    if (argc < 2) {
        printUsage(std::cerr);
        return kExitUsage;
    }
    if (is(argv[1], "-h", "--help") || std::strcmp(argv[1], "help") == 0) {
        printHelp(std::cout);
        return kExitOk;
    }
    if (is(argv[1], "-V", "--version")) {
        std::cout << "tarvik-plans " << TARVIK_VERSION << "\n";
        return kExitOk;
    }
    for (const Subcommand* s : subcommands()) {
        if (std::strcmp(s->name, argv[1]) != 0) continue;
        try {
            return s->run(Args(argv + 2, argv + argc));
        } catch (const std::exception& e) {
            std::cerr << "tarvik-plans " << s->name << ": " << e.what() << "\n";
            return kExitFailed;
        }
    }
    std::cerr << "tarvik-plans: unknown command '" << argv[1] << "'\n";
    printUsage(std::cerr);
    return kExitUsage;
}
