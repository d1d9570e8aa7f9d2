#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarvik {

// Writes a compiled help file from its objects, byte for byte the same for the same objects:
// no time stamp, no path, no order taken from the machine. Objects of section 1 go into the
// compressed section as LZX stored blocks, which every reader of the format can expand; the
// help file is small, so compressing it would buy nothing worth its risk.
//
// Use it to repack what the help compiler made; the compiler's own output records the build
// time and folder.

struct ChmSourceObject {
    std::string name;     // "/en.htm"; folders end with "/" and have no data
    int section = 0;      // 0 stored as is, 1 in the compressed section
    std::string data;
};

// The objects must not include the compressed section's own ("::DataSpace/..."); the writer
// makes those. Throws std::runtime_error when the objects do not fit one directory chunk.
std::string writeChm(const std::vector<ChmSourceObject>& objects, std::uint32_t language);

}  // namespace tarvik
