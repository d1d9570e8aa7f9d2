// Runs the fuzz target's function over every file of a corpus, without the fuzzing engine,
// so that every build can replay the inputs that once went wrong.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "help_file_probe.h"

int main(int argc, char** argv)
{
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path given(argv[i]);
        if (std::filesystem::is_directory(given)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(given))
                if (entry.is_regular_file())
                    inputs.push_back(entry.path());
        } else {
            inputs.push_back(given);
        }
    }
    if (inputs.empty()) {
        std::cerr << "usage: " << argv[0] << " FILE-OR-FOLDER...\n";
        return 2;
    }
    int read = 0;
    for (const auto& path : inputs) {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            std::cerr << "cannot read " << path << '\n';
            return 1;
        }
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        read += tarvik::fuzz::readHelpFileBytes(bytes) ? 1 : 0;
    }
    std::cout << inputs.size() << " inputs replayed, " << read << " accepted by the reader\n";
    return 0;
}
