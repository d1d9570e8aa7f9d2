#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

// Checks a compiled help file before the CHM library is allowed near it. The library takes
// the container's headers, its directory and the compression's control data on trust: a
// window size of 0 divides by zero, an unknown version or window size makes its
// decompressor write outside its tables, a directory chunk that points back at itself
// loops for ever. So everything the library reads before and while it decompresses is
// checked here against the values a sound file can hold, and a file that fails is treated
// as if it were missing.
//
// The check reads the file's own bytes only; it does not decompress anything.

// One object of the file as its directory lists it.
struct ChmObject {
    std::string name;
    std::uint64_t section = 0;  // 0 stored as is, 1 compressed
    std::uint64_t offset = 0;   // inside its section
    std::uint64_t length = 0;
};

// The parts of a sound file that its readers and writers need.
struct ChmLayout {
    std::uint64_t sectionStart = 0;  // file offset of the stored section's first byte
    std::vector<ChmObject> objects;  // in directory order
    std::uint64_t expandedLength = 0;  // bytes of the compressed section once expanded
};

struct ChmCheck {
    bool sound = false;
    std::string fault;  // what is wrong, empty when sound
    ChmLayout layout;   // filled only when sound
};

ChmCheck checkChmFile(std::string_view file);

// The size beyond which a help file is refused unread; ours is some tens of KiB.
inline constexpr std::uint64_t kLargestHelpFile = 64u * 1024u * 1024u;

}  // namespace tarvik
