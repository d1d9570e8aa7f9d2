// Reads many damaged copies of a help file in one process: any crash or sanitizer report
// ends the run. Copies are made from a fixed seed, so a failing copy can be made again
// (--keep FOLDER writes the copies out).
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>

#include "help/chm_check.h"
#include "help_file_probe.h"

namespace {

// Where the file's structure ends and the compressed bytes begin: headers, directory and
// the stored objects before the compressed content, where one changed byte matters most.
std::size_t structureEnd(const std::string& file)
{
    const tarvik::ChmCheck check = tarvik::checkChmFile(file);
    for (const auto& object : check.layout.objects)
        if (object.name == "::DataSpace/Storage/MSCompressed/Content")
            return static_cast<std::size_t>(check.layout.sectionStart + object.offset);
    return file.size();
}

void damage(std::string& copy, std::size_t structure, std::mt19937_64& random)
{
    constexpr std::uint32_t kTelling[] = {0, 1, 2, 3, 0x7fff, 0x8000, 0xffff, 0x7fffffff, 0x80000000, 0xffffffff};
    const int changes = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < changes; ++i) {
        const bool inStructure = random() % 4 != 0;
        const std::size_t limit = inStructure ? structure : copy.size();
        std::size_t at = static_cast<std::size_t>(random() % limit);
        switch (random() % 4) {
        case 0:
            copy[at] = static_cast<char>(copy[at] ^ (1 << (random() % 8)));
            break;
        case 1:
            copy[at] = static_cast<char>(random());
            break;
        case 2: {
            at &= ~std::size_t{3};
            const std::uint32_t value = kTelling[random() % std::size(kTelling)];
            for (std::size_t b = 0; b < 4 && at + b < copy.size(); ++b)
                copy[at + b] = static_cast<char>(value >> (8 * b));
            break;
        }
        default:
            copy.resize(static_cast<std::size_t>(random() % copy.size()) + 1);
            return;
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: " << argv[0] << " HELP-FILE COPIES [SEED] [--keep FOLDER]\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    const std::string original((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const long copies = std::stol(argv[2]);
    const std::uint64_t seed = argc > 3 && argv[3][0] != '-' ? std::stoull(argv[3]) : 1;
    std::filesystem::path keep;
    for (int i = 3; i + 1 < argc; ++i)
        if (std::string(argv[i]) == "--keep")
            keep = argv[i + 1];

    if (!tarvik::fuzz::readHelpFileBytes(original)) {
        std::cerr << argv[1] << " itself is refused\n";
        return 1;
    }
    const std::size_t structure = structureEnd(original);
    std::mt19937_64 random(seed);
    long read = 0;
    for (long n = 0; n < copies; ++n) {
        std::string copy = original;
        damage(copy, structure, random);
        if (!keep.empty())
            std::ofstream(keep / ("copy-" + std::to_string(n) + ".chm"), std::ios::binary) << copy;
        read += tarvik::fuzz::readHelpFileBytes(copy) ? 1 : 0;
    }
    std::cout << copies << " damaged copies: " << read << " read through the library, " << copies - read
              << " refused by the check\n";
    // Copies the check lets through are what exercises the library; none at all would
    // mean the run tested nothing but the refusal.
    return read > 0 ? 0 : 1;
}
