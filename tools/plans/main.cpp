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
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "help") == 0) {
        printUsage(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? kExitUsage : kExitOk;
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
